// SPDX-License-Identifier: MIT
#include "cli/profile_list.h"

#include <algorithm>

#include "core/collection/collection_episodes.h"
#include "core/collection/disc_title.h"
#include "core/collection/title_index.h"
#include "core/text/text_fields.h"

namespace ravello::cli {
namespace {

std::string trimmed(std::string text)
{
    text::trimRight(text);
    return text;
}

// A disc is prepared for the seasons of its proposed episodes, as far as the collection tells
// them without TMDb (no season's count is asked for here).
ProfileEntry entryOf(const std::string& record, const collection::CollectionEpisodes& episodes)
{
    ProfileEntry entry;
    entry.title = trimmed(collection::recordTitle(record));
    const int number = collection::recordCollectionNumber(record);
    const auto disc = collection::readDiscTitle(entry.title);
    entry.profile =
        disc ? tmdb::seasonToPrepare(number, disc->show, disc->season)
             : tmdb::profileToPrepare(number, entry.title,
                                      trimmed(collection::recordOriginalTitle(record)),
                                      text::toLong(collection::recordProductionYear(record)));
    entry.profile.profileId = collection::recordProfileId(record);
    if (const auto proposal = episodes.propose(trimmed(entry.profile.profileId), {})) {
        entry.profile.episodesFirstSeason = proposal->first.season;
        entry.profile.episodesLastSeason = proposal->last.season;
    }
    return entry;
}

} // namespace

std::optional<std::vector<ProfileEntry>> profilesInRange(const CliContext& context,
                                                         const ProfileRange& range)
{
    collection::TitleIndex index;
    if (!index.loadTitleIndex(context.folders.titleIndexFile())) {
        context.fail("no title index: import DVD Profiler's export first (ravello-cli import)");
        return std::nullopt;
    }
    std::vector<std::pair<std::pair<int, int>, const std::string*>> ordered;
    for (const std::string& record : index.records()) {
        const int number = collection::recordCollectionNumber(record);
        if (number >= range.from && number <= range.to)
            ordered.push_back({{number, collection::recordOccurrence(record)}, &record});
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const collection::CollectionEpisodes episodes(context.folders, index.records());
    std::vector<ProfileEntry> entries;
    for (const auto& [key, record] : ordered)
        entries.push_back(entryOf(*record, episodes));
    return entries;
}

} // namespace ravello::cli
