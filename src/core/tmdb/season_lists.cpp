// SPDX-License-Identifier: MIT
#include "core/tmdb/season_lists.h"

#include <algorithm>
#include <unordered_set>

#include "core/tmdb/credit_rows.h"

namespace ravello::tmdb {
namespace {

// A byte that UTF-8 never holds: TMDb's texts, JSON-decoded, are UTF-8, so no name or
// character begins with it (any control byte may, written as a \u escape).
constexpr char kHeadingMark = '\xFF';

// Each person's photo row once, for the first entry met.
class PhotoRows
{
public:
    explicit PhotoRows(std::vector<std::string>& rows) : m_rows(rows) {}

    template <typename Row> void add(std::int32_t personId, const Row& row)
    {
        if (m_seen.insert(personId).second)
            m_rows.push_back(format(row));
    }

private:
    static std::string format(const CastPhotoRow& row) { return formatCastPhotoRow(row); }
    static std::string format(const CrewPhotoRow& row) { return formatCrewPhotoRow(row); }

    std::vector<std::string>& m_rows;
    std::unordered_set<std::int32_t> m_seen;
};

void addCast(const ShowSeason& content, const Episode& episode, CreditLists& lists,
             PhotoRows& photos)
{
    for (const CastMember* member : episodeCast(content, episode)) {
        lists.cast.push_back(formatCastRow({member->name, member->character}));
        photos.add(member->personId, CastPhotoRow{std::to_string(member->personId), member->name,
                                                  member->character, member->photoPath});
    }
}

void addCrew(const ShowSeason& content, const Episode& episode, CreditLists& lists,
             PhotoRows& photos)
{
    const std::size_t heading = lists.crew.size();
    for (const CrewMember* member : episodeCrew(content, episode)) {
        std::string row = formatCrewRow({member->name, member->department, member->job});
        if (std::find(lists.crew.begin() + static_cast<long>(heading), lists.crew.end(), row) !=
            lists.crew.end())
            continue;
        lists.crew.push_back(std::move(row));
        photos.add(member->personId,
                   CrewPhotoRow{std::to_string(member->personId), member->name, member->department,
                                member->job, member->photoPath});
    }
}

} // namespace

std::string formatHeadingRow(std::string_view caption)
{
    return kHeadingMark + std::string(caption);
}

bool isHeadingRow(std::string_view row)
{
    return !row.empty() && row.front() == kHeadingMark;
}

std::string headingCaptionOf(std::string_view row)
{
    return isHeadingRow(row) ? std::string(row.substr(1)) : std::string();
}

CreditLists seasonCreditLists(const ShowSeason& content, EpisodeRange range)
{
    const SeasonPart part{content, range};
    return seasonCreditLists(std::span(&part, 1));
}

CreditLists seasonCreditLists(std::span<const SeasonPart> parts)
{
    CreditLists lists;
    PhotoRows castPhotos(lists.castPhoto);
    PhotoRows crewPhotos(lists.crewPhoto);
    for (const SeasonPart& part : parts) {
        for (const Episode* episode : part.content.episodesIn(part.range)) {
            const std::string heading =
                formatHeadingRow(episodeCaption(part.content.season.number, *episode));
            lists.cast.push_back(heading);
            addCast(part.content, *episode, lists, castPhotos);
            lists.crew.push_back(heading);
            addCrew(part.content, *episode, lists, crewPhotos);
        }
    }
    return lists;
}

} // namespace ravello::tmdb
