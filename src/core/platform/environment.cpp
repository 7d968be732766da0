// SPDX-License-Identifier: MIT
#include "core/platform/environment.h"

#include <cstdlib>

#include "core/platform/native_text.h"

namespace ravello::platform {

std::string environmentVariable(const char* name)
{
#ifdef _WIN32
    // getenv would give the value in the ANSI code page.
    const wchar_t* value = _wgetenv(nativeFromUtf8(name).c_str());
    return value ? utf8FromNative(value) : "";
#else
    const char* value = std::getenv(name);
    return value ? value : "";
#endif
}

} // namespace ravello::platform
