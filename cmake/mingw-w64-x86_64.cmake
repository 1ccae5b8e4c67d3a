# Cross-compiling for 64-bit Windows with Debian's mingw-w64.
#
# Used twice: scripts/windows-qt builds Qt with it, and copies it into the Qt
# it installs, whose own lib/cmake/Qt6/qt.toolchain.cmake loads that copy when
# a project is configured against that Qt. A project that runs Windows
# programs at build or test time picks its own CMAKE_CROSSCOMPILING_EMULATOR
# (Wine, with its environment), so this file leaves it alone.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix-thread flavour: the win32-thread one has no std::thread, std::mutex
# or std::condition_variable, which Qt and C++20 code rely on. Its runtime DLLs
# (libwinpthread-1.dll among them) must then ship beside the program.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Headers and libraries come from the Windows sysroot only, so nothing of the
# Linux system leaks into a Windows binary; programs (moc, rcc, ninja) are the
# host's, since the build runs them here.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
