#pragma once

#include <atomic>
#include <functional>

// How far a long piece of work has gone, and a way to stop it. The work calls
// report() on the thread that started it, after each finished item, and looks
// at cancelled() between items: a command line's progress line and a
// window's progress dialog both sit behind it. Work stopped this way keeps
// the promise it makes about its files (see DeckExport).
struct Progress {
    std::function<void(int done, int total)> step;
    const std::atomic_bool *cancel = nullptr;

    void report(int done, int total) const
    {
        if (step)
            step(done, total);
    }
    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
};
