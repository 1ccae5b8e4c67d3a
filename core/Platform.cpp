#include "core/Platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
Platform *g_platform = nullptr;
}

Platform &Platform::current()
{
    if (!g_platform) {
        std::fputs("Velmora: no platform installed\n", stderr);
        std::abort();
    }
    return *g_platform;
}

Platform *Platform::install(Platform *platform)
{
    Platform *previous = g_platform;
    g_platform = platform;
    return previous;
}
