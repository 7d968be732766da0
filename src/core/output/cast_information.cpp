// SPDX-License-Identifier: MIT
#include "core/output/cast_information.h"

#include "core/output/split_name.h"
#include "core/output/xml_value.h"

namespace ravello::output {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string actorLine(const tmdb::CastRow& row)
{
    // The name is split as retrieved; each part is then made fit for the document.
    const PersonName name = splitName(row.name);
    return "   <Actor FirstName=\"" + xmlValue(name.first) + "\" MiddleName=\"" +
           xmlValue(name.middle) + "\" LastName=\"" + xmlValue(name.last) +
           "\" BirthYear=\"0\" Role=\"" + xmlValue(row.character) +
           "\" CreditedAs=\"\" Voice=\"false\" Uncredited=\"false\" />";
}

void addLine(std::string& document, std::string_view line)
{
    document += line;
    document += kLineEnd;
}

} // namespace

std::string buildCastInformation(std::string_view title, const std::vector<tmdb::CastRow>& rows)
{
    std::string document;
    addLine(document, R"(<?xml version="1.0" encoding="iso-8859-1"?>)");
    addLine(document, "<CastInformation>");
    addLine(document, "  <Title>" + xmlValue(title) + "</Title>");
    addLine(document, "  <Actors>");
    for (const tmdb::CastRow& row : rows)
        addLine(document, actorLine(row));
    addLine(document, "  </Actors>");
    addLine(document, "</CastInformation>");
    return document;
}

std::string buildCastInformationFromRows(std::string_view title,
                                         const std::vector<std::string>& rowTexts)
{
    std::vector<tmdb::CastRow> rows;
    rows.reserve(rowTexts.size());
    for (const std::string& text : rowTexts)
        rows.push_back(tmdb::readCastRow(text));
    return buildCastInformation(title, rows);
}

} // namespace ravello::output
