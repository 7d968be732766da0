// SPDX-License-Identifier: MIT
#include "core/collection/episode_code.h"

#include <algorithm>

namespace ravello::collection {
namespace {

constexpr std::size_t kMostDigits = 4;
constexpr int kTwoDigits = 10;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The number of one to four digits at the front of `text`, which moves past them.
std::optional<int> leadingNumber(std::string_view& text)
{
    int number = 0;
    std::size_t digits = 0;
    while (digits < text.size() && isDigit(text[digits])) {
        if (++digits > kMostDigits)
            return std::nullopt;
        number = number * 10 + (text[digits - 1] - '0');
    }
    if (digits == 0)
        return std::nullopt;
    text.remove_prefix(digits);
    return number;
}

} // namespace

std::string episodeCodeText(EpisodeCode code)
{
    std::string text = std::to_string(code.season);
    text += '.';
    if (code.episode >= 0 && code.episode < kTwoDigits)
        text += '0';
    text += std::to_string(code.episode);
    return text;
}

std::optional<EpisodeCode> readEpisodeCode(std::string_view caption)
{
    while (!caption.empty() && (caption.front() == ' ' || caption.front() == '\t'))
        caption.remove_prefix(1);
    const auto season = leadingNumber(caption);
    if (!season || caption.empty() || caption.front() != '.')
        return std::nullopt;
    caption.remove_prefix(1);
    const auto episode = leadingNumber(caption);
    if (!episode || *episode == 0)
        return std::nullopt;
    if (!caption.empty() && (isLetter(caption.front()) || caption.front() == '.'))
        return std::nullopt;
    return EpisodeCode{*season, *episode};
}

void putInEpisodeOrder(std::vector<EpisodeCode>& codes)
{
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
}

} // namespace ravello::collection
