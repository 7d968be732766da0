// SPDX-License-Identifier: MIT
#include "core/output/crew_information.h"

#include "core/output/split_name.h"
#include "core/output/xml_value.h"

namespace ravello::output {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// DVD Profiler needs a title; this stands in when the data page has none.
constexpr std::string_view kTitleWhenEmpty = "Ciao";

std::string nameAttributes(std::string_view name)
{
    // The name is split as retrieved; each part is then made fit for the document.
    const PersonName parts = splitName(name);
    return "FirstName=\"" + xmlValue(parts.first) + "\" MiddleName=\"" + xmlValue(parts.middle) +
           "\" LastName=\"" + xmlValue(parts.last) + "\" BirthYear=\"0\"";
}

// Principal lines close with "/>", custom lines with " />": the two formats differ there.
std::string creditLine(const tmdb::CrewRow& row, const CrewCredit& credit)
{
    std::string line = "   <Credit " + nameAttributes(row.name) + " CreditType=\"" +
                       xmlValue(credit.creditType) + "\" CreditSubtype=\"";
    if (credit.disposition == CreditDisposition::Principal)
        return line + xmlValue(credit.job) + "\" CreditedAs=\"\"/>";
    return line + xmlValue(credit.customSubtype) + "\" CreditedAs=\"\" CustomRole=\"" +
           xmlValue(credit.job) + "\" />";
}

void addLine(std::string& document, std::string_view line)
{
    document += line;
    document += kLineEnd;
}

} // namespace

std::string buildCrewInformation(std::string_view title, const std::vector<tmdb::CrewRow>& rows,
                                 const CrewGroups& groups)
{
    std::string document;
    addLine(document, R"(<?xml version="1.0" encoding="iso-8859-1"?>)");
    addLine(document, "<CrewInformation>");
    addLine(document, "  <Title>" + xmlValue(title.empty() ? kTitleWhenEmpty : title) + "</Title>");
    addLine(document, "  <Credits>");
    for (const tmdb::CrewRow& row : rows) {
        const CrewCredit credit = mapCrewCredit(row.department, row.job, groups);
        if (credit.disposition == CreditDisposition::Principal ||
            credit.disposition == CreditDisposition::Custom)
            addLine(document, creditLine(row, credit));
    }
    addLine(document, "  </Credits>");
    addLine(document, "</CrewInformation>");
    return document;
}

std::string buildCrewInformationFromRows(std::string_view title,
                                         const std::vector<std::string>& rowTexts,
                                         const CrewGroups& groups)
{
    std::vector<tmdb::CrewRow> rows;
    rows.reserve(rowTexts.size());
    for (const std::string& text : rowTexts)
        rows.push_back(tmdb::readCrewRow(text));
    return buildCrewInformation(title, rows, groups);
}

} // namespace ravello::output
