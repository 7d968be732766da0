// SPDX-License-Identifier: MIT
#include "core/collection/line_marks.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>

// Every x86-64 processor has SSE2; elsewhere the bytes are compared one by one.
#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define RAVELLO_LINE_MARKS_SSE2 1
#endif

namespace ravello::collection {
namespace {

struct TagText
{
    std::string_view text; // what follows the '<'
    LineMarks mark;
};

// The texts grouped by the byte after their '<'.
constexpr TagText kAfterA[] = {{"Actor ", kMarkActor}};
constexpr TagText kAfterI[] = {{"ID>", kMarkId}};
constexpr TagText kAfterD[] = {{"DVD>", kMarkDvdOpen}, {"Divider ", kMarkDivider}};
constexpr TagText kAfterSlash[] = {{"/DVD>", kMarkDvdClose},
                                   {"/HDDVD>", kMarkHdDvdClose},
                                   {"/Overview>", kMarkOverviewClose},
                                   {"/MyLinks>", kMarkMyLinksClose},
                                   {"/Locks>", kMarkLocksClose}};
constexpr TagText kAfterC[] = {{"CustomMediaType>X265", kMarkX265},
                               {"CustomMediaType>Divx", kMarkDivx},
                               {"CollectionNumber>", kMarkCollectionNumber},
                               {"Credit ", kMarkCredit}};
constexpr TagText kAfterT[] = {{"Title>", kMarkTitle}};
constexpr TagText kAfterO[] = {{"OriginalTitle>", kMarkOriginalTitle},
                               {"Overview>", kMarkOverviewOpen}};
constexpr TagText kAfterP[] = {{"ProductionYear>", kMarkProductionYear}};
constexpr TagText kAfterR[] = {{"RunningTime>", kMarkRunningTime}};
constexpr TagText kAfterL[] = {{"Locks>", kMarkLocksOpen}};

constexpr std::string_view kReview = "Review Film=\"";

// Every text is at least three bytes long and its first byte is known to match; the second
// rejects most candidates. The rest is compared in a loop, as short as it is, rather than
// by a call.
bool startsWith(const char* at, const char* end, std::string_view text)
{
    if (static_cast<std::size_t>(end - at) < text.size() || at[1] != text[1])
        return false;
    for (std::size_t i = 2; i < text.size(); ++i)
        if (at[i] != text[i])
            return false;
    return true;
}

template <std::size_t N>
LineMarks marksAmong(const char* at, const char* end, const TagText (&texts)[N])
{
    LineMarks marks = 0;
    for (const TagText& tag : texts)
        if (startsWith(at, end, tag.text))
            marks |= tag.mark;
    return marks;
}

// <Review Film="d" with one digit d and its closing quote.
LineMarks reviewMarkAt(const char* at, const char* end)
{
    if (static_cast<std::size_t>(end - at) < kReview.size() + 2 || !startsWith(at, end, kReview))
        return 0;
    const char digit = at[kReview.size()];
    if (digit < '0' || digit > '9' || at[kReview.size() + 1] != '"')
        return 0;
    return reviewMark(digit - '0');
}

// The first two bytes of every text, as a set of 65,536 bits: most '<' bytes of an export
// begin no text, and the set tells so at once.
struct PairSet
{
    std::array<std::uint64_t, 1024> bits{};

