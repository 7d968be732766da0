// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ravello::platform {

// The value of an environment variable, as UTF-8; empty when it is unset. Only the program's entry
// points ask: the core takes what they read as parameters.
std::string environmentVariable(const char* name);

} // namespace ravello::platform
