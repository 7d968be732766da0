// SPDX-License-Identifier: MIT
#include "core/collection/title_index.h"

#include <algorithm>

#include "core/collection/index_record.h"
#include "core/collection/line_reader.h"

namespace ravello::collection {
namespace {

bool hasKey(std::string_view record, int number, int occurrence)
{
    return recordCollectionNumber(record) == number && recordOccurrence(record) == occurrence;
}

} // namespace

TitleIndex::TitleIndex() : m_occurrences(kHighestCollectionNumber + 1, 0) {}

bool TitleIndex::loadTitleIndex(const std::filesystem::path& indexFile)
{
    LineReader lines(indexFile);
    if (!lines.isOpen())
        return false;
    std::vector<std::string> records;
    std::string_view line;
    while (lines.next(line)) {
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        records.emplace_back(line);
    }
    if (lines.failed())
        return false;
    assign(std::move(records));
    return true;
}

void TitleIndex::assign(std::vector<std::string> records)
{
    m_records = std::move(records);
    countOccurrences();
    m_search = TitleSearch(m_records);
}

int TitleIndex::occurrences(int collectionNumber) const
{
    if (collectionNumber < 0 || collectionNumber > kHighestCollectionNumber)
        return 0;
    return m_occurrences[static_cast<std::size_t>(collectionNumber)];
}

std::optional<int> TitleIndex::neighbourWithProfile(int number, int step) const
{
    for (int next = std::clamp(number, 0, m_largest + 1) + step; next >= 1 && next <= m_largest;
         next += step) {
        if (occurrences(next) > 0)
            return next;
    }
    return std::nullopt;
}

// Numbers outside the table (a hand-edited index) are left out of it, never written past it.
void TitleIndex::countOccurrences()
{
    std::fill(m_occurrences.begin(), m_occurrences.end(), 0);
    m_largest = 0;
    for (const std::string& record : m_records) {
        const int number = recordCollectionNumber(record);
        if (number < 0 || number > kHighestCollectionNumber)
            continue;
        int& highest = m_occurrences[static_cast<std::size_t>(number)];
        highest = std::max(highest, static_cast<int>(recordOccurrence(record)));
        m_largest = std::max(m_largest, number);
    }
}

std::string TitleIndex::findIndexRecord(int number, int occurrence) const
{
    if (number < 1 || number > kHighestCollectionNumber)
        return notFoundRecord();
    const auto line = static_cast<std::size_t>(number);
    if (line <= m_records.size() && hasKey(m_records[line - 1], number, occurrence))
        return m_records[line - 1];
    const auto found = std::find_if(m_records.begin(), m_records.end(), [&](const std::string& r) {
        return hasKey(r, number, occurrence);
    });
    return found != m_records.end() ? *found : notFoundRecord();
}

} // namespace ravello::collection
