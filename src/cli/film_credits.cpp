// SPDX-License-Identifier: MIT
#include "cli/film_credits.h"

#include <charconv>
#include <iostream>

#include "cli/fetch_failure_text.h"
#include "core/settings/settings_file.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/film_cache.h"

namespace ravello::cli {

std::optional<std::int32_t> parseIdentifier(std::string_view text)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end || value <= 0)
        return std::nullopt;
    return value;
}

std::optional<FilmCredits> openFilmCredits(const CliContext& context, std::int32_t filmId)
{
    const auto settings = settings::loadSettings(context.folders.settingsFile());
    const auto endpoint = tmdb::Endpoint::fromSettings(settings);
    tmdb::Fetcher fetcher;
    tmdb::FilmCache cache(context.folders, endpoint, fetcher);
    // No poster address: the documents need no cover, and a cached one is simply left alone.
    tmdb::FilmOpening opening = cache.open(filmId, "");
    bool failed = false;
    for (const tmdb::OpeningFailure& failure : opening.failures) {
        const bool kept = failure.fetch.problem != tmdb::FetchProblem::File;
        context.err << "ravello-cli: " << (kept ? "" : "warning: ")
                    << openingFailureText(filmId, failure) << '\n';
        failed = failed || kept;
    }
    if (failed || !opening.credits)
        return std::nullopt;
    return FilmCredits{opening.dataPage.title.value_or(""), std::move(*opening.credits)};
}

} // namespace ravello::cli
