// SPDX-License-Identifier: MIT
#include "core/platform/environment.h"

#include <cstdlib>

namespace ravello::platform {

std::string environmentVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace ravello::platform
