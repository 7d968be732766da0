// SPDX-License-Identifier: MIT
#include "core/settings/settings_file.h"

// The file's texts are UTF-8 and pass through CSimpleIniA unchanged; the converter chosen
// decides how section and key names compare: ASCII letters without regard to case, on every
// system (SimpleIni's Windows default would compare them in the ANSI code page).
#ifdef _WIN32
#define SI_NO_CONVERSION
#else
#define SI_CONVERT_ICU
#endif
#include <SimpleIni.h>
#include <string>

#include "core/files/atomic_file.h"
#include "core/files/whole_file.h"
#include "core/text/text_fields.h"

namespace ravello::settings {
namespace {

// Section and key names of the file, as earlier versions wrote them.
constexpr const char* kSectionStyle = "Impostazioni";
constexpr const char* kSectionData = "Dati";
constexpr const char* kSectionPosition = "Posizione";
constexpr const char* kSectionDatabase = "Database";

struct StampKey
{
    const char* key;
    int ExportStamp::*field;
};
constexpr StampKey kStampKeys[] = {
    {"LastAnno", &ExportStamp::year},     {"LastMese", &ExportStamp::month},
    {"LastGiorno", &ExportStamp::day},    {"LastOra", &ExportStamp::hour},
    {"LastMinuto", &ExportStamp::minute}, {"LastSecondo", &ExportStamp::second},
};

struct GeometryKey
{
    const char* key;
    int WindowGeometry::*field;
};
constexpr GeometryKey kGeometryKeys[] = {
    {"Top", &WindowGeometry::top},
    {"Left", &WindowGeometry::left},
    {"Width", &WindowGeometry::width},
    {"Height", &WindowGeometry::height},
};

class IniFile
{
public:
    IniFile()
    {
        m_ini.SetUnicode(true);
        m_ini.SetSpaces(false);
        m_ini.SetMultiKey(false);
    }

    void load(const std::filesystem::path& file)
    {
        // A file that cannot be read (a folder in its place) counts as missing.
        if (const auto bytes = files::readWholeFile(file))
            m_ini.LoadData(*bytes);
    }

    std::string text(const char* section, const char* key, const std::string& fallback) const
    {
        return m_ini.GetValue(section, key, fallback.c_str());
    }

    // The stored text, or `whenEmpty` when the key is missing or holds nothing.
    std::string textOr(const char* section, const char* key, const std::string& whenEmpty) const
    {
        const std::string value = text(section, key, "");
        return value.empty() ? whenEmpty : value;
    }

    int number(const char* section, const char* key, int fallback) const
    {
        const std::string value = text(section, key, "");
        return value.empty() ? fallback : text::toLong(value);
    }

    void set(const char* section, const char* key, const std::string& value)
    {
        m_ini.SetValue(section, key, value.c_str());
    }

    void set(const char* section, const char* key, int value)
    {
        set(section, key, std::to_string(value));
    }

    bool save(const std::filesystem::path& file) const
    {
        std::string bytes;
        if (m_ini.Save(bytes) < 0)
            return false;
        return files::writeFileAtomically(file, bytes);
    }

private:
    CSimpleIniA m_ini;
};

int languageFrom(const IniFile& ini)
{
    const int index = ini.number(kSectionStyle, "Lingua", kEnglish);
    return index >= 0 && index < kLanguageCount ? index : kEnglish;
}

} // namespace

Settings loadSettings(const std::filesystem::path& file)
{
    IniFile ini;
    ini.load(file);
    Settings settings = defaultSettings();
    settings.styleName = ini.textOr(kSectionStyle, "Tema", kDefaultStyle);
    settings.languageIndex = languageFrom(ini);
    settings.exportFile = ini.textOr(kSectionData, "FileAppoggioDVDP", settings.exportFile);
    settings.dvdProfilerFolder =
        ini.textOr(kSectionData, "PathDatabaseDVDP", settings.dvdProfilerFolder);
    for (const StampKey& stamp : kStampKeys)
        settings.exportStamp.*stamp.field = ini.number(kSectionData, stamp.key, 99);
    // An empty language or country stays empty, as the boxes show it.
    settings.tmdbLanguage = ini.text(kSectionData, "Lingua", settings.tmdbLanguage);
    settings.country = ini.text(kSectionData, "Paese", settings.country);
    settings.tmdbKey = ini.text(kSectionData, "ChiaveTMDb", "");
    text::trimLeft(settings.tmdbKey);
    text::trimRight(settings.tmdbKey);
    settings.birthYearsFromTmdb = ini.number(kSectionData, "AnniNascitaTMDb", 0) != 0;
    settings.prepareNextProfiles = ini.number(kSectionData, "PreparaProfili", 1) != 0;
    settings.fullSeriesCrew = ini.number(kSectionData, "StaffCompleto", 0) != 0;
    for (const GeometryKey& geometry : kGeometryKeys) {
        const std::string fallback = std::to_string(settings.geometry.*geometry.field);
        const std::string value = ini.text(kSectionPosition, geometry.key, fallback);
        settings.geometry.*geometry.field = text::toLong(value);
    }
    settings.databaseVersion = ini.number(kSectionDatabase, "Versione", 1);
    return settings;
}

bool saveSettings(const std::filesystem::path& file, const Settings& settings)
{
    IniFile ini;
    ini.load(file);
    ini.set(kSectionStyle, "Tema", settings.styleName);
    ini.set(kSectionStyle, "Lingua", settings.languageIndex);
    ini.set(kSectionData, "FileAppoggioDVDP", settings.exportFile);
    ini.set(kSectionData, "PathDatabaseDVDP", settings.dvdProfilerFolder);
    for (const StampKey& stamp : kStampKeys)
        ini.set(kSectionData, stamp.key, settings.exportStamp.*stamp.field);
    ini.set(kSectionData, "Lingua", settings.tmdbLanguage);
    ini.set(kSectionData, "Paese", settings.country);
    ini.set(kSectionData, "ChiaveTMDb", settings.tmdbKey);
    ini.set(kSectionData, "AnniNascitaTMDb", settings.birthYearsFromTmdb ? 1 : 0);
    ini.set(kSectionData, "PreparaProfili", settings.prepareNextProfiles ? 1 : 0);
    ini.set(kSectionData, "StaffCompleto", settings.fullSeriesCrew ? 1 : 0);
    for (const GeometryKey& geometry : kGeometryKeys)
        ini.set(kSectionPosition, geometry.key, settings.geometry.*geometry.field);
    ini.set(kSectionDatabase, "Versione", kDatabaseVersion);
    return ini.save(file);
}

} // namespace ravello::settings
