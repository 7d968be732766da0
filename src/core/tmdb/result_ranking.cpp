// SPDX-License-Identifier: MIT
#include "core/tmdb/result_ranking.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <numeric>

namespace ravello::tmdb {
namespace {

// The base letters of Windows-1252's letters C0-FF; '*' marks those spelled with two letters
// (in kSpelledLetters), ' ' the signs among them (multiplication and division).
constexpr std::string_view kAccentedLetters = "aaaaaa*ceeeeiiii"
                                              "dnooooo ouuuuy**"
                                              "aaaaaa*ceeeeiiii"
                                              "dnooooo ouuuuy*y";
constexpr std::size_t kFirstAccented = 0xC0;

struct SpelledLetter
{
    unsigned char byte;
    std::string_view letters;
};
// The letters Windows-1252 keeps in 80-9F, and the ligatures and thorns of C0-FF.
constexpr std::array<SpelledLetter, 12> kSpelledLetters = {{
    {0x8A, "s"},
    {0x8C, "oe"},
    {0x8E, "z"},
    {0x9A, "s"},
    {0x9C, "oe"},
    {0x9E, "z"},
    {0x9F, "y"},
    {0xC6, "ae"},
    {0xDE, "th"},
    {0xDF, "ss"},
    {0xE6, "ae"},
    {0xFE, "th"},
}};

// Articles that may open a title in English, French, Italian, German and Spanish; "l" is the
// elided article of L'Atalante.
constexpr std::array<std::string_view, 17> kArticles = {
    "the", "a", "an",  "le",  "la",  "les", "l",   "il",  "lo",
    "gli", "i", "der", "die", "das", "el",  "los", "las",
};

// The letters each byte compares as; empty for the bytes that separate words.
using FoldTable = std::array<std::string_view, 256>;

constexpr FoldTable makeFoldTable()
{
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz";
    constexpr std::string_view kDigits = "0123456789";
    FoldTable table{};
    for (std::size_t letter = 0; letter < kLetters.size(); ++letter) {
        table['a' + letter] = kLetters.substr(letter, 1);
        table['A' + letter] = kLetters.substr(letter, 1);
    }
    for (std::size_t digit = 0; digit < kDigits.size(); ++digit)
        table['0' + digit] = kDigits.substr(digit, 1);
    for (std::size_t at = 0; at < kAccentedLetters.size(); ++at) {
        if (kAccentedLetters[at] != '*' && kAccentedLetters[at] != ' ')
            table[kFirstAccented + at] = kAccentedLetters.substr(at, 1);
    }
    for (const SpelledLetter& spelled : kSpelledLetters)
        table[spelled.byte] = spelled.letters;
    return table;
}

constexpr FoldTable kFolded = makeFoldTable();

std::string withoutLeadingArticle(std::string words)
{
    const std::size_t firstSpace = words.find(' ');
    if (firstSpace == std::string::npos)
        return words;
    const std::string_view first = std::string_view(words).substr(0, firstSpace);
    if (std::find(kArticles.begin(), kArticles.end(), first) != kArticles.end())
        words.erase(0, firstSpace + 1);
    return words;
}

struct Standing
{
    bool sameTitle;
    int yearDistance;
};

Standing standingOf(const FoundFilm& film, const std::vector<std::string>& wantedTitles,
                    int wantedYear)
{
    Standing standing{false, 0};
    for (const std::string* candidate : {&film.title, &film.originalTitle}) {
        const std::string title = comparableTitle(*candidate);
        if (!title.empty() &&
            std::find(wantedTitles.begin(), wantedTitles.end(), title) != wantedTitles.end())
            standing.sameTitle = true;
    }
    if (wantedYear != 0)
        standing.yearDistance =
            film.year == 0 ? std::numeric_limits<int>::max() : std::abs(film.year - wantedYear);
    return standing;
}

std::vector<std::string> comparableTitlesOf(const WantedFilm& wanted)
{
    std::vector<std::string> titles;
    for (const std::string* title : {&wanted.title, &wanted.originalTitle}) {
        if (std::string comparable = comparableTitle(*title); !comparable.empty())
            titles.push_back(std::move(comparable));
    }
    return titles;
}

} // namespace

std::string comparableTitle(std::string_view windows1252Title)
{
    std::string words;
    bool wordEnded = false;
    for (const char byte : windows1252Title) {
        const std::string_view letters = kFolded[static_cast<unsigned char>(byte)];
        if (letters.empty()) {
            wordEnded = !words.empty();
            continue;
        }
        if (wordEnded)
            words += ' ';
        words += letters;
        wordEnded = false;
    }
    return withoutLeadingArticle(std::move(words));
}

std::vector<FoundFilm> rankFoundFilms(std::vector<FoundFilm> films, const WantedFilm& wanted)
{
    const std::vector<std::string> wantedTitles = comparableTitlesOf(wanted);
    std::vector<Standing> standings;
    standings.reserve(films.size());
    for (const FoundFilm& film : films)
        standings.push_back(standingOf(film, wantedTitles, wanted.year));

    // A stable sort of the positions keeps TMDb's order among films that stand equal.
    std::vector<std::size_t> order(films.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t left, std::size_t right) {
        const Standing& a = standings[left];
        const Standing& b = standings[right];
        if (a.sameTitle != b.sameTitle)
            return a.sameTitle;
        return a.yearDistance < b.yearDistance;
    });
    std::vector<FoundFilm> ranked;
    ranked.reserve(films.size());
    for (const std::size_t position : order)
        ranked.push_back(std::move(films[position]));
    return ranked;
}

bool hasWantedTitle(const FoundFilm& film, const WantedFilm& wanted)
{
    return standingOf(film, comparableTitlesOf(wanted), 0).sameTitle;
}

} // namespace ravello::tmdb
