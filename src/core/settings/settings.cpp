// SPDX-License-Identifier: MIT
#include "core/settings/settings.h"

#include "core/files/path_text.h"
#include "core/platform/user_folders.h"

namespace ravello::settings {
namespace {

// A placeholder: TMDb accepts no search with it, so the user must give a key of their own.
constexpr const char* kBuiltInTmdbKey = "3f9c1a7e5b2d48e0c6a94f1b7d3e2a58";

} // namespace

Settings defaultSettings()
{
    Settings settings;
    const auto driveC = platform::dvdProfilerDriveC();
    settings.exportFile = files::utf8FromPath(driveC / "Orvanet" / "Ravello" / "Collection.xml");
    settings.dvdProfilerFolder = files::utf8FromPath(driveC);
    return settings;
}

std::string effectiveTmdbKey(const Settings& settings)
{
    return settings.tmdbKey.empty() ? kBuiltInTmdbKey : settings.tmdbKey;
}

} // namespace ravello::settings
