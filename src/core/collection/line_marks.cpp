// SPDX-License-Identifier: MIT
#include "core/collection/line_marks.h"

#include <cstring>

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
constexpr TagText kAfterD[] = {{"DVD>", kMarkDvdOpen}};
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

// Every text is at least three bytes long; the second byte rejects most candidates before
// the call to memcmp.
bool startsWith(const char* at, const char* end, std::string_view text)
{
    return static_cast<std::size_t>(end - at) >= text.size() && at[1] == text[1] &&
           std::memcmp(at + 2, text.data() + 2, text.size() - 2) == 0;
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

// The marks of the texts that begin right after one '<'; `at` is the byte after it.
LineMarks marksAt(const char* at, const char* end)
{
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

} // namespace

LineMarks marksOf(std::string_view line)
{
    LineMarks marks = 0;
    const char* at = line.data();
    const char* const end = at + line.size();
    while (at < end) {
        const auto* open = static_cast<const char*>(std::memchr(at, '<', end - at));
        if (open == nullptr || open + 1 == end)
            break;
        at = open + 1;
        marks |= marksAt(at, end);
    }
    return marks;
}

} // namespace ravello::collection
