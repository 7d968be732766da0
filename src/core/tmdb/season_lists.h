// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/tmdb/credit_lists.h"
#include "core/tmdb/show_season.h"

// The rows of the four credit lists for the episodes of a season: in the cast and crew lists
// one heading row per episode ("1.01 Pilot") followed by its rows, in the photo lists each
// person once. The rows are those of a film's lists; a heading row is told apart by
// isHeadingRow.
namespace ravello::tmdb {

// A heading row: a byte that no TMDb text holds, then the caption as given.
std::string formatHeadingRow(std::string_view caption);
bool isHeadingRow(std::string_view row);
// The caption of a heading row; empty for any other row.
std::string headingCaptionOf(std::string_view row);

// The lists of the episodes of the range: cast rows in the order of episodeCast, crew rows in
// the order of episodeCrew with a row equal to one already under the same heading left out,
// photo rows for each person's first entry. Texts as TMDb sent them, not yet normalised. A range
// without episodes gives empty lists.
CreditLists seasonCreditLists(const ShowSeason& content, EpisodeRange range);
// The same over a range that goes on into later seasons, part after part, the photo rows
// still each person once.
CreditLists seasonCreditLists(std::span<const SeasonPart> parts);

} // namespace ravello::tmdb
