// SPDX-License-Identifier: MIT
#include "core/platform/user_folders.h"

#include <cstdlib>
#include <system_error>

namespace ravello::platform {
namespace fs = std::filesystem;

#ifdef _WIN32

namespace {
fs::path environmentFolder(const wchar_t* name)
{
    const wchar_t* value = _wgetenv(name);
    return value ? fs::path(value) : fs::path();
}
} // namespace

fs::path userDataFolder()
{
    return environmentFolder(L"APPDATA");
}

fs::path dvdProfilerDriveC()
{
    return fs::path(L"c:\\");
}

fs::path dvdProfilerDocumentsFolder()
{
    const fs::path profile = environmentFolder(L"USERPROFILE");
    return profile.empty() ? fs::path() : profile / L"Documents";
}

#else

namespace {
fs::path environmentFolder(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
}

fs::path homeFolder()
{
    return environmentFolder("HOME");
}

fs::path winePrefix()
{
    const fs::path prefix = environmentFolder("WINEPREFIX");
    if (!prefix.empty())
        return prefix;
    const fs::path home = homeFolder();
    return home.empty() ? fs::path() : home / ".wine";
}
} // namespace

fs::path userDataFolder()
{
    const fs::path xdg = environmentFolder("XDG_DATA_HOME");
    if (!xdg.empty())
        return xdg;
    const fs::path home = homeFolder();
    return home.empty() ? fs::path() : home / ".local" / "share";
}

fs::path dvdProfilerDriveC()
{
    const fs::path prefix = winePrefix();
    return prefix.empty() ? fs::path("/") : prefix / "drive_c";
}

fs::path dvdProfilerDocumentsFolder()
{
    const char* user = std::getenv("USER");
    if (user && *user) {
        const fs::path wineDocuments = dvdProfilerDriveC() / "users" / user / "Documents";
        std::error_code error;
        if (fs::is_directory(wineDocuments, error))
            return wineDocuments;
    }
    const fs::path home = homeFolder();
    return home.empty() ? fs::path() : home / "Documents";
}

#endif

} // namespace ravello::platform
