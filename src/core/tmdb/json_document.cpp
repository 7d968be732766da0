// SPDX-License-Identifier: MIT
#include "core/tmdb/json_document.h"

#include <cmath>
#include <limits>

namespace ravello::tmdb::json {

std::optional<Document> parse(std::string_view text)
{
    Document document = Document::parse(text, nullptr, false);
    if (document.is_discarded())
        return std::nullopt;
    return document;
}

bool isFilmDocument(const Document& document)
{
    return document.is_object() && document.contains("id") && document["id"].is_number();
}

bool isShowDocument(const Document& document)
{
    return isFilmDocument(document) && arrayOf(document, "seasons") != nullptr;
}

bool isSeasonDocument(const Document& document)
{
    return isFilmDocument(document) && arrayOf(document, "episodes") != nullptr;
}

std::optional<std::string> textOf(const Document& object, const char* key,
                                  std::string_view nullText)
{
    if (!object.is_object())
        return std::nullopt;
    const auto value = object.find(key);
    if (value == object.end())
        return std::nullopt;
    if (value->is_string())
        return value->get<std::string>();
    if (value->is_null())
        return std::string(nullText);
    if (value->is_number_float())
        return std::to_string(static_cast<long long>(value->get<double>()));
    return value->dump();
}

std::int32_t integerOf(const Document& object, const char* key)
{
    if (!object.is_object())
        return 0;
    const auto value = object.find(key);
    if (value == object.end() || !value->is_number())
        return 0;
    const double number = value->get<double>();
    if (!std::isfinite(number) || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(number);
}

const Document* arrayOf(const Document& object, const char* key)
{
    if (!object.is_object())
        return nullptr;
    const auto value = object.find(key);
    return value != object.end() && value->is_array() ? &*value : nullptr;
}

} // namespace ravello::tmdb::json
