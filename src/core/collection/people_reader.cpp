// SPDX-License-Identifier: MIT
#include "core/collection/people_reader.h"

#include <algorithm>

#include "core/collection/people_table.h"
#include "core/text/text_normaliser.h"

namespace ravello::collection {
namespace {

// DVD Profiler writes the attributes in this order, so each is looked for after the one
// before it first, and only then on the whole line.
constexpr std::string_view kNameAttributes[] = {" FirstName=\"", " MiddleName=\"", " LastName=\""};
constexpr std::string_view kYearAttribute = " BirthYear=\"";

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

// Moves `at` past the attribute that `marker` opens and its value; false when that attribute
// does not stand at `at` or its value has no closing quote. Values are a few bytes long: a
// plain loop finds their end sooner than a call would.
template <std::size_t N>
bool skipAttribute(std::string_view line, std::size_t& at, const char (&marker)[N])
{
    constexpr std::size_t kLength = N - 1;
    if (line.size() - at < kLength || line.compare(at, kLength, marker, kLength) != 0)
        return false;
    const auto close =
        std::find(line.begin() + static_cast<std::ptrdiff_t>(at + kLength), line.end(), '"');
    if (close == line.end())
        return false;
    at = static_cast<std::size_t>(close - line.begin()) + 1;
    return true;
}

// The four attributes as DVD Profiler writes them, in this order right after the element's
// name, from the first name to the year's closing quote; empty when the line is written any
// other way.
std::string_view canonicalAttributes(std::string_view line)
{
    const auto name = std::find(line.begin(), line.end(), '<');
    const auto space = std::find(name, line.end(), ' ');
    std::size_t at = static_cast<std::size_t>(space - line.begin());
    const std::size_t begin = at;
    if (!skipAttribute(line, at, " FirstName=\"") || !skipAttribute(line, at, " MiddleName=\"") ||
        !skipAttribute(line, at, " LastName=\"") || !skipAttribute(line, at, " BirthYear=\""))
        return {};
    return line.substr(begin, at - begin);
}

} // namespace

PeopleReader::PeopleReader(std::ostream& table) : m_table(table) {}

// Two passes: the first takes the fingerprint of each line's attributes and asks for its
// slot, so that the second finds the slots in the cache instead of waiting on memory for each.
void PeopleReader::readLines(std::span<const std::string_view> lines)
{
    m_waiting.clear();
    for (const std::string_view line : lines) {
        Waiting& waiting = m_waiting.emplace_back();
        waiting.line = line;
        const std::string_view written = canonicalAttributes(line);
        waiting.canonical = !written.empty();
        if (waiting.canonical) {
            waiting.attributes = fingerprintOf(written);
            m_attributes.prefetch(waiting.attributes);
        }
    }
    for (const Waiting& waiting : m_waiting)
        settle(waiting);
}

// Most lines name someone met before, written the same way: the attributes as they stand tell
// so without decoding them.
void PeopleReader::settle(const Waiting& waiting)
{
    if (waiting.canonical && m_attributes.contains(waiting.attributes))
        return;
    if (!readParts(waiting.line)) {
        ++m_damaged;
        return;
    }
    if (waiting.canonical)
        m_attributes.insert(waiting.attributes);
    m_line.clear();
    appendPeopleLine(m_line, m_parts[0], m_parts[1], m_parts[2], m_year);
    if (m_people.insert(fingerprintOf(m_line)))
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
    if (!named || attributeValue(line, kYearAttribute, from, value) == Attribute::Broken)
        return false;
    // A person without a year has the year 0, as DVD Profiler writes it.
    const std::optional<int> year = value.empty() ? 0 : readBirthYear(value);
    m_year = year.value_or(0);
    return year.has_value();
}

} // namespace ravello::collection
