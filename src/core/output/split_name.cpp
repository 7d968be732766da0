// SPDX-License-Identifier: MIT
#include "core/output/split_name.h"

#include <algorithm>
#include <span>
#include <vector>

namespace ravello::output {
namespace {

// The words that open a last name when they stand after the first word ("Robert De Niro").
constexpr std::string_view kParticles[] = {
    "de", "van", "von", "der", "den", "di",  "da", "del", "della", "dos",   "das", "du", "le",
    "la", "el",  "St.", "ter", "ten", "bin", "al", "mac", "dalla", "degli", "lo",  "y",
};

// The words that close a last name and are never one on their own ("Sammy Davis Jr.").
constexpr std::string_view kSuffixes[] = {"Jr.", "Jr", "Sr.", "Sr", "II", "III", "IV", "V"};

// A stage name such as "Cedric The Entertainer" is one first name.
constexpr std::string_view kThe = "The";

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool sameWord(std::string_view word, std::string_view wanted)
{
    return word.size() == wanted.size() &&
           std::equal(word.begin(), word.end(), wanted.begin(),
                      [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

bool isAmong(std::string_view word, std::span<const std::string_view> words)
{
    return std::any_of(words.begin(), words.end(),
                       [&](std::string_view wanted) { return sameWord(word, wanted); });
}

std::vector<std::string_view> wordsOf(std::string_view name)
{
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t end = std::min(name.find(' ', at), name.size());
        if (end > at)
            words.push_back(name.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

std::string joined(std::span<const std::string_view> words)
{
    std::string text;
    for (std::string_view word : words) {
        if (!text.empty())
            text += ' ';
        text += word;
    }
    return text;
}

// Where the last name begins among `words` (three or more of them, the first word excluded).
std::size_t lastNameStart(std::span<const std::string_view> words)
{
    std::size_t end = words.size();
    // A suffix after at least two words is no last name of its own: the word before it is.
    if (end > 2 && isAmong(words.back(), kSuffixes))
        --end;
    const auto particle = std::find_if(words.begin() + 1, words.begin() + end - 1,
                                       [](std::string_view w) { return isAmong(w, kParticles); });
    return static_cast<std::size_t>(particle - words.begin());
}

} // namespace

PersonName splitName(std::string_view name)
{
    const std::vector<std::string_view> words = wordsOf(name);
    if (words.empty())
        return {};
    const std::span<const std::string_view> all(words);
    const bool stageName = std::any_of(all.begin() + 1, all.end(),
                                       [](std::string_view w) { return sameWord(w, kThe); });
    if (words.size() == 1 || stageName)
        return {joined(all), "", ""};
    const std::size_t last = lastNameStart(all);
    return {std::string(words.front()), joined(all.subspan(1, last - 1)),
            joined(all.subspan(last))};
}

} // namespace ravello::output
