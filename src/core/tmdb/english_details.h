// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravello::tmdb {

// For a details document with an empty overview and its translations appended, the English
// details they give, as the document {"id":N,"overview":"..."}: the overview of the English
// translation (iso_639_1 "en"), the American one first, else the first English one that has
// an overview; empty when none has. Nothing when the details have an overview of their own (or
// none at all), or carry no translations.
std::optional<std::string> englishDetailsOf(std::string_view details);

} // namespace ravello::tmdb
