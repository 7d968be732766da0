// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

// The one place that knows which operating system the program runs on.
namespace ravello::platform {

// The per-user application data folder: %APPDATA% on Windows, $XDG_DATA_HOME (by default
// ~/.local/share) elsewhere. Empty when the environment names none.
std::filesystem::path userDataFolder();

// The folder DVD Profiler calls "c:\". On Windows that is the drive itself; elsewhere
// DVD Profiler runs under Wine, whose drive C is the prefix's drive_c ($WINEPREFIX, by
// default ~/.wine).
std::filesystem::path dvdProfilerDriveC();

// The user's documents folder as DVD Profiler sees it: on Windows the user's Documents; under
// Wine the prefix's Documents folder of the user when it exists, else the user's own.
std::filesystem::path dvdProfilerDocumentsFolder();

} // namespace ravello::platform
