// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

#include <QObject>
#include <QString>

#include "core/settings/settings.h"

class QTabWidget;

namespace ravello::tmdb {
class Endpoint;
struct Hosts;
} // namespace ravello::tmdb

namespace ravello::app {

class InterfaceLanguage;
class SettingsPages;
class WindowMessages;

// The Settings page: the interface language, the files of DVD Profiler, the user's TMDb key and
// language, and the visual style. It keeps the shared endpoint in step with the key and TMDb
// language the page shows, and tells the other areas where the export is and whether a key was
// given.
class SettingsArea : public QObject
{
    Q_OBJECT

public:
    // `pagine` is the window's page control, to take the user to the key field.
    SettingsArea(SettingsPages& pages, QTabWidget& pagine, InterfaceLanguage& language,
                 const WindowMessages& messages, tmdb::Endpoint& endpoint,
                 const tmdb::Hosts& hosts);

    // Shows the stored values on the page; a style that does not exist falls back to the
    // default look.
    void load(const settings::Settings& stored);
    // Writes the page's values into `current`.
    void save(settings::Settings& current) const;

    const QString& currentStyleName() const { return m_currentStyleName; }
    // Whether the profiles after the one shown are prepared (CHB_PreparaProfili).
    bool prepareNextProfiles() const;
    std::filesystem::path exportFile() const;
    // True when the user has given a TMDb key; otherwise says so, takes the user to the key
    // field and returns false.
    bool requireKey() const;
    // With no export or no key, the status bar says what to do on the Settings page.
    void showNextStep() const;
    // The page control shows the Settings page: its drive boxes list the mounted volumes.
    void pageShown() const;

signals:
    // The interface language changed: every caption must follow.
    void languageChanged();

public slots:
    void BTN_ItalianoClick();
    void BTN_IngleseClick();
    void BTN_SpagnoloClick();
    void BTN_TedescoClick();
    void BTN_FranceseClick();
    void CONF_PROG_LIS_Lista_StiliDblClick();
    void BTN_Cerca1Click();
    void BTN_Cerca2Click();

private:
    void connectHandlers();
    void setLanguage(int languageIndex);
    void applyStyle(const std::string& name);
    void showExportStamp(const settings::ExportStamp& stamp) const;
    void followEndpoint();

    SettingsPages& m_pages;
    QTabWidget& m_pagine;
    InterfaceLanguage& m_language;
    const WindowMessages& m_messages;
    tmdb::Endpoint& m_endpoint;
    const tmdb::Hosts& m_hosts;
    QString m_currentStyleName;
};

} // namespace ravello::app
