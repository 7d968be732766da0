// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QTabWidget;

namespace ravello::app {

class ArchivePage;
class LanguagePage;
class StylePage;

// The settings page (Pag_Configurazione) with its own pages (CONF_Pagine): interface language,
// files and TMDb, visual style.
class SettingsPages : public QWidget
{
public:
    SettingsPages();

    QTabWidget* tabs() const { return m_tabs; }
    LanguagePage* language() const { return m_language; }
    ArchivePage* archive() const { return m_archive; }
    StylePage* style() const { return m_style; }

private:
    QTabWidget* m_tabs = nullptr;
    LanguagePage* m_language = nullptr;
    ArchivePage* m_archive = nullptr;
    StylePage* m_style = nullptr;
};

} // namespace ravello::app
