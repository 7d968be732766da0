// SPDX-License-Identifier: MIT
#pragma once

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
};

// The review mark of the film rating `digit` (0 to 9).
constexpr LineMarks reviewMark(int digit)
{
    return kMarkReviewFirst << digit;
}
inline constexpr LineMarks kMarkAnyReview = 0x3FFu << 16;
inline constexpr LineMarks kMarkPerson = kMarkActor | kMarkCredit;

// The marks of a line: bit set when the line holds the text anywhere (the same answer as a
// substring search for each text). Only the places after a '<' are looked at, since every
// text begins with one, so a line costs little more than finding its '<' bytes.
LineMarks marksOf(std::string_view line);

} // namespace ravello::collection
