// SPDX-License-Identifier: MIT
#include "core/collection/disc_title.h"

#include <array>
#include <charconv>

namespace ravello::collection {
namespace {

constexpr std::array<std::string_view, 6> kSeasonWords = {
    "season", "staffel", "saison", "temporada", "stagione", "series",
};
constexpr std::array<std::string_view, 5> kDiscWords = {"disc", "disk", "dvd", "disco", "disque"};
constexpr std::size_t kMostDigits = 4;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view text, std::string_view lowerCaseWord)
{
    if (text.size() != lowerCaseWord.size())
        return false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lowerCaseWord[at])
            return false;
    }
    return true;
}

// The number of a part such as "Season 3" whose word is one of `words`.
template <std::size_t N>
std::optional<int> numberedPart(std::string_view part, const std::array<std::string_view, N>& words)
{
    part = trimmed(part);
    const std::size_t blank = part.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view word = part.substr(0, blank);
    const std::string_view digits = trimmed(part.substr(blank));
    bool known = false;
    for (const std::string_view candidate : words)
        known = known || equalsIgnoringCase(word, candidate);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (!known || digits.empty() || digits.size() > kMostDigits || error != std::errc() ||
        end != digits.data() + digits.size() || digits.front() == '-' || digits.front() == '+')
        return std::nullopt;
    return number;
}

// Splits "A: B" at its last colon into A and B.
bool splitAtLastColon(std::string_view text, std::string_view& before, std::string_view& after)
{
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos)
        return false;
    before = text.substr(0, colon);
    after = text.substr(colon + 1);
    return true;
}

} // namespace

std::optional<DiscTitle> readDiscTitle(std::string_view title)
{
    std::string_view rest = trimmed(title);
    std::string_view part;
    if (!splitAtLastColon(rest, rest, part))
        return std::nullopt;
    DiscTitle disc;
    if (const auto number = numberedPart(part, kDiscWords)) {
        disc.disc = number;
        if (!splitAtLastColon(rest, rest, part))
            return std::nullopt;
    }
    const auto season = numberedPart(part, kSeasonWords);
    rest = trimmed(rest);
    if (!season || rest.empty())
        return std::nullopt;
    disc.show = std::string(rest);
    disc.season = *season;
    return disc;
}

} // namespace ravello::collection
