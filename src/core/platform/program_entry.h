// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// What a command-line program's entry needs of the system to read and write the same bytes
// everywhere.
namespace ravello::platform {

// The program's arguments, without its name, as UTF-8. On Windows main's argv holds them in
// the ANSI code page (a Cyrillic title arrives as "?"): they are read again from the Unicode
// command line. Elsewhere they are argv's bytes.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Standard input, output and error carry bytes unchanged. On Windows the C runtime's text mode
// would put a CR before every LF written (CR LF lines came out as CR CR LF) and drop the CR of
// every CR LF read; elsewhere there is nothing to do.
void useBinaryStandardStreams();

} // namespace ravello::platform
