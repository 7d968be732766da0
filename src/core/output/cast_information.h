// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/tmdb/credit_rows.h"

// The CastInformation document that DVD Profiler pastes from the clipboard.
namespace ravello::output {

// One Actor line of the document: the row's name split by splitName, its role and the birth
// year (0 for an unknown one).
std::string actorLine(const tmdb::CastRow& row, int birthYear);

// Builds the document from the film title (as the data page shows it) and the cast rows in
// list order: Windows-1252 bytes, every line ending in CR LF. Each Actor line carries the
// name split by splitName, the role and the birth year of the same index in `birthYears` (0
// where there is none); an empty title gives an empty Title element.
std::string buildCastInformation(std::string_view title, const std::vector<tmdb::CastRow>& rows,
                                 std::span<const int> birthYears = {});

// The same from the rows' texts as the cast list holds them.
std::string buildCastInformationFromRows(std::string_view title,
                                         const std::vector<std::string>& rowTexts,
                                         std::span<const int> birthYears = {});

} // namespace ravello::output
