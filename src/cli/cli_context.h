// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/program_folders.h"
#include "core/settings/settings.h"
#include "core/tmdb/batch_fetcher.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetcher.h"

namespace ravello::cli {

// Exit statuses of the tool.
inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsageError = 2;

using Arguments = std::vector<std::string>;

// What every command gets: where the program's files are, the settings stored there, how to
// reach TMDb, how to write.
struct CliContext
{
    files::ProgramFolders folders;
    const settings::Settings& settings;
    const tmdb::Endpoint& endpoint;
    tmdb::Fetcher& fetcher;
    tmdb::BatchFetcher& batchFetcher;
    bool raw = false; // write the program's Windows-1252 texts unchanged instead of as UTF-8
    std::istream& in;
    std::ostream& out;
    std::ostream& err;

    // Writes one of the program's texts (Windows-1252 bytes), as UTF-8 unless raw.
    void writeText(std::string_view windows1252Text) const;
    // Writes a failure message on the error stream and returns kFailure.
    int fail(std::string_view message) const;
    // True when the settings hold a key of the user's, or when every file in `cached` exists
    // (then nothing needs to be asked). Otherwise writes that a key is needed and returns
    // false; the command then returns kFailure.
    bool canAskTmdb(const std::vector<std::filesystem::path>& cached = {}) const;
    // Writes a usage message on the error stream and returns kUsageError.
    int usageError(std::string_view message) const;
    // The status of a command that wrote its output: kSuccess, or kFailure with a message when
    // the output could not be written (a full disk, a closed pipe).
    int finish() const;
};

// A TMDb film or person identifier: decimal digits only, greater than zero.
std::optional<std::int32_t> parseIdentifier(std::string_view text);

// Takes one option (an argument starting with "--"); false for an option it does not know.
using OptionReader = std::function<bool(const std::string& option)>;

// The film identifier among a command's arguments, the options given to `readOption`. Nothing
// when there is not exactly one identifier or an option is unknown; the usage error is then
// written and the command returns kUsageError.
std::optional<std::int32_t> filmIdentifierAndOptions(const CliContext& context,
                                                     std::string_view command,
                                                     const Arguments& arguments,
                                                     const OptionReader& readOption);

// The film identifier that is a command's only argument, as above for a command without
// options.
std::optional<std::int32_t> onlyFilmIdentifier(const CliContext& context, std::string_view command,
                                               const Arguments& arguments);

struct Command
{
    const char* name;
    const char* usage;   // the arguments, as --help shows them
    const char* summary; // what the command does, in a few words
    int (*run)(CliContext& context, const Arguments& arguments);
};

// Every command of the tool, in the order --help lists them.
const std::vector<Command>& commands();

// Runs the tool on its arguments (without the program name); returns the exit status.
int runCli(const Arguments& arguments, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace ravello::cli
