// SPDX-License-Identifier: MIT
#include "core/tmdb/english_details.h"

#include "core/tmdb/json_document.h"

namespace ravello::tmdb {
namespace {

// TMDb appends the translations under their own name, as their own answer:
// "translations": {"translations": [...]}.
const json::Document* translationsOf(const json::Document& details)
{
    const auto appended = details.find("translations");
    if (appended == details.end() || !appended->is_object())
        return nullptr;
    const auto list = appended->find("translations");
    return list != appended->end() && list->is_array() ? &*list : nullptr;
}

std::optional<std::string> englishTranslationOverview(const json::Document& translations)
{
    std::optional<std::string> firstEnglish;
    for (const json::Document& translation : translations) {
        if (json::textOf(translation, "iso_639_1") != "en")
            continue;
        const auto data = translation.find("data");
        auto overview = data != translation.end() ? json::textOf(*data, "overview") : std::nullopt;
        if (!overview || overview->empty())
            continue;
        if (json::textOf(translation, "iso_3166_1") == "US")
            return overview;
        if (!firstEnglish)
            firstEnglish = std::move(overview);
    }
    return firstEnglish;
}

} // namespace

std::optional<std::string> englishOverviewOf(std::string_view document)
{
    const auto parsed = json::parse(document);
    const auto ownOverview = parsed ? json::textOf(*parsed, "overview") : std::nullopt;
    if (!ownOverview || !ownOverview->empty() || !json::isFilmDocument(*parsed))
        return std::nullopt;
    const json::Document* translations = translationsOf(*parsed);
    if (!translations)
        return std::nullopt;
    return englishTranslationOverview(*translations).value_or("");
}

std::optional<std::string> englishDetailsOf(std::string_view details)
{
    const auto overview = englishOverviewOf(details);
    if (!overview)
        return std::nullopt;
    const auto document = json::parse(details);
    const json::Document english = {{"id", json::integerOf(*document, "id")},
                                    {"overview", *overview}};
    // The texts were read as valid UTF-8: nothing needs replacing, and nothing throws.
    return english.dump(-1, ' ', false, json::Document::error_handler_t::replace);
}

} // namespace ravello::tmdb
