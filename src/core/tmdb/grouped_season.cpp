// SPDX-License-Identifier: MIT
#include "core/tmdb/grouped_season.h"

#include <algorithm>
#include <limits>
#include <set>
#include <utility>

namespace ravello::tmdb {
namespace {

template <typename Entry> int rankOf(const Entry* entry)
{
    return entry->order.value_or(std::numeric_limits<int>::max());
}

template <typename Entry> std::vector<const Entry*> inOrder(const std::vector<Entry>& entries)
{
    std::vector<const Entry*> sorted;
    for (const Entry& entry : entries)
        sorted.push_back(&entry);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Entry* a, const Entry* b) { return rankOf(a) < rankOf(b); });
    return sorted;
}

Episode episodeFrom(const GroupedEpisode& grouped, const std::map<int, TvSeason>& sources)
{
    const auto source = sources.find(grouped.seasonNumber);
    if (source != sources.end()) {
        const auto& episodes = source->second.episodes;
        const auto found = std::find_if(episodes.begin(), episodes.end(), [&](const Episode& e) {
            return e.number == grouped.episodeNumber;
        });
        if (found != episodes.end())
            return *found;
    }
    return {0, grouped.name, {}, {}};
}

// Appends the members not in yet; those without a person identifier are nobody in particular
// and all go in.
template <typename Member, typename Key, typename Seen>
void appendOnce(std::vector<Member>& into, const std::vector<Member>& members, Key key, Seen& seen)
{
    for (const Member& member : members) {
        if (member.personId <= 0 || seen.insert(key(member)).second)
            into.push_back(member);
    }
}

} // namespace

std::vector<GroupSeason> groupSeasons(const EpisodeGroup& group)
{
    std::vector<GroupSeason> seasons;
    int next = 0;
    for (const EpisodeGroupPart* part : inOrder(group.parts)) {
        const int number = part->order && *part->order >= next ? *part->order : std::max(next, 1);
        next = number + 1;
        if (!part->episodes.empty())
            seasons.push_back({number, part, inOrder(part->episodes)});
    }
    return seasons;
}

std::optional<int> groupedEpisodeCount(const EpisodeGroup& group, int number)
{
    for (const GroupSeason& season : groupSeasons(group)) {
        if (season.number == number)
            return static_cast<int>(season.episodes.size());
    }
    return std::nullopt;
}

std::vector<int> sourceSeasons(const GroupSeason& season)
{
    std::vector<int> numbers;
    for (const GroupedEpisode* episode : season.episodes) {
        if (std::find(numbers.begin(), numbers.end(), episode->seasonNumber) == numbers.end())
            numbers.push_back(episode->seasonNumber);
    }
    return numbers;
}

TvShow groupedShow(TvShow show, const EpisodeGroup& group)
{
    show.seasons.clear();
    for (const GroupSeason& season : groupSeasons(group))
        show.seasons.push_back(
            {season.number, static_cast<int>(season.episodes.size()), season.part->name, ""});
    return show;
}

TvSeason groupedSeason(const GroupSeason& season, const std::map<int, TvSeason>& sources)
{
    TvSeason grouped;
    grouped.number = season.number;
    int number = 0;
    for (const GroupedEpisode* episode : season.episodes) {
        grouped.episodes.push_back(episodeFrom(*episode, sources));
        grouped.episodes.back().number = ++number;
    }
    std::set<std::int32_t> regulars;
    std::set<std::pair<std::int32_t, std::string>> crew;
    for (const int source : sourceSeasons(season)) {
        const auto found = sources.find(source);
        if (found == sources.end())
            continue;
        if (grouped.posterPath.empty())
            grouped.posterPath = found->second.posterPath;
        appendOnce(
            grouped.regulars, found->second.regulars,
            [](const CastMember& member) { return member.personId; }, regulars);
        appendOnce(
            grouped.crew, found->second.crew,
            [](const CrewMember& member) { return std::pair(member.personId, member.job); }, crew);
    }
    return grouped;
}

} // namespace ravello::tmdb
