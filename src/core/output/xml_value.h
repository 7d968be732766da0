// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Values for the cast and crew documents that DVD Profiler pastes.
namespace ravello::output {

// A retrieved text made fit for an XML attribute or element of the documents: normalised on
// its own, control characters turned into spaces (they would break the document's lines or
// make it ill-formed), then '&', '<', '>' and '"' written as entities. A plain text comes out
// as the normaliser leaves it.
std::string xmlValue(std::string_view text);

} // namespace ravello::output
