// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravello::tmdb {

// For a film's details or a TV season with an empty overview and their translations appended
// ("translations": {"translations": [...]}), the overview of the English translation
// (iso_639_1 "en"), the American one first, else the first English one that has an overview;
// empty when none has. Nothing when the document has an overview of its own (or none at all),
// names nothing of TMDb's, or carries no translations.
std::optional<std::string> englishOverviewOf(std::string_view document);

// For a details document with an empty overview and its translations appended, the English
// details they give, as the document {"id":N,"overview":"..."} with the overview
// englishOverviewOf gives; nothing when it gives none.
std::optional<std::string> englishDetailsOf(std::string_view details);

} // namespace ravello::tmdb
