// SPDX-License-Identifier: MIT
#include "core/files/path_text.h"

#include "core/platform/native_text.h"

namespace ravello::files {

std::filesystem::path pathFromUtf8(std::string_view text)
{
    return std::filesystem::path(platform::nativeFromUtf8(text));
}

std::string utf8FromPath(const std::filesystem::path& path)
{
    return platform::utf8FromNative(path.native());
}

} // namespace ravello::files
