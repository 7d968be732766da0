// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_context.h"
#include "core/collection/people_table.h"
#include "core/output/credit_documents.h"
#include "core/tmdb/credit_lists.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/person_cache.h"

// A film's title and credits for the document commands, opened as the window opens a
// film: from the film cache, fetching only what it does not hold yet.
namespace ravello::cli {

struct FilmCredits
{
    std::string title; // the data page's title, Windows-1252; empty when the film has none
    tmdb::CreditLists lists;
};

// Opens the film. The credits must be had, and the details too when `needsDetails` (the
// documents carry the title); a step that could not be done is written on the error stream
// and gives nothing, a document fetched but not kept in the cache is only warned about.
// Without a key of the user's, only a film whose files are cached is opened.
std::optional<FilmCredits> openFilmCredits(const CliContext& context, std::int32_t filmId,
                                           bool needsDetails = true);

// Writes every failed step of an opening but the cover's on the error stream, as a warning
// when the document arrived all the same or when `needed` says the step is not needed.
// Returns false when a needed step failed.
bool reportOpeningFailures(const CliContext& context, const tmdb::FilmOpening& opening,
                           bool (*needed)(tmdb::OpeningStep));

// The people of the user's collection, as the last import left them (none before one).
collection::PeopleTable collectionPeople(const CliContext& context);

// The birth years of the people: from the person cache, else from TMDb. People whose answer
// failed get 0, and the error stream says how many. Nothing, the error written, when people
// must be asked and there is no key of the user's.
std::optional<tmdb::BirthYears> birthYearsOfPeople(const CliContext& context,
                                                   const std::vector<std::int32_t>& people);

// TMDb's birth years of the people the document asks for (CreditDocuments::peopleToAsk), as
// birthYearsOfPeople finds them; none asked when `wanted` is false. Nothing, the error written,
// when people must be asked and there is no key of the user's.
std::optional<output::PersonYears> documentYears(const CliContext& context,
                                                 const output::CreditDocuments& documents,
                                                 output::DocumentKind kind, bool wanted);

} // namespace ravello::cli
