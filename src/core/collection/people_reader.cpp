// SPDX-License-Identifier: MIT
#include "core/collection/people_reader.h"

#include <algorithm>

#include "core/collection/people_table.h"
#include "core/text/byte_words.h"
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

// An attribute's name as DVD Profiler writes it, up to the opening quote of its value, as
// the words text::loadWord gives of its first sixteen bytes.
struct Marker
{
    std::size_t length;
    text::ByteWord first;
    text::ByteWord second;
    text::ByteWord secondMask;
};

constexpr Marker markerOf(std::string_view name)
{
    Marker marker{name.size(), 0, 0, 0};
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = text::ByteWord{static_cast<unsigned char>(name[i])};
        const std::size_t shift = 8 * (i % text::kWordBytes);
        (i < text::kWordBytes ? marker.first : marker.second) |= byte << shift;
        if (i >= text::kWordBytes)
            marker.secondMask |= text::ByteWord{0xFF} << shift;
    }
    return marker;
}

// DVD Profiler's way: these four, in this order, right after the element's name.
constexpr Marker kCanonicalMarkers[] = {markerOf(" FirstName=\""), markerOf(" MiddleName=\""),
                                        markerOf(" LastName=\""), markerOf(" BirthYear=\"")};

// The first '"' from `at` on, or `end`. Attribute values are a few bytes long: a word of
// eight bytes a step finds their end sooner than a call would.
const char* findQuote(const char* at, const char* end)
{
    for (; static_cast<std::size_t>(end - at) >= text::kWordBytes; at += text::kWordBytes) {
        const text::ByteWord quotes = text::bytesEqualTo(text::loadWord(at), '"');
        if (quotes != 0)
            return at + text::firstMarkedByte(quotes);
    }
    return std::find(at, end, '"');
}

// The four attributes as DVD Profiler writes them, in this order right after the element's
// name, from the first name to the year's closing quote; empty when the line is written any
// other way. Each name is compared as two words.
std::string_view canonicalAttributes(std::string_view line)
{
    const char* const end = line.data() + line.size();
    const char* const begin = std::find(std::find(line.data(), end, '<'), end, ' ');
    const char* at = begin;
    for (const Marker& marker : kCanonicalMarkers) {
        if (static_cast<std::size_t>(end - at) < marker.length ||
            text::loadWord(at) != marker.first ||
            (text::loadWordBefore(at + text::kWordBytes, end) & marker.secondMask) != marker.second)
            return {};
        const char* close = findQuote(at + marker.length, end);
        if (close == end)
            return {};
        at = close + 1;
    }
    return {begin, static_cast<std::size_t>(at - begin)};
}

} // namespace

PeopleReader::PeopleReader(std::ostream& table) : m_table(table) {}

// Two passes over each group of kAhead lines: the first takes the fingerprint of each line's
// attributes and asks for its slot, so that the second finds the slots in the cache instead
// of waiting on memory for each. The table lines of the new people go out together at the end.
void PeopleReader::readLines(std::span<const std::string_view> lines)
{
    while (!lines.empty()) {
        const std::size_t count = std::min(lines.size(), kAhead);
        for (std::size_t i = 0; i < count; ++i) {
            Waiting& waiting = m_waiting[i];
            waiting.line = lines[i];
            const std::string_view written = canonicalAttributes(waiting.line);
            waiting.canonical = !written.empty();
            if (waiting.canonical) {
                waiting.attributes = fingerprintOf(written);
                m_attributes.prefetch(waiting.attributes);
            }
        }
        for (std::size_t i = 0; i < count; ++i)
            settle(m_waiting[i]);
        lines = lines.subspan(count);
    }
    m_table.write(m_written.data(), static_cast<std::streamsize>(m_written.size()));
    m_written.clear();
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
    const std::size_t lineBegin = m_written.size();
    appendPeopleLine(m_written, m_parts[0], m_parts[1], m_parts[2], m_year);
    if (!m_people.insert(fingerprintOf(std::string_view(m_written).substr(lineBegin))))
        m_written.resize(lineBegin);
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
