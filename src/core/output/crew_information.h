// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/output/crew_credit_mapping.h"
#include "core/tmdb/credit_rows.h"

// The CrewInformation document that DVD Profiler pastes from the clipboard.
namespace ravello::output {

// Builds the document from the film title (as the data page shows it; an empty title is
// written as "Ciao") and the crew rows in list order, each mapped by mapCrewCredit: one
// Credit line per principal or custom credit, nothing for the others. Windows-1252 bytes,
// every line ending in CR LF.
std::string buildCrewInformation(std::string_view title, const std::vector<tmdb::CrewRow>& rows,
                                 const CrewGroups& groups);

// The same from the rows' texts as the crew list holds them.
std::string buildCrewInformationFromRows(std::string_view title,
                                         const std::vector<std::string>& rowTexts,
                                         const CrewGroups& groups);

} // namespace ravello::output
