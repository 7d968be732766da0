// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/title_search.h"

namespace ravello::collection {

// The title index in memory: the lines of DatabaseDVDP.TXT in file order, how many profiles
// share each collection number, and the upper-cased texts the title filter searches.
class TitleIndex
{
public:
    TitleIndex();

    // Replaces the records with the lines of the index file. False when the file cannot be
    // read: the records stay as they were.
    bool loadTitleIndex(const std::filesystem::path& indexFile);
    // Replaces the records with these lines.
    void assign(std::vector<std::string> records);

    const std::vector<std::string>& records() const { return m_records; }
    int recordCount() const { return static_cast<int>(m_records.size()); }
    bool empty() const { return m_records.empty(); }

    // The occurrence table: the highest occurrence number found for a collection number,
    // which is how many profiles share it; 0 for a number outside 0..99,999.
    int occurrences(int collectionNumber) const;
    // The nearest collection number after `number` (step 1) or before it (step -1) that has a
    // profile; nothing when there is none that way.
    std::optional<int> neighbourWithProfile(int number, int step) const;
    // The largest collection number of the records (0 when there are none): the spinners'
    // maximum.
    int largestCollectionNumber() const { return m_largest; }

    // The record of collection number `number` and occurrence `occurrence`, wherever it lies:
    // line `number` first (it is there when the collection is numbered without gaps or
    // repeats), then every line in order. The not-found record when there is none.
    std::string findIndexRecord(int number, int occurrence) const;

    const TitleSearch& search() const { return m_search; }

private:
    void countOccurrences();

    std::vector<std::string> m_records;
    std::vector<int> m_occurrences;
    int m_largest = 0;
    TitleSearch m_search;
};

} // namespace ravello::collection
