// SPDX-License-Identifier: MIT
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Which of the element tags the import looks for a line of DVD Profiler's export holds.
namespace ravello::collection {

using LineMarks = std::uint32_t;

// One bit per text the import searches a line for; a line may hold several.
enum LineMark : LineMarks
{
    kMarkId = 1u << 0,               // <ID>
    kMarkDvdOpen = 1u << 1,          // <DVD>
    kMarkDvdClose = 1u << 2,         // </DVD>
    kMarkHdDvdClose = 1u << 3,       // </HDDVD>
    kMarkX265 = 1u << 4,             // <CustomMediaType>X265
    kMarkDivx = 1u << 5,             // <CustomMediaType>Divx
    kMarkCollectionNumber = 1u << 6, // <CollectionNumber>
    kMarkTitle = 1u << 7,            // <Title>
    kMarkOriginalTitle = 1u << 8,    // <OriginalTitle>
    kMarkProductionYear = 1u << 9,   // <ProductionYear>
    kMarkRunningTime = 1u << 10,     // <RunningTime>
    kMarkOverviewOpen = 1u << 11,    // <Overview>
    kMarkOverviewClose = 1u << 12,   // </Overview>
    kMarkMyLinksClose = 1u << 13,    // </MyLinks>
    kMarkLocksOpen = 1u << 14,       // <Locks>
    kMarkLocksClose = 1u << 15,      // </Locks>
    kMarkReviewFirst = 1u << 16,     // <Review Film="0" ... <Review Film="9": bits 16 to 25
    kMarkActor = 1u << 26,           // <Actor and a space (a cast member)
    kMarkCredit = 1u << 27,          // <Credit and a space (a crew member)
    kMarkDivider = 1u << 28,         // <Divider and a space (among the cast and crew)
};

// The review mark of the film rating `digit` (0 to 9).
constexpr LineMarks reviewMark(int digit)
{
    return kMarkReviewFirst << digit;
}
inline constexpr LineMarks kMarkAnyReview = 0x3FFu << 16;
inline constexpr LineMarks kMarkPerson = kMarkActor | kMarkCredit;
// The lines of the cast and crew lists, none of which the title index needs.
inline constexpr LineMarks kMarkCastAndCrew = kMarkPerson | kMarkDivider;

// The marks of a line: bit set when the line holds the text anywhere (the same answer as a
// substring search for each text). Only the places after a '<' are looked at, since every
// text begins with one.
LineMarks marksOf(std::string_view line);

// The lines of a text (LineReader::nextLines) with their marks, found in one pass over the
// text that looks for the line ends and the '<' bytes together, 64 bytes a step: a line costs
// little more than reading it.
class MarkedLines
{
public:
    explicit MarkedLines(std::string_view text) : m_text(text) {}

    // Gives the next line without its '\n' and its marks (those of marksOf); a last line
    // without a line end counts too. False after the last line. Most lines end in the 64
    // bytes at hand: they are given here, without a call.
    bool next(std::string_view& line, LineMarks& marks)
    {
        if (m_newlines == 0 && !readToLineEnd())
            return lastLine(line, marks);
        const auto newline = static_cast<std::size_t>(std::countr_zero(m_newlines));
        const std::uint64_t before = (std::uint64_t{1} << newline) - 1;
        if ((m_opens & before) != 0) {
            readOpens(m_opens & before);
            m_opens &= ~before;
        }
        m_newlines &= m_newlines - 1;
        const std::size_t end = m_chunk + newline;
        line = std::string_view(m_text.data() + m_lineBegin, end - m_lineBegin);
        marks = m_marks;
        m_lineBegin = end + 1;
        m_marks = 0;
        return true;
    }

private:
    bool readToLineEnd();
    bool lastLine(std::string_view& line, LineMarks& marks);
    void readChunk();
    void readOpens(std::uint64_t opens);

    std::string_view m_text;
    std::size_t m_chunk = 0;      // where the bytes of the masks begin
    std::size_t m_nextChunk = 0;  // where the next bytes to read begin
    std::uint64_t m_newlines = 0; // a bit for each '\n' of the chunk not passed yet
    std::uint64_t m_opens = 0;    // a bit for each '<' of the chunk not passed yet
    std::size_t m_lineBegin = 0;
    LineMarks m_marks = 0; // of the line being read
};

} // namespace ravello::collection
