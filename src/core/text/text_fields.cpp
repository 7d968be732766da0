// SPDX-License-Identifier: MIT
#include "core/text/text_fields.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/text/windows1252.h"

namespace ravello::text {
namespace {

bool isBlankOrNul(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

// Small letters of Windows-1252 whose capital is not 20 below them.
constexpr std::array<std::pair<unsigned char, unsigned char>, 4> kOtherCapitals = {{
    {0x9A, 0x8A}, // s caron
    {0x9C, 0x8C}, // oe
    {0x9E, 0x8E}, // z caron
    {0xFF, 0x9F}, // y diaeresis
}};

// Windows-1252 upper case: a-z, the Latin-1 small letters (sharp s has no capital, F7 is the
// division sign) and the four letters of kOtherCapitals.
unsigned char upperOf(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<unsigned char>(c - 0x20);
    for (const auto& [small, capital] : kOtherCapitals) {
        if (c == small)
            return capital;
    }
    return c;
}

bool isCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

void trimRight(std::string& text)
{
    std::size_t end = text.size();
    while (end > 0 && isBlankOrNul(text[end - 1]))
        --end;
    text.resize(end);
}

void trimLeft(std::string& text)
{
    std::size_t first = 0;
    while (first < text.size() && isBlankOrNul(text[first]))
        ++first;
    // A text of blanks only keeps its blanks.
    if (first < text.size())
        text.erase(0, first);
}

void dropLeading(std::string& text, std::size_t count)
{
    if (count <= text.size())
        text.erase(0, count);
}

void toUpper(std::string& text)
{
    for (char& c : text)
        c = static_cast<char>(upperOf(static_cast<unsigned char>(c)));
}

std::int32_t toLong(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // Saturate rather than wrap: a number too large for 32 bits must not turn into a small
    // or negative one. The magnitude is capped one past the largest positive value so the
    // smallest negative value still fits.
    constexpr std::int64_t kMagnitudeCap = std::int64_t{INT32_MAX} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kMagnitudeCap);
    const std::int64_t value = negative ? -magnitude : std::min<std::int64_t>(magnitude, INT32_MAX);
    return static_cast<std::int32_t>(value);
}

std::u16string toWide(std::string_view text)
{
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text) {
        const char32_t cp = windows1252CodePoint(static_cast<unsigned char>(c));
        wide += static_cast<char16_t>(cp);
    }
    return wide;
}

std::string fieldAt(std::string_view record, int from, int to)
{
    if (from < 1 || to <= from || static_cast<std::size_t>(from) > record.size())
        return {};
    std::string field(
        record.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from)));
    trimRight(field);
    return field;
}

} // namespace ravello::text
