// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/collection/people_table.h"
#include "core/output/crew_credit_mapping.h"
#include "core/output/crew_information.h"
#include "core/output/season_cast_information.h"
#include "core/tmdb/credit_members.h"
#include "core/tmdb/show_season.h"

// The cast and crew documents of a film or of a season's range of episodes, made one way for
// every road that hands them over (the window's copies, the command line, the preparation of
// birth years): what is in them, whom they name and how, and whose birth years TMDb must give.
namespace ravello::output {

// A film as its documents take it: the title the data page shows (Windows-1252) and the people
// of its credits in TMDb's order. The vectors must outlive the documents.
struct FilmSubject
{
    std::string title;
    const std::vector<tmdb::CastMember>& cast;
    const std::vector<tmdb::CrewMember>& crew;
};

// A season's episodes of the range; the season must outlive the documents. A range that goes on
// past the season's end continues into the seasons after it, one part each, in order (a
// disc's "3.47" to "4.05"): the documents hold the episodes of every part, and their title
// names the seasons from first to last.
struct SeasonSubject
{
    const tmdb::ShowSeason& content;
    tmdb::EpisodeRange range;
    std::vector<SeasonPart> continuation = {};

    // The season's part, then the continuation's.
    std::vector<SeasonPart> parts() const;
};

// How the user wants the documents: the crew mapping in effect and the crew group boxes, the
// full crew of a series instead of what collectors keep, and the collection's people, whom the
// documents name as the collection does (none: the name split alone). The mapping and the
// table must outlive the documents.
struct DocumentChoices
{
    const CrewMapping& mapping;
    CrewGroups groups;
    bool fullSeriesCrew = false;
    const collection::PeopleTable* people = nullptr;
};

enum class DocumentKind
{
    Cast,
    Crew,
};

class CreditDocuments
{
public:
    CreditDocuments(FilmSubject film, DocumentChoices choices);
    CreditDocuments(SeasonSubject season, DocumentChoices choices);

    // The people the document names whose birth year must come from TMDb, each once in the
    // order of their first line: everyone with a TMDb number but those the collection's table
    // names with a single year (the document writes the table's year for them).
    std::vector<std::int32_t> peopleToAsk(DocumentKind kind) const;

    // The documents, with TMDb's birth years by person (0 for anyone missing).
    std::string cast(const PersonYears& years = {}) const;
    CrewDocument crew(const PersonYears& years = {}) const;

private:
    std::variant<FilmSubject, SeasonSubject> m_subject;
    DocumentChoices m_choices;
};

} // namespace ravello::output
