// SPDX-License-Identifier: MIT
#include "core/output/crew_information.h"

#include <algorithm>

#include "core/output/document_lines.h"
#include "core/output/xml_value.h"

namespace ravello::output {
namespace {

// DVD Profiler needs a title; this stands in when the data page has none.
constexpr std::string_view kTitleWhenEmpty = "Ciao";

// Principal lines close with "/>", custom lines with " />": the two formats differ there.
std::string creditLineOf(const DocumentPerson& person, const CrewCredit& credit)
{
    std::string line = "   <Credit " + personAttributes(person) + " CreditType=\"" +
                       xmlValue(credit.creditType) + "\" CreditSubtype=\"";
    if (credit.disposition == CreditDisposition::Principal)
        return line + xmlValue(credit.job) + "\" CreditedAs=\"\"/>";
    return line + xmlValue(credit.customSubtype) + "\" CreditedAs=\"\" CustomRole=\"" +
           xmlValue(credit.job) + "\" />";
}

} // namespace

std::string creditLine(const tmdb::CrewRow& row, const CrewCredit& credit, int birthYear,
                       const collection::PeopleTable* people)
{
    return creditLineOf(documentPerson(people, row.name, birthYear), credit);
}

bool hasLine(const CrewCredit& credit)
{
    return credit.disposition == CreditDisposition::Principal ||
           credit.disposition == CreditDisposition::Custom;
}

void countLeftOut(const tmdb::CrewRow& row, CrewDocument& document)
{
    ++document.leftOut;
    CreditPair pair{row.department, row.job};
    auto& pairs = document.leftOutPairs;
    if (std::find(pairs.begin(), pairs.end(), pair) == pairs.end())
        pairs.push_back(std::move(pair));
}

CrewDocument buildCrewInformation(std::string_view title, const std::vector<tmdb::CrewRow>& rows,
                                  const CrewMapping& mapping, const CrewGroups& groups,
                                  std::span<const int> birthYears,
                                  const collection::PeopleTable* people)
{
    CrewDocument result;
    DocumentLines document("CrewInformation");
    document.add("  <Title>" + xmlValue(title.empty() ? kTitleWhenEmpty : title) + "</Title>");
    document.add("  <Credits>");
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const tmdb::CrewRow& row = rows[index];
        const CrewCredit credit = mapping.map(row.department, row.job, groups);
        if (!hasLine(credit)) {
            countLeftOut(row, result);
            continue;
        }
        ++result.included;
        const int birthYear = birthYearAt(birthYears, index);
        document.add(creditLine(row, credit, birthYear, people));
    }
    document.add("  </Credits>");
    result.text = document.finish();
    return result;
}

} // namespace ravello::output
