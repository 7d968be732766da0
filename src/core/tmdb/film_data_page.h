// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the data page shows of a film, from its details document. Texts are Windows-1252
// (passed through the text normaliser). A field without a value leaves its box as it was, as
// when the details could not be had or the document lacks the key.
namespace ravello::tmdb {

struct FilmDataPage
{
    std::string filmId;                       // EDT_IDMDB, in decimal: always set
    std::optional<std::string> title;         // EDT_TitoloMDB
    std::optional<std::string> originalTitle; // EDT_TitoloOriMDB
    std::optional<std::string> year;          // EDT_AnnoMDB: the date's first four characters,
                                              // "null" for a null date
    std::optional<std::string> runningTime;   // EDT_DurataMDB: minutes, 0 when null
    std::optional<std::string> overview;      // EDT_SinossiMDB: the whole text as sent
    // The overview is TMDb's English one: the film has none in the chosen language.
    bool overviewInEnglish = false;

    bool operator==(const FilmDataPage&) const = default;
};

// The page of film `filmId` from its details document; a document that is not JSON fills
// only the identifier.
FilmDataPage readFilmDataPage(std::int32_t filmId, std::string_view details);

} // namespace ravello::tmdb
