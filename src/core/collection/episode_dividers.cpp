// SPDX-License-Identifier: MIT
#include "core/collection/episode_dividers.h"

namespace ravello::collection {
namespace {

constexpr std::string_view kDivider = "<Divider ";
constexpr std::string_view kEpisodeType = " Type=\"Episode\"";
constexpr std::string_view kCaption = " Caption=\"";

// The caption of an episode divider line; nothing for any other line.
std::optional<std::string_view> episodeCaption(std::string_view line)
{
    const std::size_t divider = line.find(kDivider);
    if (divider == std::string_view::npos)
        return std::nullopt;
    line.remove_prefix(divider + kDivider.size() - 1);
    const std::size_t caption = line.find(kCaption);
    if (line.find(kEpisodeType) == std::string_view::npos || caption == std::string_view::npos)
        return std::nullopt;
    line.remove_prefix(caption + kCaption.size());
    const std::size_t close = line.find('"');
    if (close == std::string_view::npos)
        return std::nullopt;
    return line.substr(0, close);
}

} // namespace

std::vector<EpisodeCode> episodeDividerCodes(std::span<const std::string_view> lines)
{
    std::vector<EpisodeCode> codes;
    for (const std::string_view line : lines) {
        const std::optional<std::string_view> caption = episodeCaption(line);
        if (!caption)
            continue;
        if (const std::optional<EpisodeCode> code = readEpisodeCode(*caption))
            codes.push_back(*code);
    }
    putInEpisodeOrder(codes);
    return codes;
}

} // namespace ravello::collection
