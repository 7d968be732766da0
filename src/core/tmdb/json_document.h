// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading TMDb's answers, for the readers of the core's tmdb area only: every value is taken
// from its own object by key, so the order in which TMDb sends the keys does not matter.
namespace ravello::tmdb::json {

using Document = nlohmann::json;

// The document, or nothing when the text is not valid JSON.
std::optional<Document> parse(std::string_view text);

// A document of TMDb's own: an object that names its film. Error documents ("status_code",
// "status_message") and other answers are not.
bool isFilmDocument(const Document& document);

// A TV show's details: a document of TMDb's own with the list of its seasons.
bool isShowDocument(const Document& document);
// A season of a TV show: a document of TMDb's own with the list of its episodes.
bool isSeasonDocument(const Document& document);

// The value of `key` in `object` as text: a string decoded to UTF-8, a number in decimal, a
// boolean as true or false, a null as `nullText`; nothing when the key is missing.
std::optional<std::string> textOf(const Document& object, const char* key,
                                  std::string_view nullText = "");

// The value of `key` as a 32-bit integer; 0 when missing, null or not a number.
std::int32_t integerOf(const Document& object, const char* key);

// The value of `key` when it is an array; nothing when `object` is no object or lacks one.
const Document* arrayOf(const Document& object, const char* key);

// Each object of the array `key` of `object` read by `read`, in order; elements that are no
// objects are passed over, and a missing array gives none.
template <typename Read> auto objectsOf(const Document& object, const char* key, Read read)
{
    std::vector<decltype(read(object))> entries;
    if (const Document* array = arrayOf(object, key)) {
        for (const Document& entry : *array) {
            if (entry.is_object())
                entries.push_back(read(entry));
        }
    }
    return entries;
}

} // namespace ravello::tmdb::json
