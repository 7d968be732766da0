// SPDX-License-Identifier: MIT
#include "core/tmdb/episode_groups.h"

#include <algorithm>
#include <cctype>

#include "core/tmdb/episode_group_documents.h"

namespace ravello::tmdb {
namespace {

constexpr std::size_t kLongestGroupId = 64;

std::string textOf(const json::Document& entry, const char* key)
{
    return json::textOf(entry, key).value_or("");
}

// A number TMDb sent; nothing for a missing key, a null or anything else.
std::optional<int> numberOf(const json::Document& entry, const char* key)
{
    const auto value = entry.find(key);
    if (value == entry.end() || !value->is_number())
        return std::nullopt;
    return json::integerOf(entry, key);
}

EpisodeGroupEntry entryOf(const json::Document& entry)
{
    return {textOf(entry, "id"), textOf(entry, "name"), json::integerOf(entry, "type"),
            json::integerOf(entry, "group_count"), json::integerOf(entry, "episode_count")};
}

std::optional<GroupedEpisode> episodeOf(const json::Document& entry)
{
    const auto season = numberOf(entry, "season_number");
    const auto episode = numberOf(entry, "episode_number");
    if (!season || !episode || *season < 0 || *episode <= 0)
        return std::nullopt;
    return GroupedEpisode{*season, *episode, numberOf(entry, "order"), textOf(entry, "name")};
}

EpisodeGroupPart partOf(const json::Document& entry)
{
    EpisodeGroupPart part{textOf(entry, "name"), numberOf(entry, "order"), {}};
    for (const auto& episode : json::objectsOf(entry, "episodes", episodeOf)) {
        if (episode)
            part.episodes.push_back(*episode);
    }
    return part;
}

} // namespace

bool isEpisodeGroupId(std::string_view text)
{
    return !text.empty() && text.size() <= kLongestGroupId &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

bool isEpisodeGroupsDocument(const json::Document& document)
{
    return json::arrayOf(document, "results") != nullptr;
}

bool isEpisodeGroupDocument(const json::Document& document)
{
    if (json::arrayOf(document, "groups") == nullptr)
        return false;
    const auto id = document.find("id");
    return id != document.end() && id->is_string() && isEpisodeGroupId(id->get<std::string>());
}

std::optional<std::vector<EpisodeGroupEntry>> readEpisodeGroups(std::string_view document)
{
    const auto parsed = json::parse(document);
    if (!parsed || !isEpisodeGroupsDocument(*parsed))
        return std::nullopt;
    std::vector<EpisodeGroupEntry> entries = json::objectsOf(*parsed, "results", entryOf);
    std::erase_if(entries,
                  [](const EpisodeGroupEntry& entry) { return !isEpisodeGroupId(entry.id); });
    return entries;
}

std::optional<EpisodeGroup> readEpisodeGroup(std::string_view document)
{
    const auto parsed = json::parse(document);
    if (!parsed || !isEpisodeGroupDocument(*parsed))
        return std::nullopt;
    return EpisodeGroup{textOf(*parsed, "id"), textOf(*parsed, "name"),
                        json::integerOf(*parsed, "type"),
                        json::objectsOf(*parsed, "groups", partOf)};
}

} // namespace ravello::tmdb
