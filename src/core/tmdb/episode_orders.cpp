// SPDX-License-Identifier: MIT
#include "core/tmdb/episode_orders.h"

#include <charconv>
#include <map>
#include <string_view>
#include <utility>

#include "core/files/atomic_file.h"
#include "core/files/versioned_lines.h"
#include "core/tmdb/cache_files.h"
#include "core/tmdb/episode_groups.h"

namespace ravello::tmdb {
namespace {

constexpr std::string_view kVersionLine = "RavelloEpisodeOrders\t1";

std::optional<std::int32_t> showOf(std::string_view digits)
{
    std::int32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end || value <= 0)
        return std::nullopt;
    return value;
}

// The choices of the file by show; none for a file that is missing or of another version.
std::map<std::int32_t, std::string> choicesOf(const std::filesystem::path& file)
{
    std::map<std::int32_t, std::string> choices;
    files::readVersionedLines(file, kVersionLine, [&choices](std::string_view line) {
        const std::size_t tab = line.find('\t');
        const auto show = showOf(line.substr(0, tab));
        const std::string_view group =
            tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        if (show && isEpisodeGroupId(group))
            choices.insert_or_assign(*show, std::string(group));
    });
    return choices;
}

} // namespace

std::optional<std::string> chosenEpisodeGroup(const std::filesystem::path& file,
                                              std::int32_t showId)
{
    auto choices = choicesOf(file);
    const auto chosen = choices.find(showId);
    if (chosen == choices.end())
        return std::nullopt;
    return std::move(chosen->second);
}

bool keepEpisodeGroup(const std::filesystem::path& file, std::int32_t showId,
                      const std::optional<std::string>& groupId)
{
    if (groupId && !isEpisodeGroupId(*groupId))
        return false;
    auto choices = choicesOf(file);
    if (groupId)
        choices.insert_or_assign(showId, *groupId);
    else
        choices.erase(showId);
    std::string bytes(kVersionLine);
    bytes += "\r\n";
    for (const auto& [show, group] : choices)
        bytes += std::to_string(show) + '\t' + group + "\r\n";
    return files::writeFileAtomically(withFolder(file), bytes);
}

} // namespace ravello::tmdb
