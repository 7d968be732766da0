// SPDX-License-Identifier: MIT
#include "core/platform/native_text.h"

#ifdef _WIN32
#include <climits>
#include <windows.h>
#endif

namespace ravello::platform {

#ifdef _WIN32

NativeText nativeFromUtf8(std::string_view utf8)
{
    // The system's calls count in int: a longer text is no name of anything.
    if (utf8.empty() || utf8.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    NativeText wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
    return wide;
}

std::string utf8FromNative(const NativeText& native)
{
    if (native.empty() || native.size() > INT_MAX / 3)
        return {};
    const int length = static_cast<int>(native.size());
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, native.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, native.data(), length, utf8.data(), utf8Length, nullptr,
                        nullptr);
    return utf8;
}

#else

NativeText nativeFromUtf8(std::string_view utf8)
{
    return NativeText(utf8);
}

std::string utf8FromNative(const NativeText& native)
{
    return native;
}

#endif

} // namespace ravello::platform
