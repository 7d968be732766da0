// SPDX-License-Identifier: MIT
// The cast and crew documents from any credits answer and from any list rows: the rows the
// credit lists make, and rows as a list could hold them. The first byte picks the crew groups.
#include "core/output/cast_information.h"
#include "core/output/crew_information.h"
#include "core/output/photo_cache.h"
#include "core/tmdb/credit_lists.h"
#include "core/tmdb/credit_rows.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ravello;
    if (size == 0)
        return 0;
    const output::CrewGroups groups{(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0,
                                    (data[0] & 8) != 0};
    const output::CrewMapping& mapping = output::CrewMapping::builtIn();
    const std::string_view input = fuzz::textOf(data + 1, size - 1);
    const std::vector<std::string> parts = fuzz::partsOf(input);
    const std::string& title = parts.front();

    const tmdb::CreditLists lists = tmdb::readCreditLists(input);
    (void)output::buildCastInformationFromRows(title, lists.cast);
    (void)output::buildCrewInformationFromRows(title, lists.crew, mapping, groups);

    const std::vector<std::string> rows(parts.begin() + 1, parts.end());
    (void)output::buildCastInformationFromRows(title, rows);
    (void)output::buildCrewInformationFromRows(title, rows, mapping, groups);
    for (const std::string& row : rows) {
        (void)output::photoRequestFromCastRow(row);
        (void)output::photoRequestFromCrewRow(row);
    }
    return 0;
}
