// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/files/program_folders.h"
#include "core/tmdb/batch_fetcher.h"
#include "core/tmdb/endpoint.h"

namespace ravello::tmdb {

// Called while birth years are looked up, regularly and after every answer: how many of the
// people are done (from the cache, answered or failed) of how many. Returning false cancels.
using BirthYearProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct BirthYears
{
    // By person: 0 where TMDb knows no birthday, or the answer failed.
    std::unordered_map<std::int32_t, int> years;
    std::size_t failed = 0; // people whose answer failed; they are asked again next time
    bool cancelled = false; // the progress callback stopped the lookup

    // The year of each person in turn, 0 for anyone without one.
    std::vector<int> yearsOf(const std::vector<std::int32_t>& people) const;
};

// The year of a birthday as TMDb writes it ("1969-12-18"); 0 for an empty one or any other
// form.
int birthYearOf(std::string_view birthday);

// People's birth years, each asked of TMDb once and then kept for ever under the program
// database folder, one file per person in buckets of identifier / 1000:
//   DB/People/%04d/%07d.txt
// holding the year in decimal and a line end ("0" when TMDb knows no birthday). Looking up
// people who are all cached makes no request.
class PersonCache
{
public:
    PersonCache(files::ProgramFolders folders, const Endpoint& endpoint, BatchFetcher& fetcher);

    std::filesystem::path personFile(std::int32_t personId) const;

    // The birth years of the people; repeats and identifiers below 1 are passed over. Those
    // in the cache come from there; the others are asked of TMDb side by side, and each year
    // that arrives is kept, even when the lookup is cancelled later. Without a key of the
    // user's nobody is asked: the others count as failed.
    BirthYears birthYears(const std::vector<std::int32_t>& people,
                          const BirthYearProgress& progress = {});

private:
    std::optional<int> cachedYear(std::int32_t personId) const;
    void keepYear(std::int32_t personId, int year) const;

    files::ProgramFolders m_folders;
    const Endpoint& m_endpoint;
    BatchFetcher& m_fetcher;
};

} // namespace ravello::tmdb
