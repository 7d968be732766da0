// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One line of the title index DatabaseDVDP.TXT: the fixed-column record of one DVD Profiler
// profile, "%05d|%03d|%-24s|%d|%d|%d|%d|%04d|%04d|%d|%-100s|%-100s|%s". Texts are
// Windows-1252 bytes.
namespace ravello::collection {

// Bounds that keep every column of a record at its width.
inline constexpr int kHighestCollectionNumber = 99999;
inline constexpr int kHighestOccurrence = 999;
inline constexpr std::size_t kProfileIdWidth = 24;
inline constexpr std::size_t kTitleWidth = 100;
inline constexpr int kHighestRunningTime = 9999;
inline constexpr int kHighestYear = 9999;

struct IndexRecord
{
    int collectionNumber = 0;
    int occurrence = 0;
    std::string profileId;
    bool dvd = false;
    bool hdDvd = false;
    bool divx = false;
    bool x265 = false;
    int productionYear = 0;
    int runningTime = 0; // minutes
    int filmRating = 0;  // 0 to 9
    std::string title;
    std::string originalTitle;
    std::string overview;
};

// True when the record's values fit their columns: collection number 1..99,999, occurrence
// 1..999, a profile ID of at most 24 characters without '|', a rating of one digit.
bool fitsColumns(const IndexRecord& record);

// The record as one index line (without line end). Titles are cut to 100 characters, the
// running time is clamped to 0..9,999 and a year outside 0..9,999 is written as 0000, so the
// columns keep their widths; the other values must fit (fitsColumns).
std::string formatIndexRecord(const IndexRecord& record);

// Readers of one field of an index line by its columns. A line that does not follow the
// layout gives whatever its columns hold; a number that is none reads as 0.
std::int32_t recordCollectionNumber(std::string_view line);
std::int32_t recordOccurrence(std::string_view line);
std::string recordProfileId(std::string_view line);
std::string recordProductionYear(std::string_view line); // the four digits, as text
std::int32_t recordRunningTime(std::string_view line);
std::string recordTitle(std::string_view line);
std::string recordOriginalTitle(std::string_view line);
std::string recordOverview(std::string_view line); // at most its first 2,000 characters

// The record that stands for a missing one: 300 characters of N and T alternating. Its
// numbers read as 0 and its texts as runs of N and T.
const std::string& notFoundRecord();

} // namespace ravello::collection
