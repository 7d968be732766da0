// SPDX-License-Identifier: MIT
#include "core/tmdb/person_cache.h"

#include <charconv>
#include <string>
#include <system_error>
#include <unordered_set>

#include "core/files/atomic_file.h"
#include "core/files/whole_file.h"
#include "core/tmdb/json_document.h"
#include "core/tmdb/tmdb_number.h"

namespace ravello::tmdb {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kYearDigits = 4;

// A year written by keepYear: one to four digits and a line end. Anything else is not trusted
// and the person is asked again.
std::optional<int> yearOfFile(std::string_view bytes)
{
    if (bytes.size() < 2 || bytes.size() > kYearDigits + 1 || bytes.back() != '\n')
        return std::nullopt;
    int year = 0;
    const char* end = bytes.data() + bytes.size() - 1;
    const auto [stop, error] = std::from_chars(bytes.data(), end, year);
    if (error != std::errc() || stop != end || bytes.front() == '-')
        return std::nullopt;
    return year;
}

// The year of a person document; nothing when the answer is none (an error document, say).
std::optional<int> yearOfAnswer(std::string_view body)
{
    const auto document = json::parse(body);
    if (!document || json::integerOf(*document, "id") <= 0)
        return std::nullopt;
    return birthYearOf(json::textOf(*document, "birthday").value_or(""));
}

} // namespace

std::vector<int> BirthYears::yearsOf(const std::vector<std::int32_t>& people) const
{
    std::vector<int> result;
    result.reserve(people.size());
    for (const std::int32_t person : people) {
        const auto found = years.find(person);
        result.push_back(found == years.end() ? 0 : found->second);
    }
    return result;
}

int birthYearOf(std::string_view birthday)
{
    const std::string_view year = birthday.substr(0, kYearDigits);
    if (year.size() != kYearDigits || (birthday.size() > kYearDigits && birthday[4] != '-'))
        return 0;
    int value = 0;
    const auto [stop, error] = std::from_chars(year.data(), year.data() + year.size(), value);
    return error == std::errc() && stop == year.data() + year.size() && value > 0 ? value : 0;
}

PersonCache::PersonCache(files::ProgramFolders folders, const Endpoint& endpoint,
                         BatchFetcher& fetcher)
    : m_folders(std::move(folders)), m_endpoint(endpoint), m_fetcher(fetcher)
{}

fs::path PersonCache::personFile(std::int32_t personId) const
{
    return m_folders.peopleFolder() / bucketName(personId) / (sevenDigits(personId) + ".txt");
}

BirthYears PersonCache::birthYears(const std::vector<std::int32_t>& people,
                                   const BirthYearProgress& progress)
{
    BirthYears result;
    std::vector<std::int32_t> unknown;
    std::unordered_set<std::int32_t> seen;
    for (const std::int32_t person : people) {
        if (person < 1 || !seen.insert(person).second)
            continue;
        if (const auto year = cachedYear(person))
            result.years[person] = *year;
        else
            unknown.push_back(person);
    }
    // Nothing is sent without a key of the user's: the people not in the cache have no year.
    if (!m_endpoint.hasUsableKey()) {
        for (const std::int32_t person : unknown)
            result.years[person] = 0;
        result.failed = unknown.size();
        return result;
    }
    std::vector<Request> requests;
    requests.reserve(unknown.size());
    for (const std::int32_t person : unknown)
        requests.push_back(m_endpoint.personRequest(person));
    const std::size_t total = seen.size();
    std::size_t done = total - unknown.size();
    const auto answer = [&](std::size_t index, FetchResult fetched) {
        const std::int32_t person = unknown[index];
        const auto year = fetched.ok() ? yearOfAnswer(fetched.body) : std::nullopt;
        result.years[person] = year.value_or(0);
        if (year)
            keepYear(person, *year);
        else
            ++result.failed;
        ++done;
    };
    const auto goOn = [&] { return !progress || progress(done, total); };
    result.cancelled = !m_fetcher.fetchJson(requests, answer, goOn);
    return result;
}

std::optional<int> PersonCache::cachedYear(std::int32_t personId) const
{
    const auto bytes = files::readWholeFile(personFile(personId));
    return bytes ? yearOfFile(*bytes) : std::nullopt;
}

// A year that cannot be kept is still used; the person is asked again next time.
void PersonCache::keepYear(std::int32_t personId, int year) const
{
    const fs::path file = personFile(personId);
    std::error_code ignored;
    fs::create_directories(file.parent_path(), ignored);
    files::writeFileAtomically(file, std::to_string(year) + "\n");
}

} // namespace ravello::tmdb
