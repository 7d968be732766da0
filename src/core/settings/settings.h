// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ravello::settings {

// Last-write time of the export file at the last import; 99 in every field means that no
// import is on record.
struct ExportStamp
{
    int year = 99;
    int month = 99;
    int day = 99;
    int hour = 99;
    int minute = 99;
    int second = 99;
    bool operator==(const ExportStamp&) const = default;
};

struct WindowGeometry
{
    int top = 0;
    int left = 0;
    int width = 1056;
    int height = 1036;
    bool operator==(const WindowGeometry&) const = default;
};

// The version of the title index format this program writes; an older one is imported again.
inline constexpr int kDatabaseVersion = 2;
inline constexpr int kEnglish = 1;
inline constexpr int kLanguageCount = 5;
inline constexpr const char* kDefaultStyle = "Glow";

// Every value of the settings file. Texts are UTF-8.
struct Settings
{
    std::string styleName = kDefaultStyle;
    int languageIndex = kEnglish;  // 0 Italian, 1 English, 2 Spanish, 3 German, 4 French
    std::string exportFile;        // DVD Profiler's Collection.xml export
    std::string dvdProfilerFolder; // DVD Profiler's database folder
    ExportStamp exportStamp;
    std::string tmdbLanguage = "en-US";
    std::string country = "US";
    std::string tmdbKey; // the user's own TMDb key; empty when none was given
    WindowGeometry geometry;
    bool birthYearsFromTmdb = false; // the credit documents carry TMDb's birth years
    bool prepareNextProfiles = true; // the window prepares the profiles after the one shown
    bool fullSeriesCrew = false;     // a series' crew document keeps all the mapping keeps
    int databaseVersion = 1;         // what the file says; saving always writes kDatabaseVersion

    bool operator==(const Settings&) const = default;
};

// The settings of a first run: export file and DVD Profiler folder on DVD Profiler's drive C.
Settings defaultSettings();

// The key sent to TMDb: the user's own; empty when none was given, and then nothing is sent.
std::string effectiveTmdbKey(const Settings& settings);

// True when the title index was written by an older version (or never) and must be rebuilt.
inline bool needsImport(const Settings& settings)
{
    return settings.databaseVersion < kDatabaseVersion;
}

} // namespace ravello::settings
