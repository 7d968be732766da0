// SPDX-License-Identifier: MIT
#include "core/output/cast_information.h"

#include "core/output/document_lines.h"
#include "core/output/xml_value.h"

namespace ravello::output {

std::string actorLine(const tmdb::CastRow& row, int birthYear)
{
    return "   <Actor " + personAttributes(row.name, birthYear) + " Role=\"" +
           xmlValue(row.character) + "\" CreditedAs=\"\" Voice=\"false\" Uncredited=\"false\" />";
}

std::string buildCastInformation(std::string_view title, const std::vector<tmdb::CastRow>& rows,
                                 std::span<const int> birthYears)
{
    DocumentLines document("CastInformation");
    document.add("  <Title>" + xmlValue(title) + "</Title>");
    document.add("  <Actors>");
    for (std::size_t index = 0; index < rows.size(); ++index)
        document.add(actorLine(rows[index], birthYearAt(birthYears, index)));
    document.add("  </Actors>");
    return document.finish();
}

std::string buildCastInformationFromRows(std::string_view title,
                                         const std::vector<std::string>& rowTexts,
                                         std::span<const int> birthYears)
{
    std::vector<tmdb::CastRow> rows;
    rows.reserve(rowTexts.size());
    for (const std::string& text : rowTexts)
        rows.push_back(tmdb::readCastRow(text));
    return buildCastInformation(title, rows, birthYears);
}

} // namespace ravello::output
