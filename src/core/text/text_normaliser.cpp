// SPDX-License-Identifier: MIT
#include "core/text/text_normaliser.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <utility>

#include "core/text/byte_words.h"
#include "core/text/windows1252.h"

// One left-to-right pass over the string in place. The rules never lengthen the text, so the
// finished part is written at the front of the string and the unread rest stays behind it:
// the text the rules see is text[0, m_write) followed by text[m_read, end). At each position
// every rule of kRules is tried once, in order, on the text as the earlier rules left it, so
// a byte one rule writes can be changed by a later one (C5 A1 becomes 9A, then s).
namespace ravello::text {
namespace {

using Byte = unsigned char;

enum class Outcome
{
    Unmatched,
    Changed,
    RemovedCyrillic, // the text was shortened at the position: look back, then look again
};

// The position being examined is the first byte of the unread rest, text[m_read]; the byte
// before it is the last one written, text[m_write - 1].
class Cursor
{
public:
    explicit Cursor(std::string& text) : m_text(text), m_end(text.size()) {}

    bool has(std::size_t count) const { return m_end - m_read >= count; }
    Byte at(std::size_t offset) const { return static_cast<Byte>(m_text[m_read + offset]); }
    std::string_view rest() const { return std::string_view(m_text).substr(m_read); }
    bool hasPrevious() const { return m_write > 0; }
    char& previous() { return m_text[m_write - 1]; }

    // Writes `result` at the position in place of the `length` bytes standing there.
    void replace(std::size_t length, Byte result)
    {
        m_read += length - 1;
        m_text[m_read] = static_cast<char>(result);
    }
    void erase(std::size_t length) { m_read += std::min(length, m_end - m_read); }

    // Moves the position one byte on, or one byte back onto the last byte written.
    void advance()
    {
        if (m_read == m_end)
            return;
        if (m_write != m_read)
            m_text[m_write] = m_text[m_read];
        ++m_write;
        ++m_read;
    }
    void stepBack()
    {
        --m_write;
        --m_read;
        m_text[m_read] = m_text[m_write];
    }

