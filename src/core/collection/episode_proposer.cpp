// SPDX-License-Identifier: MIT
#include "core/collection/episode_proposer.h"

#include <algorithm>
#include <utility>

#include "core/collection/index_record.h"
#include "core/text/text_fields.h"
#include "core/text/text_folding.h"

namespace ravello::collection {
namespace {

// A disc whose episodes are known: its number and its first and last episode.
struct KnownDisc
{
    int disc = 0;
    EpisodeCode first;
    EpisodeCode last;
    int size = 0; // how many episodes it holds
};

// The neighbours of a disc that have episodes in a table.
struct Neighbours
{
    std::optional<KnownDisc> before;
    std::optional<KnownDisc> after;
};

std::string trimmed(std::string text)
{
    text::trimRight(text);
    return text;
}

std::string seasonKey(const DiscTitle& title)
{
    std::string key;
    text::appendFolded(key, title.show);
    key += '\t';
    key += std::to_string(title.season);
    return key;
}

// True when `known` stands nearer the disc than `side`, both before it or both after it: its
// number is nearer, or with the same number its episodes are.
bool isNearer(const KnownDisc& known, const KnownDisc& side, bool before)
{
    if (known.disc != side.disc)
        return before == (known.disc > side.disc);
    return before ? side.last < known.last : known.first < side.first;
}

EpisodeProposal proposal(EpisodeCode first, EpisodeCode last, EpisodeSource source)
{
    EpisodeProposal made;
    made.first = first;
    made.last = last;
    made.source = source;
    return made;
}

// The episodes from the one after the previous disc's last to the one before the next disc's
// first: those of the discs missing in between as many as the previous disc holds.
std::optional<EpisodeProposal> between(const KnownDisc& before, const KnownDisc& after, int disc,
                                       EpisodeSteps& steps)
{
    const EpisodeCode first =
        steps.forward(before.last, (disc - before.disc - 1) * before.size + 1);
    // Right before the next disc the range ends before it; with discs missing in between it
    // holds as many as the previous disc, never running into the next.
    const std::optional<EpisodeCode> end = steps.back(after.first, 1);
    EpisodeCode last = end && after.disc == disc + 1 ? *end : steps.forward(first, before.size - 1);
    if (end && *end < last)
        last = *end;
    if (last < first)
        return std::nullopt;
    return proposal(first, last, EpisodeSource::Neighbours);
}

// As many episodes as the previous disc holds, after it; the season's last disc runs to the
// season's end when that leaves no more than half as many again.
EpisodeProposal following(const KnownDisc& before, int disc, int season, bool lastOfSeason,
                          EpisodeSteps& steps)
{
    const EpisodeCode first =
        steps.forward(before.last, (disc - before.disc - 1) * before.size + 1);
    const std::optional<int> count =
        lastOfSeason && first.season == season ? steps.episodes(season) : std::nullopt;
    if (!count || *count < first.episode)
        return proposal(first, steps.forward(first, before.size - 1), EpisodeSource::Neighbours);
    const int left = *count - first.episode + 1;
    const int last =
        left <= before.size + before.size / 2 ? *count : first.episode + before.size - 1;
    return proposal(first, {season, last}, EpisodeSource::Neighbours);
}

// As many episodes as the next disc holds, ending before it; disc 1 starts at the season's
// first episode.
std::optional<EpisodeProposal> preceding(const KnownDisc& after, int disc, int season,
                                         EpisodeSteps& steps)
{
    const std::optional<EpisodeCode> last =
        steps.back(after.first, (after.disc - disc - 1) * after.size + 1);
    if (!last)
        return std::nullopt;
    const EpisodeCode seasonStart{last->season, 1};
    const EpisodeCode first = disc == 1 && last->season == season
                                  ? seasonStart
                                  : steps.back(*last, after.size - 1).value_or(seasonStart);
    return proposal(first, *last, EpisodeSource::Neighbours);
}

// Discs numbered like the disc itself whose episodes take one end of the range hold those
// (the next disc, numbered twice by mistake): the range keeps the rest. One that takes both
// ends, or neither, is another copy of the disc or says nothing of it.
void leaveOutTwins(EpisodeProposal& made, const std::vector<KnownDisc>& twins, EpisodeSteps& steps)
{
    for (const KnownDisc& twin : twins) {
        const bool takesFirst = twin.first <= made.first && made.first <= twin.last;
        const bool takesLast = twin.first <= made.last && made.last <= twin.last;
        if (takesFirst == takesLast)
            continue;
        if (takesFirst)
            made.first = steps.forward(twin.last, 1);
        else if (const std::optional<EpisodeCode> before = steps.back(twin.first, 1))
            made.last = *before;
    }
}

} // namespace

std::vector<CollectionDisc> collectionDiscs(std::span<const std::string> indexRecords)
{
    std::vector<CollectionDisc> discs;
    for (const std::string& record : indexRecords) {
        if (auto title = readDiscTitle(trimmed(recordTitle(record))))
            discs.push_back({trimmed(recordProfileId(record)), recordCollectionNumber(record),
                             std::move(*title)});
    }
    return discs;
}

EpisodeProposer::EpisodeProposer(std::vector<CollectionDisc> discs, const EpisodeTable& dividers,
                                 const EpisodeTable& copied)
    : m_discs(std::move(discs)), m_dividers(dividers), m_copied(copied)
{
    std::map<std::string, std::size_t> seasons;
    m_seasonOf.reserve(m_discs.size());
    for (std::size_t index = 0; index < m_discs.size(); ++index) {
        m_byId.emplace(m_discs[index].profileId, index);
        const auto [season, added] =
            seasons.emplace(seasonKey(m_discs[index].title), m_seasons.size());
        if (added)
            m_seasons.emplace_back();
        m_seasons[season->second].push_back(index);
        m_seasonOf.push_back(season->second);
    }
    for (std::vector<std::size_t>& season : m_seasons)
        std::stable_sort(season.begin(), season.end(), [this](std::size_t a, std::size_t b) {
            return m_discs[a].title.disc.value_or(0) < m_discs[b].title.disc.value_or(0);
        });
}

const CollectionDisc* EpisodeProposer::disc(std::string_view profileId) const
{
    const auto found = m_byId.find(profileId);
    return found == m_byId.end() ? nullptr : &m_discs[found->second];
}

std::optional<EpisodeProposal> EpisodeProposer::propose(std::string_view profileId,
                                                        const SeasonEpisodeCounts& counts) const
{
    const auto found = m_byId.find(profileId);
    if (found == m_byId.end())
        return std::nullopt;
    const std::size_t target = found->second;
    if (const auto own = m_dividers.find(profileId); !own.empty())
        return proposal(own.front(), own.back(), EpisodeSource::Profile);
    // What was copied for the disc itself is its own record, surer than its neighbours.
    if (const auto own = m_copied.find(profileId); !own.empty())
        return proposal(own.front(), own.back(), EpisodeSource::Copied);
    EpisodeSteps steps(counts, m_discs[target].title.season, isLastOfSeason(target));
    if (auto made = fromNeighbours(target, m_dividers, steps))
        return made;
    if (auto made = fromNeighbours(target, m_copied, steps)) {
        made->source = EpisodeSource::Copied;
        return made;
    }
    return fromSplit(target, steps);
}

bool EpisodeProposer::isLastOfSeason(std::size_t target) const
{
    const int disc = m_discs[target].title.disc.value_or(0);
    const std::vector<std::size_t>& season = m_seasons[m_seasonOf[target]];
    return m_discs[season.back()].title.disc.value_or(0) <= disc;
}

std::optional<EpisodeProposal> EpisodeProposer::fromNeighbours(std::size_t target,
                                                               const EpisodeTable& table,
                                                               EpisodeSteps& steps) const
{
    const DiscTitle& title = m_discs[target].title;
    if (!title.disc)
        return std::nullopt;
    Neighbours neighbours;
    std::vector<KnownDisc> twins; // numbered like the disc
    for (const std::size_t other : m_seasons[m_seasonOf[target]]) {
        const std::optional<int> disc = m_discs[other].title.disc;
        const auto codes = table.find(m_discs[other].profileId);
        if (!disc || other == target || codes.empty())
            continue;
        const KnownDisc known{*disc, codes.front(), codes.back(), static_cast<int>(codes.size())};
        if (*disc == *title.disc) {
            twins.push_back(known);
            continue;
        }
        const bool before = *disc < *title.disc;
        std::optional<KnownDisc>& side = before ? neighbours.before : neighbours.after;
        if (!side || isNearer(known, *side, before))
            side = known;
    }
    std::optional<EpisodeProposal> made;
    if (neighbours.before && neighbours.after)
        made = between(*neighbours.before, *neighbours.after, *title.disc, steps);
    else if (neighbours.before)
        made =
            following(*neighbours.before, *title.disc, title.season, isLastOfSeason(target), steps);
    else if (neighbours.after)
        made = preceding(*neighbours.after, *title.disc, title.season, steps);
    if (made) {
        leaveOutTwins(*made, twins, steps);
        if (neighbours.before)
            made->afterDisc = neighbours.before->disc;
        if (neighbours.after)
            made->beforeDisc = neighbours.after->disc;
    }
    return made;
}

std::optional<EpisodeProposal> EpisodeProposer::fromSplit(std::size_t target,
                                                          EpisodeSteps& steps) const
{
    const DiscTitle& title = m_discs[target].title;
    const std::optional<int> episodes = steps.episodes(title.season);
    if (!episodes || *episodes < 1)
        return std::nullopt;
    int discs = 1;
    int disc = 1;
    if (title.disc) {
        std::vector<int> numbers;
        for (const std::size_t other : m_seasons[m_seasonOf[target]]) {
            if (const std::optional<int> number = m_discs[other].title.disc)
                numbers.push_back(*number);
        }
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        discs = std::max(static_cast<int>(numbers.size()), numbers.back());
        disc = *title.disc;
    }
    const int perDisc = (*episodes + discs - 1) / discs;
    const int first = (disc - 1) * perDisc + 1;
    if (disc < 1 || first > *episodes)
        return std::nullopt;
    const int last = disc == discs ? *episodes : std::min(disc * perDisc, *episodes);
    EpisodeProposal made =
        proposal({title.season, first}, {title.season, last}, EpisodeSource::Split);
    made.seasonEpisodes = *episodes;
    made.discs = discs;
    return made;
}

} // namespace ravello::collection
