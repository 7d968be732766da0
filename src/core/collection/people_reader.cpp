// SPDX-License-Identifier: MIT
#include "core/collection/people_reader.h"

#include <charconv>

#include "core/collection/people_table.h"
#include "core/text/text_normaliser.h"

namespace ravello::collection {
namespace {

// DVD Profiler writes the attributes in this order, so each is looked for after the one
// before it first, and only then on the whole line.
constexpr std::string_view kNameAttributes[] = {" FirstName=\"", " MiddleName=\"", " LastName=\""};
constexpr std::string_view kYearAttribute = " BirthYear=\"";
constexpr std::size_t kMaxYearDigits = 4;

enum class Attribute
{
    Absent,
    Found,
    Broken, // no closing quote
};

// The value of the attribute that `marker` opens; `from` is where to look first, and moves
// past the value found.
Attribute attributeValue(std::string_view line, std::string_view marker, std::size_t& from,
                         std::string_view& value)
{
    std::size_t at = line.find(marker, from);
    if (at == std::string_view::npos && from > 0)
        at = line.find(marker);
    if (at == std::string_view::npos)
        return Attribute::Absent;
    const std::size_t begin = at + marker.size();
    const std::size_t end = line.find('"', begin);
    if (end == std::string_view::npos)
        return Attribute::Broken;
    value = line.substr(begin, end - begin);
    from = end + 1;
    return Attribute::Found;
}

bool readYear(std::string_view digits, int& year)
{
    year = 0;
    if (digits.empty())
        return true;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, year);
    return digits.size() <= kMaxYearDigits && digits.front() != '-' && error == std::errc() &&
           stop == end;
}

} // namespace

PeopleReader::PeopleReader(std::ostream& table) : m_table(table) {}

void PeopleReader::readLine(std::string_view line)
{
    if (!readParts(line)) {
        ++m_damaged;
        return;
    }
    m_line.clear();
    appendPeopleLine(m_line, m_parts[0], m_parts[1], m_parts[2], m_year);
    if (m_seen.find(m_line) != m_seen.end())
        return;
    m_seen.insert(m_line);
    m_table << m_line;
}

// Fills the parts and the year from the line; false when it names nobody or is broken.
bool PeopleReader::readParts(std::string_view line)
{
    std::size_t from = 0;
    std::string_view value;
    bool named = false;
    for (std::size_t part = 0; part < std::size(kNameAttributes); ++part) {
        const Attribute found = attributeValue(line, kNameAttributes[part], from, value);
        if (found == Attribute::Broken)
            return false;
        m_parts[part].assign(found == Attribute::Found ? value : std::string_view());
        text::normaliseText(m_parts[part]);
        named = named || !m_parts[part].empty();
    }
    value = {};
    return named && attributeValue(line, kYearAttribute, from, value) != Attribute::Broken &&
           readYear(value, m_year);
}

} // namespace ravello::collection
