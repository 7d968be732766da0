// SPDX-License-Identifier: MIT
#include "core/platform/interruption.h"

#include <csignal>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ravello::platform {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void rememberInterruption(int)
{
    g_interrupted = 1;
}

} // namespace

void watchInterruptions()
{
    g_interrupted = 0;
    std::signal(SIGINT, rememberInterruption);
    std::signal(SIGTERM, rememberInterruption);
}

bool interrupted()
{
    return g_interrupted != 0;
}

void stopWatchingInterruptions()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    g_interrupted = 0;
}

bool isTerminal(std::FILE* stream)
{
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

} // namespace ravello::platform
