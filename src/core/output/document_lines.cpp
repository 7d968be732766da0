// SPDX-License-Identifier: MIT
#include "core/output/document_lines.h"

#include "core/output/xml_value.h"

namespace ravello::output {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kDeclaration = R"(<?xml version="1.0" encoding="iso-8859-1"?>)";

} // namespace

DocumentLines::DocumentLines(std::string_view rootElement) : m_root(rootElement)
{
    add(kDeclaration);
    add("<" + m_root + ">");
}

void DocumentLines::add(std::string_view line)
{
    m_text += line;
    m_text += kLineEnd;
}

std::string DocumentLines::finish()
{
    add("</" + m_root + ">");
    return std::move(m_text);
}

std::string personAttributes(const DocumentPerson& person)
{
    const PersonName& parts = person.name;
    return "FirstName=\"" + xmlValue(parts.first) + "\" MiddleName=\"" + xmlValue(parts.middle) +
           "\" LastName=\"" + xmlValue(parts.last) + "\" BirthYear=\"" +
           std::to_string(person.birthYear) + "\"";
}

std::string dividerLine(std::string_view caption)
{
    return "   <Divider Caption=\"" + xmlValue(caption) + "\" Type=\"Episode\" />";
}

int birthYearAt(std::span<const int> birthYears, std::size_t index)
{
    return index < birthYears.size() ? birthYears[index] : 0;
}

} // namespace ravello::output
