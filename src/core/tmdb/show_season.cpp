// SPDX-License-Identifier: MIT
#include "core/tmdb/show_season.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "core/text/text_normaliser.h"

namespace ravello::tmdb {
namespace {

std::string normalised(std::string text)
{
    text::normaliseText(text);
    return text;
}

// TMDb's orders are sparse (0, 1, 8, 500...) and missing on some guests: those go last.
std::vector<const CastMember*> byOrder(const std::vector<CastMember>& members)
{
    std::vector<const CastMember*> sorted;
    sorted.reserve(members.size());
    for (const CastMember& member : members)
        sorted.push_back(&member);
    const auto rank = [](const CastMember* member) {
        return member->order.value_or(std::numeric_limits<int>::max());
    };
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](const CastMember* a, const CastMember* b) { return rank(a) < rank(b); });
    return sorted;
}

// Entries without a person identifier are nobody in particular: never taken for a regular.
bool isRegular(const ShowSeason& content, std::int32_t personId)
{
    if (personId <= 0)
        return false;
    const auto& regulars = content.season.regulars;
    return std::any_of(regulars.begin(), regulars.end(), [personId](const CastMember& regular) {
        return regular.personId == personId;
    });
}

} // namespace

std::optional<EpisodeRange> ShowSeason::wholeSeason() const
{
    if (season.episodes.empty())
        return std::nullopt;
    return EpisodeRange{season.episodes.front().number, season.episodes.back().number};
}

std::vector<const Episode*> ShowSeason::episodesIn(EpisodeRange range) const
{
    std::vector<const Episode*> episodes;
    for (const Episode& episode : season.episodes) {
        if (episode.number >= range.first && episode.number <= range.last)
            episodes.push_back(&episode);
    }
    return episodes;
}

SeasonDataPage seasonDataPage(const ShowSeason& content)
{
    const TvShow& show = content.show;
    return {std::to_string(show.id),
            normalised(show.name),
            normalised(show.originalName),
            show.firstAirDate.substr(0, 4),
            normalised(content.season.overview),
            content.overviewInEnglish};
}

std::string seasonTitle(const ShowSeason& content)
{
    return content.show.name + ": Season " + std::to_string(content.season.number);
}

std::string episodeCaption(int seasonNumber, const Episode& episode)
{
    char number[32];
    std::snprintf(number, sizeof number, "%d.%02d ", seasonNumber, episode.number);
    return number + episode.name;
}

std::vector<const CastMember*> episodeCast(const ShowSeason& content, const Episode& episode)
{
    std::vector<const CastMember*> cast = byOrder(content.season.regulars);
    for (const CastMember* guest : byOrder(episode.guestStars)) {
        if (!isRegular(content, guest->personId))
            cast.push_back(guest);
    }
    return cast;
}

std::vector<const CrewMember*> episodeCrew(const ShowSeason& content, const Episode& episode)
{
    std::vector<const CrewMember*> crew;
    for (const auto* members : {&content.show.creators, &episode.crew, &content.season.crew}) {
        for (const CrewMember& member : *members)
            crew.push_back(&member);
    }
    return crew;
}

} // namespace ravello::tmdb
