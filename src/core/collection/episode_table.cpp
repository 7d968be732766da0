// SPDX-License-Identifier: MIT
#include "core/collection/episode_table.h"

#include <algorithm>
#include <utility>

#include "core/collection/line_reader.h"
#include "core/files/atomic_file.h"

namespace ravello::collection {
namespace {

constexpr char kSeparator = '\t';

// A field of digits and dots only that reads as a code: "3.05", never "3.05 Title".
std::optional<EpisodeCode> codeField(std::string_view field)
{
    const bool plain = std::all_of(field.begin(), field.end(),
                                   [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    return plain ? readEpisodeCode(field) : std::nullopt;
}

} // namespace

void appendEpisodeLine(std::string& out, std::string_view profileId,
                       std::span<const EpisodeCode> codes)
{
    if (codes.empty())
        return;
    for (const char c : profileId)
        out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    for (const EpisodeCode code : codes) {
        out += kSeparator;
        out += episodeCodeText(code);
    }
    out += "\r\n";
}

std::optional<ProfileEpisodes> readEpisodeLine(std::string_view line)
{
    if (line.ends_with('\n'))
        line.remove_suffix(1);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    std::size_t separator = line.find(kSeparator);
    if (separator == 0 || separator == std::string_view::npos)
        return std::nullopt;
    ProfileEpisodes profile{std::string(line.substr(0, separator)), {}};
    while (separator != std::string_view::npos) {
        line.remove_prefix(separator + 1);
        separator = line.find(kSeparator);
        const std::optional<EpisodeCode> code = codeField(line.substr(0, separator));
        if (!code)
            return std::nullopt;
        profile.codes.push_back(*code);
    }
    return profile;
}

EpisodeTable EpisodeTable::load(const std::filesystem::path& file)
{
    EpisodeTable table;
    LineReader lines(file);
    std::string_view line;
    while (lines.next(line)) {
        if (std::optional<ProfileEpisodes> profile = readEpisodeLine(line))
            table.set(std::move(profile->profileId), std::move(profile->codes));
    }
    return table;
}

std::span<const EpisodeCode> EpisodeTable::find(std::string_view profileId) const
{
    const auto found = m_profiles.find(profileId);
    if (found == m_profiles.end())
        return {};
    return found->second;
}

void EpisodeTable::set(std::string profileId, std::vector<EpisodeCode> codes)
{
    if (codes.empty()) {
        m_profiles.erase(profileId);
        return;
    }
    putInEpisodeOrder(codes);
    m_profiles.insert_or_assign(std::move(profileId), std::move(codes));
}

bool EpisodeTable::save(const std::filesystem::path& file) const
{
    std::string bytes;
    for (const auto& [profileId, codes] : m_profiles)
        appendEpisodeLine(bytes, profileId, codes);
    return files::writeFileAtomically(file, bytes);
}

} // namespace ravello::collection
