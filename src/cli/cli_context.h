// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/program_folders.h"

namespace ravello::cli {

// Exit statuses of the tool.
inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsageError = 2;

// What every command gets: where the program's files are, how to write, its arguments.
struct CliContext
{
    files::ProgramFolders folders;
    bool raw = false; // write the program's Windows-1252 texts unchanged instead of as UTF-8
    std::istream& in;
    std::ostream& out;
    std::ostream& err;

    // Writes one of the program's texts (Windows-1252 bytes), as UTF-8 unless raw.
    void writeText(std::string_view windows1252Text) const;
    // Writes a failure message on the error stream and returns kFailure.
    int fail(std::string_view message) const;
    // Writes a usage message on the error stream and returns kUsageError.
    int usageError(std::string_view message) const;
};

using Arguments = std::vector<std::string>;

struct Command
{
    const char* name;
    const char* usage; // the arguments, as --help shows them
    int (*run)(CliContext& context, const Arguments& arguments);
};

// Every command of the tool, in the order --help lists them.
const std::vector<Command>& commands();

// Runs the tool on its arguments (without the program name); returns the exit status.
int runCli(const Arguments& arguments, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace ravello::cli
