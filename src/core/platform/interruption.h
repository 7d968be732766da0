// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

// What a long command-line run needs of the operating system: to hear Ctrl-C and SIGTERM as a
// request to stop, and whether its progress has a terminal to go to.
namespace ravello::platform {

// From now on Ctrl-C (SIGINT) and SIGTERM no longer end the process; they are remembered
// until the run asks. Until watchInterruptions is called, none is remembered.
void watchInterruptions();
// True once Ctrl-C or SIGTERM arrived after watchInterruptions.
bool interrupted();
// Gives both signals back their default meaning and forgets what arrived.
void stopWatchingInterruptions();

// True when the stream is a terminal (a person reads it), false for a pipe or a file.
bool isTerminal(std::FILE* stream);

} // namespace ravello::platform
