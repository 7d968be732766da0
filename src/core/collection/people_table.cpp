// SPDX-License-Identifier: MIT
#include "core/collection/people_table.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "core/collection/line_reader.h"
#include "core/text/text_folding.h"

namespace ravello::collection {
namespace {

constexpr char kSeparator = '\t';
constexpr std::size_t kFields = 4;
constexpr std::size_t kMaxYearDigits = 4;

void appendPart(std::string& out, std::string_view part)
{
    const std::size_t from = out.size();
    out += part;
    std::replace_if(
        out.begin() + static_cast<std::ptrdiff_t>(from), out.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
}

std::string keyOf(const KnownPerson& person)
{
    std::string name = person.first;
    name += ' ';
    name += person.middle;
    name += ' ';
    name += person.last;
    return peopleKey(name);
}

} // namespace

std::optional<int> readBirthYear(std::string_view digits)
{
    int year = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, year);
    if (digits.empty() || digits.size() > kMaxYearDigits || digits.front() == '-' ||
        error != std::errc() || stop != end)
        return std::nullopt;
    return year;
}

void appendPeopleLine(std::string& out, std::string_view first, std::string_view middle,
                      std::string_view last, int birthYear)
{
    appendPart(out, first);
    out += kSeparator;
    appendPart(out, middle);
    out += kSeparator;
    appendPart(out, last);
    out += kSeparator;
    out += std::to_string(birthYear);
    out += "\r\n";
}

std::optional<KnownPerson> readPeopleLine(std::string_view line)
{
    if (line.ends_with('\n'))
        line.remove_suffix(1);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    std::string_view fields[kFields];
    for (std::size_t field = 0; field + 1 < kFields; ++field) {
        const std::size_t separator = line.find(kSeparator);
        if (separator == std::string_view::npos)
            return std::nullopt;
        fields[field] = line.substr(0, separator);
        line.remove_prefix(separator + 1);
    }
    const std::optional<int> year = readBirthYear(line);
    if (!year)
        return std::nullopt;
    return KnownPerson{std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                       *year};
}

std::string peopleKey(std::string_view name)
{
    std::string key;
    key.reserve(name.size());
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t end = std::min(name.find(' ', at), name.size());
        if (end > at) {
            if (!key.empty())
                key += ' ';
            text::appendFolded(key, name.substr(at, end - at));
        }
        at = end + 1;
    }
    return key;
}

PeopleTable::PeopleTable(std::vector<KnownPerson> people)
{
    // Sorting by key and then by place keeps each group in table order.
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(people.size());
    for (std::size_t index = 0; index < people.size(); ++index)
        keys.emplace_back(keyOf(people[index]), index);
    std::sort(keys.begin(), keys.end());
    m_people.reserve(people.size());
    for (const auto& [key, index] : keys)
        m_people.push_back(std::move(people[index]));
}

PeopleTable PeopleTable::load(const std::filesystem::path& file)
{
    LineReader lines(file);
    std::vector<KnownPerson> people;
    std::string_view line;
    while (lines.next(line)) {
        if (std::optional<KnownPerson> person = readPeopleLine(line))
            people.push_back(std::move(*person));
    }
    return PeopleTable(std::move(people));
}

std::span<const KnownPerson> PeopleTable::find(std::string_view name) const
{
    const std::string key = peopleKey(name);
    if (key.empty())
        return {};
    const auto begin = std::lower_bound(m_people.begin(), m_people.end(), key,
                                        [](const KnownPerson& person, const std::string& wanted) {
                                            return keyOf(person) < wanted;
                                        });
    auto end = begin;
    while (end != m_people.end() && keyOf(*end) == key)
        ++end;
    return {begin, end};
}

} // namespace ravello::collection
