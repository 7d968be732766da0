// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace ravello::text {

// Appends the Windows-1252 text folded for comparing names without case and accents: letters
// in lower case and without their marks (E acute gives e, the AE ligature ae, sharp s ss,
// S caron s); every other byte as it is.
void appendFolded(std::string& out, std::string_view text);

} // namespace ravello::text
