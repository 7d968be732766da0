// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "core/collection/disc_title.h"
#include "core/text/windows1252.h"

namespace ravello::cli {
namespace {

constexpr std::int32_t kLastYear = 9999;

struct MatchRequest
{
    std::string utf8Title;
    tmdb::WantedFilm wanted;
    bool shows = false; // --tv
};

// The title and the options around it; nothing, with the usage error written, when they are
// not one title, a year of 1 to 9999 and an original title (a repeated option: the last one
// holds).
std::optional<MatchRequest> readMatchRequest(const CliContext& context, const Arguments& arguments)
{
    MatchRequest request;
    bool hasTitle = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        const bool takesValue = argument == "--year" || argument == "--original-title";
        if (takesValue && at + 1 == arguments.size()) {
            context.usageError(argument + " needs a value");
            return std::nullopt;
        }
        if (argument == "--year") {
            const auto year = parseIdentifier(arguments[++at]);
            if (!year || *year > kLastYear) {
                context.usageError("not a year: " + arguments[at]);
                return std::nullopt;
            }
            request.wanted.year = *year;
        } else if (argument == "--original-title") {
            request.wanted.originalTitle = text::utf8ToWindows1252(arguments[++at]);
        } else if (argument == "--tv") {
            request.shows = true;
        } else if (argument.starts_with("--") || hasTitle || argument.empty()) {
            context.usageError(
                "match takes one title, then --tv, --year YEAR and --original-title TEXT");
            return std::nullopt;
        } else {
            request.utf8Title = argument;
            request.wanted.title = text::utf8ToWindows1252(argument);
            hasTitle = true;
        }
    }
    if (!hasTitle) {
        context.usageError("match needs the title to search for");
        return std::nullopt;
    }
    return request;
}

// A disc of a box set ("Castle: Season 3: Disc 2") is searched for as its show.
void searchShowOfDisc(MatchRequest& request)
{
    if (const auto disc = collection::readDiscTitle(request.wanted.title)) {
        request.wanted.title = disc->show;
        request.utf8Title = text::windows1252ToUtf8(disc->show);
    }
}

} // namespace

int runMatch(CliContext& context, const Arguments& arguments)
{
    auto request = readMatchRequest(context, arguments);
    if (!request)
        return kUsageError;
    if (request->shows)
        searchShowOfDisc(*request);
    return writeSearch(context, request->utf8Title, request->wanted, request->shows);
}

} // namespace ravello::cli
