// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "core/collection/episode_code.h"

namespace ravello::collection {

// The episodes a profile's cast and crew are divided into, from the lines of its <Actors> and
// <Credits> sections as the export holds them, one element a line: the codes of the captions
// of its episode dividers (<Divider Caption="3.05 Anatomy of a Murder" Type="Episode"/>), in
// episode order, each once, since the cast and the crew list the same episodes. Other lines,
// other dividers (groups, their ends) and captions without a season.episode code give none.
std::vector<EpisodeCode> episodeDividerCodes(std::span<const std::string_view> lines);

} // namespace ravello::collection
