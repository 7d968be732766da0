// SPDX-License-Identifier: MIT
#include "core/output/cast_information.h"

#include "core/output/cast_role.h"
#include "core/output/document_lines.h"
#include "core/output/xml_value.h"

namespace ravello::output {
namespace {

std::string_view flag(bool set)
{
    return set ? "true" : "false";
}

} // namespace

std::string actorLine(const tmdb::CastRow& row, int birthYear,
                      const collection::PeopleTable* people)
{
    const CastRole cast = readCastRole(row.character);
    return "   <Actor " + personAttributes(documentPerson(people, row.name, birthYear)) +
           " Role=\"" + xmlValue(cast.role) + "\" CreditedAs=\"\" Voice=\"" +
           std::string(flag(cast.voice)) + "\" Uncredited=\"" + std::string(flag(cast.uncredited)) +
           "\" />";
}

std::string buildCastInformation(std::string_view title, const std::vector<tmdb::CastRow>& rows,
                                 std::span<const int> birthYears,
                                 const collection::PeopleTable* people)
{
    DocumentLines document("CastInformation");
    document.add("  <Title>" + xmlValue(title) + "</Title>");
    document.add("  <Actors>");
    for (std::size_t index = 0; index < rows.size(); ++index)
        document.add(actorLine(rows[index], birthYearAt(birthYears, index), people));
    document.add("  </Actors>");
    return document.finish();
}

} // namespace ravello::output
