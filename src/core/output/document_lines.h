// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/output/document_person.h"

// What the cast and crew documents share: how their lines are written and how a person is
// named in them.
namespace ravello::output {

// A document DVD Profiler pastes, built line by line: Windows-1252 bytes, every line ending in
// CR LF. It opens with the XML declaration and the root element; finish() closes the root.
class DocumentLines
{
public:
    explicit DocumentLines(std::string_view rootElement);

    void add(std::string_view line);
    // The whole document, its root element closed.
    std::string finish();

private:
    std::string m_root;
    std::string m_text;
};

// The FirstName, MiddleName, LastName and BirthYear attributes of a person, each part made
// fit for the document; 0 is an unknown year.
std::string personAttributes(const DocumentPerson& person);

// The line that opens an episode in both documents: `   <Divider Caption="..." Type="Episode" />`,
// the caption made fit for the document as every value is.
std::string dividerLine(std::string_view caption);

// The birth year of the document's row `index`: 0 where `birthYears` has none.
int birthYearAt(std::span<const int> birthYears, std::size_t index);

} // namespace ravello::output
