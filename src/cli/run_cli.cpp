// SPDX-License-Identifier: MIT
#include <algorithm>
#include <charconv>
#include <iostream>
#include <memory>

#include "cli/cli_context.h"
#include "core/files/path_text.h"
#include "core/platform/environment.h"
#include "core/platform/user_folders.h"
#include "core/settings/settings_file.h"
#include "core/text/windows1252.h"

namespace ravello::cli {
namespace {

constexpr const char* kUsage = "usage: ravello-cli [--data-dir DIR] [--raw] COMMAND [ARGS]\n";

int printHelp(std::ostream& out)
{
    out << kUsage << "\nFills DVD Profiler film profiles with data from The Movie Database.\n\n"
        << "Options:\n"
        << "  --data-dir DIR  use DIR as the program database folder\n"
        << "  --raw           write texts as Windows-1252 bytes instead of UTF-8\n"
        << "  --help          show this help\n"
        << "  --version       show the version\n\nCommands:\n";
    for (const Command& command : commands()) {
        out << "  " << command.name << (*command.usage ? " " : "") << command.usage << "\n      "
            << command.summary << '\n';
    }
    out << "\nThe commands that ask TMDb need your own TMDb key, entered on the program's "
           "Settings page.\n";
    return kSuccess;
}

int usageError(std::ostream& err, std::string_view message)
{
    err << "ravello-cli: " << message << '\n' << kUsage;
    return kUsageError;
}

} // namespace

void CliContext::writeText(std::string_view windows1252Text) const
{
    if (raw)
        out << windows1252Text;
    else
        out << text::windows1252ToUtf8(windows1252Text);
}

int CliContext::fail(std::string_view message) const
{
    err << "ravello-cli: " << message << '\n';
    return kFailure;
}

bool CliContext::canAskTmdb(const std::vector<std::filesystem::path>& cached) const
{
    if (endpoint.hasUsableKey())
        return true;
    std::error_code error;
    const bool allCached =
        !cached.empty() &&
        std::all_of(cached.begin(), cached.end(), [&](const std::filesystem::path& file) {
            return std::filesystem::is_regular_file(file, error);
        });
    if (!allCached)
        fail("no TMDb key: enter your own TMDb key on the Settings page of the program (it is "
             "kept in Ravello.INI as ChiaveTMDb)");
    return allCached;
}

int CliContext::usageError(std::string_view message) const
{
    return cli::usageError(err, message);
}

int CliContext::finish() const
{
    return out.good() ? kSuccess : fail("could not write the output");
}

std::optional<std::int32_t> parseIdentifier(std::string_view text)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end || value <= 0)
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> filmIdentifierAndOptions(const CliContext& context,
                                                     std::string_view command,
                                                     const Arguments& arguments,
                                                     const OptionReader& readOption)
{
    std::optional<std::int32_t> filmId;
    const std::string name(command);
    for (const std::string& argument : arguments) {
        if (argument.starts_with("--")) {
            if (!readOption(argument)) {
                context.usageError("unknown option " + argument);
                return std::nullopt;
            }
        } else if (filmId) {
            context.usageError(name + " takes one film identifier");
            return std::nullopt;
        } else if (!(filmId = parseIdentifier(argument))) {
            context.usageError("not a film identifier: " + argument);
            return std::nullopt;
        }
    }
    if (!filmId)
        context.usageError(name + " needs a film identifier");
    return filmId;
}

std::optional<std::int32_t> onlyFilmIdentifier(const CliContext& context, std::string_view command,
                                               const Arguments& arguments)
{
    return filmIdentifierAndOptions(context, command, arguments,
                                    [](const std::string&) { return false; });
}

int runCli(const Arguments& arguments, std::istream& in, std::ostream& out, std::ostream& err)
{
    auto folders = files::ProgramFolders::under(platform::userDataFolder());
    bool raw = false;
    std::size_t next = 0;
    for (; next < arguments.size(); ++next) {
        const std::string& option = arguments[next];
        if (option == "--help")
            return printHelp(out);
        if (option == "--version") {
            out << "ravello-cli " << RAVELLO_VERSION_TEXT << '\n';
            return kSuccess;
        }
        if (option == "--raw") {
            raw = true;
        } else if (option == "--data-dir") {
            if (++next == arguments.size())
                return usageError(err, "--data-dir needs a folder");
            folders = files::ProgramFolders::at(files::pathFromUtf8(arguments[next]));
        } else if (option.starts_with("--")) {
            return usageError(err, "unknown option " + option);
        } else {
            break;
        }
    }
    if (next == arguments.size())
        return usageError(err, "no command given");
    const auto& all = commands();
    const auto command = std::find_if(all.begin(), all.end(), [&](const Command& candidate) {
        return arguments[next] == candidate.name;
    });
    if (command == all.end())
        return usageError(err, "unknown command " + arguments[next]);
    // Everything a command works with is made here, once: the settings of the data folder,
    // the TMDb hosts (the environment may point them elsewhere), the fetcher of single
    // requests and the batch fetcher of many, both within the one ceiling of the tool's
    // requests.
    const auto settings = settings::loadSettings(folders.settingsFile());
    const auto hosts =
        tmdb::Hosts::withOverrides(platform::environmentVariable(tmdb::kApiHostVariable),
                                   platform::environmentVariable(tmdb::kImageHostVariable));
    const auto endpoint = tmdb::Endpoint::fromSettings(settings, hosts);
    const auto limiter = std::make_shared<tmdb::RequestLimiter>();
    tmdb::Fetcher fetcher({}, limiter);
    tmdb::BatchFetcher batchFetcher({}, limiter);
    CliContext context{folders, settings, endpoint, fetcher, batchFetcher, raw, in, out, err};
    const Arguments commandArguments(arguments.begin() + static_cast<long>(next) + 1,
                                     arguments.end());
    return command->run(context, commandArguments);
}

} // namespace ravello::cli
