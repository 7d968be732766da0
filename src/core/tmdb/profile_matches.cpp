// SPDX-License-Identifier: MIT
#include "core/tmdb/profile_matches.h"

#include <array>
#include <charconv>
#include <utility>

#include "core/files/atomic_file.h"
#include "core/files/versioned_lines.h"
#include "core/tmdb/cache_files.h"

namespace ravello::tmdb {
namespace {

constexpr std::string_view kVersionLine = "RavelloProfileMatches\t1";
constexpr char kSeparator = '\t';
constexpr std::size_t kFields = 12;

// A text as a field holds it: a tab or a line end inside it would cut the line.
std::string fieldText(std::string_view text)
{
    std::string field(text);
    for (char& c : field) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    return field;
}

// The profile's key: the collection's profile ID, or its number when it has none.
std::string keyOf(const PrefetchProfile& profile)
{
    return profile.profileId.empty() ? "#" + std::to_string(profile.number)
                                     : fieldText(profile.profileId);
}

std::optional<int> numberOf(std::string_view digits)
{
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end || value < 0)
        return std::nullopt;
    return value;
}

// Splits the line into exactly kFields fields; nothing when it has another count.
std::optional<std::array<std::string_view, kFields>> fieldsOf(std::string_view line)
{
    std::array<std::string_view, kFields> fields;
    for (std::size_t field = 0; field < kFields; ++field) {
        const std::size_t separator = line.find(kSeparator);
        const bool last = field + 1 == kFields;
        if ((separator == std::string_view::npos) != last)
            return std::nullopt;
        fields[field] = line.substr(0, separator);
        if (!last)
            line.remove_prefix(separator + 1);
    }
    return fields;
}

// The entry of a line, with its key; nothing for a line that is not one, or whose result line
// names another film than its TMDb ID.
std::optional<std::pair<std::string, ProfileMatches::Entry>> readLine(std::string_view line)
{
    const auto fields = fieldsOf(line);
    if (!fields || (*fields)[0].empty() || ((*fields)[2] != "F" && (*fields)[2] != "S"))
        return std::nullopt;
    const auto number = numberOf((*fields)[1]);
    const auto season = numberOf((*fields)[3]);
    const auto year = numberOf((*fields)[4]);
    const auto tmdbId = numberOf((*fields)[7]);
    const auto foundYear = numberOf((*fields)[8]);
    if (!number || !season || !year || !tmdbId || !foundYear || *tmdbId == 0 ||
        readResultLine((*fields)[11]).filmId != *tmdbId)
        return std::nullopt;
    ProfileMatches::Entry entry;
    entry.number = *number;
    entry.kind = (*fields)[2] == "S" ? MatchKind::Series : MatchKind::Film;
    entry.season = *season;
    entry.wanted = {std::string((*fields)[5]), std::string((*fields)[6]), *year};
    entry.tmdbId = *tmdbId;
    entry.found = {std::string((*fields)[11]), std::string((*fields)[9]),
                   std::string((*fields)[10]), *foundYear};
    return std::pair{std::string((*fields)[0]), std::move(entry)};
}

void appendLine(std::string& out, const std::string& key, const ProfileMatches::Entry& entry)
{
    const std::string fields[kFields] = {
        key,
        std::to_string(entry.number),
        entry.kind == MatchKind::Series ? "S" : "F",
        std::to_string(entry.season),
        std::to_string(entry.wanted.year),
        fieldText(entry.wanted.title),
        fieldText(entry.wanted.originalTitle),
        std::to_string(entry.tmdbId),
        std::to_string(entry.found.year),
        fieldText(entry.found.title),
        fieldText(entry.found.originalTitle),
        fieldText(entry.found.line),
    };
    for (std::size_t field = 0; field < kFields; ++field) {
        out += fields[field];
        out += field + 1 < kFields ? kSeparator : '\r';
    }
    out += '\n';
}

std::map<std::string, ProfileMatches::Entry> entriesOf(const std::filesystem::path& file)
{
    std::map<std::string, ProfileMatches::Entry> entries;
    files::readVersionedLines(file, kVersionLine, [&entries](std::string_view line) {
        if (auto entry = readLine(line))
            entries.insert_or_assign(std::move(entry->first), std::move(entry->second));
    });
    return entries;
}

// The profile as a line keeps it, so that a profile is compared with what was written.
ProfileMatches::Entry entryOf(const PrefetchProfile& profile, const FoundFilm& match)
{
    return {profile.number,
            profile.kind,
            profile.season,
            {fieldText(profile.wanted.title), fieldText(profile.wanted.originalTitle),
             profile.wanted.year},
            readResultLine(match.line).filmId,
            {fieldText(match.line), fieldText(match.title), fieldText(match.originalTitle),
             match.year}};
}

} // namespace

ProfileMatches::ProfileMatches(std::filesystem::path file) : m_file(std::move(file)) {}

ProfileMatches ProfileMatches::load(std::filesystem::path file)
{
    ProfileMatches matches(std::move(file));
    matches.m_entries = entriesOf(matches.m_file);
    return matches;
}

std::optional<FoundFilm> ProfileMatches::certainMatch(const PrefetchProfile& profile) const
{
    const auto kept = m_entries.find(keyOf(profile));
    if (kept == m_entries.end())
        return std::nullopt;
    const Entry& entry = kept->second;
    const Entry now = entryOf(profile, entry.found);
    if (entry.kind != now.kind || entry.season != now.season ||
        entry.wanted.title != now.wanted.title ||
        entry.wanted.originalTitle != now.wanted.originalTitle ||
        entry.wanted.year != now.wanted.year)
        return std::nullopt;
    return entry.found;
}

void ProfileMatches::remember(const PrefetchProfile& profile, const FoundFilm& match)
{
    Entry entry = entryOf(profile, match);
    if (entry.tmdbId == 0)
        return;
    const std::string key = keyOf(profile);
    m_changes.insert_or_assign(key, entry);
    m_entries.insert_or_assign(key, std::move(entry));
}

void ProfileMatches::forget(const PrefetchProfile& profile)
{
    const std::string key = keyOf(profile);
    if (m_entries.erase(key) > 0 || m_changes.count(key) > 0)
        m_changes.insert_or_assign(key, std::nullopt);
}

bool ProfileMatches::save() const
{
    if (m_changes.empty())
        return true;
    std::map<std::string, Entry> entries = entriesOf(m_file);
    for (const auto& [key, change] : m_changes) {
        if (change)
            entries.insert_or_assign(key, *change);
        else
            entries.erase(key);
    }
    std::string bytes(kVersionLine);
    bytes += "\r\n";
    for (const auto& [key, entry] : entries)
        appendLine(bytes, key, entry);
    return files::writeFileAtomically(withFolder(m_file), bytes);
}

} // namespace ravello::tmdb
