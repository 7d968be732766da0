// SPDX-License-Identifier: MIT
#pragma once

// The earlier text normaliser, which erases replaced bytes from the string as it goes, kept
// as the reference that the single-pass normaliser must agree with on every input. It is
// quadratic on long texts, so tests feed it short ones only.

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "core/text/windows1252.h"

namespace ravello::text::reference {
namespace {

using Byte = unsigned char;

enum class Outcome
{
    Unmatched,
    Changed,
    RemovedCyrillic, // the text was shortened at the position: look back, then look again
};

// Two bytes that become one.
struct PairMapping
{
    Byte lead;
    Byte second;
    Byte result;
};

Byte byteAt(const std::string& text, std::size_t at)
{
    return static_cast<Byte>(text[at]);
}

bool hasBytes(const std::string& text, std::size_t at, std::size_t count)
{
    return at + count <= text.size();
}

// Writes `result` at the position in place of the `length` bytes standing there.
void replaceBytes(std::string& text, std::size_t at, std::size_t length, Byte result)
{
    text[at] = static_cast<char>(result);
    text.erase(at + 1, length - 1);
}

template <std::size_t N>
Outcome replacePair(std::string& text, std::size_t at, const std::array<PairMapping, N>& table)
{
    if (!hasBytes(text, at, 2))
        return Outcome::Unmatched;
    const auto found = std::find_if(table.begin(), table.end(), [&](const PairMapping& m) {
        return m.lead == byteAt(text, at) && m.second == byteAt(text, at + 1);
    });
    if (found == table.end())
        return Outcome::Unmatched;
    replaceBytes(text, at, 2, found->result);
    return Outcome::Changed;
}

// Rule 1: the JSON escaped quote.
Outcome unescapeQuote(std::string& text, std::size_t at)
{
    if (!hasBytes(text, at, 2) || text[at] != '\\' || text[at + 1] != '"')
        return Outcome::Unmatched;
    replaceBytes(text, at, 2, '"');
    return Outcome::Changed;
}

// Rule 2: typographic punctuation, by the two bytes after E2. Quotes and the en dash all
// become apostrophes.
constexpr auto kPunctuation = std::to_array<PairMapping>({
    {0x80, 0x93, 0x27},
    {0x80, 0x98, 0x27},
    {0x80, 0x99, 0x27},
    {0x80, 0x9C, 0x27},
    {0x80, 0x9D, 0x27},
    {0x80, 0xA6, 0x85},
});

Outcome replacePunctuation(std::string& text, std::size_t at)
{
    if (!hasBytes(text, at, 3) || byteAt(text, at) != 0xE2)
        return Outcome::Unmatched;
    for (const PairMapping& m : kPunctuation) {
        if (m.lead == byteAt(text, at + 1) && m.second == byteAt(text, at + 2)) {
            replaceBytes(text, at, 3, m.result);
            return Outcome::Changed;
        }
    }
    return Outcome::Unmatched;
}

// Rules 3 and 4: a Cyrillic letter is dropped whole; a lead byte that ends the text goes alone.
Outcome dropCyrillic(std::string& text, std::size_t at, Byte lead)
{
    if (at >= text.size() || byteAt(text, at) != lead)
        return Outcome::Unmatched;
    text.erase(at, 2);
    return Outcome::RemovedCyrillic;
}

Outcome dropCyrillicD1(std::string& text, std::size_t at)
{
    return dropCyrillic(text, at, 0xD1);
}
Outcome dropCyrillicD0(std::string& text, std::size_t at)
{
    return dropCyrillic(text, at, 0xD0);
}

// Rule 5: the combining grave accent. Lower-case vowels before it take the accent; any other
// byte before it (or none, at the start) stays as it is.
constexpr auto kGraveVowels = std::to_array<std::pair<char, Byte>>({
    {'a', 0xE0},
    {'e', 0xE8},
    {'i', 0xEC},
    {'o', 0xF2},
    {'u', 0xF9},
});

Outcome applyCombiningGrave(std::string& text, std::size_t at)
{
    if (!hasBytes(text, at, 2) || byteAt(text, at) != 0xCC || byteAt(text, at + 1) != 0x80)
        return Outcome::Unmatched;
    if (at > 0) {
        for (const auto& [vowel, accented] : kGraveVowels) {
            if (text[at - 1] == vowel)
                text[at - 1] = static_cast<char>(accented);
        }
    }
    text.erase(at, 2);
    return Outcome::Changed;
}

// Rule 6: s with comma below.
constexpr auto kCommaBelow = std::to_array<PairMapping>({{0xC8, 0x99, 's'}});

// Rule 7: letters of Central European names. Small s and z with caron become 9A and 9E,
// which rule 11 then turns into plain s and z.
constexpr auto kLatinExtendedC5 = std::to_array<PairMapping>({
    {0xC5, 0x82, 'l'},
    {0xC5, 0x84, 'n'},
    {0xC5, 0x91, 'o'},
    {0xC5, 0x99, 'r'},
    {0xC5, 0x9F, 's'},
    {0xC5, 0xA0, 0x8A},
    {0xC5, 0xA1, 0x9A},
    {0xC5, 0xBC, 'z'},
    {0xC5, 0xBE, 0x9E},
});

// Rule 8: more letters of Central European and Turkish names, without their marks.
constexpr auto kLatinExtendedC4 = std::to_array<PairMapping>({
    {0xC4, 0x81, 'a'},
    {0xC4, 0x83, 'a'},
    {0xC4, 0x85, 'a'},
    {0xC4, 0x87, 'c'},
    {0xC4, 0x8D, 'c'},
    {0xC4, 0x91, 'd'},
    {0xC4, 0x99, 'e'},
    {0xC4, 0x9B, 'e'},
    {0xC4, 0x9F, 'g'},
    {0xC4, 0xB1, 'i'},
});

// Rule 9: the Latin-1 letters C3 x that become x + 40. The other C3 sequences are left to
// the last rule.
constexpr auto kLatin1Seconds = std::to_array<Byte>(
    {0x80, 0x81, 0x85, 0x88, 0x89, 0x93, 0x96, 0x98, 0x9F, 0xA0, 0xA1, 0xA2, 0xA3,
     0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF, 0xB0,
     0xB1, 0xB2, 0xB3, 0xB4, 0xB6, 0xB8, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD});

// Rule 10: C2 sequences of Latin-1 symbols (C2 92 is a stray apostrophe from a mis-decoded
// Windows-1252 text).
constexpr auto kLatin1Symbols = std::to_array<PairMapping>({
    {0xC2, 0x92, 0x27},
    {0xC2, 0xA0, 0xA0},
    {0xC2, 0xAB, 0xAB},
    {0xC2, 0xB0, 0xB0},
    {0xC2, 0xBB, 0xBB},
});

Outcome replaceCommaBelow(std::string& text, std::size_t at)
{
    return replacePair(text, at, kCommaBelow);
}

Outcome replaceLatinExtendedC5(std::string& text, std::size_t at)
{
    return replacePair(text, at, kLatinExtendedC5);
}

Outcome replaceLatinExtendedC4(std::string& text, std::size_t at)
{
    return replacePair(text, at, kLatinExtendedC4);
}

Outcome replaceLatin1Letter(std::string& text, std::size_t at)
{
    if (!hasBytes(text, at, 2) || byteAt(text, at) != 0xC3)
        return Outcome::Unmatched;
    const Byte second = byteAt(text, at + 1);
    if (std::find(kLatin1Seconds.begin(), kLatin1Seconds.end(), second) == kLatin1Seconds.end())
        return Outcome::Unmatched;
    replaceBytes(text, at, 2, static_cast<Byte>(second + 0x40));
    return Outcome::Changed;
}

Outcome replaceLatin1Symbol(std::string& text, std::size_t at)
{
    return replacePair(text, at, kLatin1Symbols);
}

// Rule 11: single bytes, wherever they stand, also inside a sequence no earlier rule knew.
constexpr auto kSingleBytes = std::to_array<std::pair<Byte, char>>({
    {0x9E, 'z'},
    {0x9A, 's'},
    {0x96, '-'},
});

Outcome replaceSingleByte(std::string& text, std::size_t at)
{
    if (at >= text.size())
        return Outcome::Unmatched;
    for (const auto& [from, to] : kSingleBytes) {
        if (byteAt(text, at) == from) {
            text[at] = to;
            return Outcome::Changed;
        }
    }
    return Outcome::Unmatched;
}

// Rule 12: three HTML entities, matched on their letters; the one character after the letters
// (normally the semicolon) goes with them, whatever it is.
constexpr auto kEntities = std::to_array<std::pair<std::string_view, char>>({
    {"&apos", '\''},
    {"&quot", '\''},
    {"&amp", '&'},
});

Outcome replaceEntity(std::string& text, std::size_t at)
{
    const std::string_view rest = std::string_view(text).substr(at);
    for (const auto& [letters, result] : kEntities) {
        if (rest.starts_with(letters)) {
            const std::size_t length = std::min(letters.size() + 1, rest.size());
            replaceBytes(text, at, length, static_cast<Byte>(result));
            return Outcome::Changed;
        }
    }
    return Outcome::Unmatched;
}

// Last rule: a valid UTF-8 sequence still standing at the position whose character
// Windows-1252 has becomes that byte (C3 84 gives C4). Other characters keep their bytes.
Outcome replaceWindows1252Character(std::string& text, std::size_t at)
{
    char32_t codePoint = 0;
    const std::size_t length = text::utf8SequenceAt(text, at, codePoint);
    Byte byte = 0;
    if (length < 2 || !text::windows1252ByteOf(codePoint, byte))
        return Outcome::Unmatched;
    replaceBytes(text, at, length, byte);
    return Outcome::Changed;
}

using Rule = Outcome (*)(std::string&, std::size_t);

constexpr auto kRules = std::to_array<Rule>({
    unescapeQuote,
    replacePunctuation,
    dropCyrillicD1,
    dropCyrillicD0,
    applyCombiningGrave,
    replaceCommaBelow,
    replaceLatinExtendedC5,
    replaceLatinExtendedC4,
    replaceLatin1Letter,
    replaceLatin1Symbol,
    replaceSingleByte,
    replaceEntity,
    replaceWindows1252Character,
});

// Tries the rules from `first` on at the position; returns the next position to examine.
// After a Cyrillic letter is dropped, the rules after the dropping one are tried on the
// character before it, and the byte that moved into the position is examined in full.
std::size_t applyRulesFrom(std::string& text, std::size_t at, std::size_t first)
{
    for (std::size_t rule = first; rule < kRules.size(); ++rule) {
        if (kRules[rule](text, at) != Outcome::RemovedCyrillic)
            continue;
        if (at == 0)
            return 0;
        return std::min(at, applyRulesFrom(text, at - 1, rule + 1));
    }
    return at + 1;
}

} // namespace

inline void normaliseTextByErasing(std::string& text)
{
    std::size_t at = 0;
    while (at < text.size())
        at = applyRulesFrom(text, at, 0);
}

} // namespace ravello::text::reference