    // Passes over the bytes no rule begins with (the plain ASCII letters of most texts), eight
    // at a time.
    void skipPlainBytes();
    bool finished() const { return m_read == m_end; }
    void finish() { m_text.resize(m_write); }

private:
    std::string& m_text;
    std::size_t m_end;
    std::size_t m_read = 0;
    std::size_t m_write = 0;
};

bool beginsNoRule(char c)
{
    return static_cast<Byte>(c) < 0x80 && c != '&' && c != '\\';
}

void Cursor::skipPlainBytes()
{
    const char* data = m_text.data();
    const char* begin = data + m_read;
    const char* const end = data + m_end;
    const char* plainEnd = begin;
    for (; static_cast<std::size_t>(end - plainEnd) >= kWordBytes; plainEnd += kWordBytes) {
        const ByteWord word = loadWord(plainEnd);
        const ByteWord rule = highBytes(word) | bytesEqualTo(word, '&') | bytesEqualTo(word, '\\');
        if (rule != 0) {
            plainEnd += firstMarkedByte(rule);
            break;
        }
    }
    while (plainEnd != end && beginsNoRule(*plainEnd))
        ++plainEnd;
    const auto count = static_cast<std::size_t>(plainEnd - begin);
    if (m_write != m_read)
        std::memmove(m_text.data() + m_write, begin, count);
    m_write += count;
    m_read += count;
}

// Two bytes that become one.
struct PairMapping
{
    Byte lead;
    Byte second;
    Byte result;
};

template <std::size_t N> Outcome replacePair(Cursor& text, const std::array<PairMapping, N>& table)
{
    if (!text.has(2))
        return Outcome::Unmatched;
    const auto found = std::find_if(table.begin(), table.end(), [&](const PairMapping& m) {
        return m.lead == text.at(0) && m.second == text.at(1);
    });
    if (found == table.end())
        return Outcome::Unmatched;
    text.replace(2, found->result);
    return Outcome::Changed;
}

// Rule 1: the JSON escaped quote.
Outcome unescapeQuote(Cursor& text)
{
    if (!text.has(2) || text.at(0) != '\\' || text.at(1) != '"')
        return Outcome::Unmatched;
    text.replace(2, '"');
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

Outcome replacePunctuation(Cursor& text)
{
    if (!text.has(3) || text.at(0) != 0xE2)
        return Outcome::Unmatched;
    for (const PairMapping& m : kPunctuation) {
        if (m.lead == text.at(1) && m.second == text.at(2)) {
            text.replace(3, m.result);
            return Outcome::Changed;
        }
    }
    return Outcome::Unmatched;
}

// Rules 3 and 4: a Cyrillic letter is dropped whole; a lead byte that ends the text goes alone.
Outcome dropCyrillic(Cursor& text, Byte lead)
{
    if (!text.has(1) || text.at(0) != lead)
        return Outcome::Unmatched;
    text.erase(2);
    return Outcome::RemovedCyrillic;
}

Outcome dropCyrillicD1(Cursor& text)
{
    return dropCyrillic(text, 0xD1);
}
Outcome dropCyrillicD0(Cursor& text)
{
    return dropCyrillic(text, 0xD0);
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

Outcome applyCombiningGrave(Cursor& text)
{
    if (!text.has(2) || text.at(0) != 0xCC || text.at(1) != 0x80)
        return Outcome::Unmatched;
    if (text.hasPrevious()) {
        for (const auto& [vowel, accented] : kGraveVowels) {
            if (text.previous() == vowel)
                text.previous() = static_cast<char>(accented);
        }
    }
    text.erase(2);
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

Outcome replaceCommaBelow(Cursor& text)
{
    return replacePair(text, kCommaBelow);
}

Outcome replaceLatinExtendedC5(Cursor& text)
{
    return replacePair(text, kLatinExtendedC5);
}

Outcome replaceLatinExtendedC4(Cursor& text)
{
    return replacePair(text, kLatinExtendedC4);
}

Outcome replaceLatin1Letter(Cursor& text)
{
    if (!text.has(2) || text.at(0) != 0xC3)
        return Outcome::Unmatched;
    const Byte second = text.at(1);
    if (std::find(kLatin1Seconds.begin(), kLatin1Seconds.end(), second) == kLatin1Seconds.end())
        return Outcome::Unmatched;
    text.replace(2, static_cast<Byte>(second + 0x40));
    return Outcome::Changed;
}

Outcome replaceLatin1Symbol(Cursor& text)
{
    return replacePair(text, kLatin1Symbols);
}

// Rule 11: single bytes, wherever they stand, also inside a sequence no earlier rule knew.
constexpr auto kSingleBytes = std::to_array<std::pair<Byte, char>>({
    {0x9E, 'z'},
    {0x9A, 's'},
    {0x96, '-'},
});

Outcome replaceSingleByte(Cursor& text)
{
    if (!text.has(1))
        return Outcome::Unmatched;
    for (const auto& [from, to] : kSingleBytes) {
        if (text.at(0) == from) {
            text.replace(1, static_cast<Byte>(to));
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

Outcome replaceEntity(Cursor& text)
{
    const std::string_view rest = text.rest();
    for (const auto& [letters, result] : kEntities) {
        if (rest.starts_with(letters)) {
            const std::size_t length = std::min(letters.size() + 1, rest.size());
            text.replace(length, static_cast<Byte>(result));
            return Outcome::Changed;
        }
    }
    return Outcome::Unmatched;
}

// Last rule: a valid UTF-8 sequence still standing at the position whose character
// Windows-1252 has becomes that byte (C3 84 gives C4). Other characters keep their bytes.
Outcome replaceWindows1252Character(Cursor& text)
{
    char32_t codePoint = 0;
    const std::size_t length = text::utf8SequenceAt(text.rest(), 0, codePoint);
    Byte byte = 0;
    if (length < 2 || !text::windows1252ByteOf(codePoint, byte))
        return Outcome::Unmatched;
    text.replace(length, byte);
    return Outcome::Changed;
}

using Rule = Outcome (*)(Cursor&);

// A rule and the bytes it can begin with: a position is shown only to the rules that may
// apply there, which spares the others' calls for most bytes.
struct RuleEntry
{
    Rule apply;
    Byte firstLead;
    Byte lastLead;
};

constexpr auto kRules = std::to_array<RuleEntry>({
    {unescapeQuote, '\\', '\\'},
    {replacePunctuation, 0xE2, 0xE2},
    {dropCyrillicD1, 0xD1, 0xD1},
    {dropCyrillicD0, 0xD0, 0xD0},
    {applyCombiningGrave, 0xCC, 0xCC},
    {replaceCommaBelow, 0xC8, 0xC8},
    {replaceLatinExtendedC5, 0xC5, 0xC5},
    {replaceLatinExtendedC4, 0xC4, 0xC4},
    {replaceLatin1Letter, 0xC3, 0xC3},
    {replaceLatin1Symbol, 0xC2, 0xC2},
    {replaceSingleByte, 0x96, 0x9E},
    {replaceEntity, '&', '&'},
    {replaceWindows1252Character, 0xC2, 0xF4}, // the lead bytes of UTF-8 sequences
});

// Tries the rules from `first` on at the position, then moves on to the next position.
// After a Cyrillic letter is dropped, the rules after the dropping one are tried on the
// character before it, and the byte that moved into the position is examined in full; at the
// start of the text, that byte is examined in full at once.
void applyRulesFrom(Cursor& text, std::size_t first)
{
    for (std::size_t rule = first; rule < kRules.size(); ++rule) {
        // At the end of the text this is the string's terminating 0, which begins no rule.
        const Byte lead = text.at(0);
        if (lead < kRules[rule].firstLead || lead > kRules[rule].lastLead)
            continue;
        if (kRules[rule].apply(text) != Outcome::RemovedCyrillic)
            continue;
        if (text.hasPrevious()) {
            text.stepBack();
            applyRulesFrom(text, rule + 1);
        }
        return;
    }
    text.advance();
}

} // namespace

void normaliseText(std::string& text)
{
    Cursor cursor(text);
    for (cursor.skipPlainBytes(); !cursor.finished(); cursor.skipPlainBytes())
        applyRulesFrom(cursor, 0);
    cursor.finish();
}

} // namespace ravello::text
