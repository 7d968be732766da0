// SPDX-License-Identifier: MIT
#include "core/settings/settings.h"

#include "core/files/path_text.h"
#include "core/platform/user_folders.h"

namespace ravello::settings {
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
    // There is no key of the program's own: TMDb refuses any placeholder, and a newcomer must
    // be told to enter a key rather than meet TMDb's refusal.
    return settings.tmdbKey;
}

} // namespace ravello::settings
