// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Text in the form the system names files, reads its command line and its environment in:
// UTF-16 on Windows, bytes elsewhere. The program's own texts for the system are UTF-8.
namespace ravello::platform {

using NativeText = std::filesystem::path::string_type;

// On Windows the system's own conversion (MultiByteToWideChar) reads the text as UTF-8, never
// in the ANSI code page, and a malformed byte becomes U+FFFD; elsewhere the bytes pass as
// they are.
NativeText nativeFromUtf8(std::string_view utf8);

// On Windows WideCharToMultiByte writes UTF-8, a lone surrogate becoming U+FFFD; elsewhere
// the bytes pass as they are.
std::string utf8FromNative(const NativeText& native);

} // namespace ravello::platform