    constexpr void add(std::string_view text)
    {
        const unsigned pair = static_cast<unsigned char>(text[0]) |
                              static_cast<unsigned>(static_cast<unsigned char>(text[1])) << 8;
        bits[pair / 64] |= std::uint64_t{1} << (pair % 64);
    }
    bool holds(const char* at) const
    {
        const unsigned pair = static_cast<unsigned char>(at[0]) |
                              static_cast<unsigned>(static_cast<unsigned char>(at[1])) << 8;
        return (bits[pair / 64] >> (pair % 64) & 1) != 0;
    }
};

constexpr PairSet makePairSet()
{
    PairSet set;
    for (const auto& texts :
         {std::span<const TagText>(kAfterA), std::span<const TagText>(kAfterI),
          std::span<const TagText>(kAfterD), std::span<const TagText>(kAfterSlash),
          std::span<const TagText>(kAfterC), std::span<const TagText>(kAfterT),
          std::span<const TagText>(kAfterO), std::span<const TagText>(kAfterP),
          std::span<const TagText>(kAfterR), std::span<const TagText>(kAfterL)})
        for (const TagText& tag : texts)
            set.add(tag.text);
    set.add(kReview);
    return set;
}

constexpr PairSet kPairs = makePairSet();

// The marks of the texts that begin right after one '<'; `at` is the byte after it. No text
// holds a '\n', so `end` may lie past the line's end when a '\n' ends the line.
LineMarks marksAt(const char* at, const char* end)
{
    // Every text has at least three bytes.
    if (end - at < 3 || !kPairs.holds(at))
        return 0;
    switch (*at) {
    case 'A':
        return marksAmong(at, end, kAfterA);
    case 'I':
        return marksAmong(at, end, kAfterI);
    case 'D':
        return marksAmong(at, end, kAfterD);
    case '/':
        return marksAmong(at, end, kAfterSlash);
    case 'C':
        return marksAmong(at, end, kAfterC);
    case 'T':
        return marksAmong(at, end, kAfterT);
    case 'O':
        return marksAmong(at, end, kAfterO);
    case 'P':
        return marksAmong(at, end, kAfterP);
    case 'R':
        return marksAmong(at, end, kAfterR) | reviewMarkAt(at, end);
    case 'L':
        return marksAmong(at, end, kAfterL);
    default:
        return 0;
    }
}

constexpr std::size_t kChunkBytes = 64;

struct ChunkMasks
{
    std::uint64_t newlines = 0; // bit i: byte i is '\n'
    std::uint64_t opens = 0;    // bit i: byte i is '<'
};

// The masks of `count` bytes (at most 64), one by one.
ChunkMasks masksOfBytes(const char* at, std::size_t count)
{
    ChunkMasks masks;
    for (std::size_t i = 0; i < count; ++i) {
        masks.newlines |= std::uint64_t{at[i] == '\n'} << i;
        masks.opens |= std::uint64_t{at[i] == '<'} << i;
    }
    return masks;
}

// The masks of the 64 bytes from `at`.
ChunkMasks masksOfChunk(const char* at)
{
#ifdef RAVELLO_LINE_MARKS_SSE2
    const auto load = [at](std::size_t part) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + part * 16));
    };
    const __m128i bytes[] = {load(0), load(1), load(2), load(3)};
    const auto maskOf = [&bytes](char wanted) {
        const __m128i many = _mm_set1_epi8(wanted);
        const auto part = [&](std::size_t index) {
            const int bits = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes[index], many));
            return std::uint64_t{static_cast<std::uint16_t>(bits)} << (index * 16);
        };
        return part(0) | part(1) | part(2) | part(3);
    };
    return {maskOf('\n'), maskOf('<')};
#else
    return masksOfBytes(at, kChunkBytes);
#endif
}

} // namespace

LineMarks marksOf(std::string_view line)
{
    MarkedLines lines(line);
    LineMarks marks = 0;
    LineMarks lineMarks = 0;
    std::string_view part;
    while (lines.next(part, lineMarks))
        marks |= lineMarks;
    return marks;
}

// Reads the marks of the chunk's last '<' bytes, then the next chunks until one holds a line
// end; false when the text ends first.
bool MarkedLines::readToLineEnd()
{
    while (m_newlines == 0) {
        readOpens(m_opens);
        m_opens = 0;
        if (m_nextChunk >= m_text.size())
            return false;
        readChunk();
    }
    return true;
}

// The last line, without a line end; false when there is none.
bool MarkedLines::lastLine(std::string_view& line, LineMarks& marks)
{
    if (m_lineBegin >= m_text.size())
        return false;
    line = m_text.substr(m_lineBegin);
    marks = m_marks;
    m_lineBegin = m_text.size();
    m_marks = 0;
    return true;
}

// Adds the marks of the texts after the '<' bytes of the chunk that `opens` points at.
void MarkedLines::readOpens(std::uint64_t opens)
{
    const char* const end = m_text.data() + m_text.size();
    for (; opens != 0; opens &= opens - 1) {
        const char* open = m_text.data() + m_chunk + std::countr_zero(opens);
        if (open + 1 < end)
            m_marks |= marksAt(open + 1, end);
    }
}

// The masks of the next 64 bytes, or of the bytes left. Those of a short rest are taken from
// the text's last 64 bytes when it has them.
void MarkedLines::readChunk()
{
    m_chunk = m_nextChunk;
    const std::size_t left = m_text.size() - m_chunk;
    ChunkMasks masks;
    if (left >= kChunkBytes) {
        masks = masksOfChunk(m_text.data() + m_chunk);
    } else if (m_text.size() >= kChunkBytes) {
        masks = masksOfChunk(m_text.data() + m_text.size() - kChunkBytes);
        masks.newlines >>= kChunkBytes - left;
        masks.opens >>= kChunkBytes - left;
    } else {
        masks = masksOfBytes(m_text.data() + m_chunk, left);
    }
    m_newlines = masks.newlines;
    m_opens = masks.opens;
    m_nextChunk = m_chunk + std::min(left, kChunkBytes);
}

} // namespace ravello::collection
