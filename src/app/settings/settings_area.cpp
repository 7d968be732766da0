// SPDX-License-Identifier: MIT
#include "app/settings/settings_area.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "app/look/visual_styles.h"
#include "app/pages/archive_page.h"
#include "app/pages/hidden_settings_panel.h"
#include "app/pages/language_page.h"
#include "app/pages/row_activation.h"
#include "app/pages/settings_pages.h"
#include "app/pages/style_page.h"
#include "app/services/window_messages.h"
#include "app/texts/interface_language.h"
#include "core/collection/dvd_profiler_locations.h"
#include "core/files/path_text.h"
#include "core/platform/user_folders.h"
#include "core/tmdb/endpoint.h"

namespace ravello::app {

SettingsArea::SettingsArea(SettingsPages& pages, QTabWidget& pagine, InterfaceLanguage& language,
                           const WindowMessages& messages, tmdb::Endpoint& endpoint,
                           const tmdb::Hosts& hosts)
    : QObject(&pages), m_pages(pages), m_pagine(pagine), m_language(language), m_messages(messages),
      m_endpoint(endpoint), m_hosts(hosts)
{
    setObjectName(QStringLiteral("SettingsArea"));
    connectHandlers();
}

void SettingsArea::connectHandlers()
{
    // In the order of the language buttons.
    void (SettingsArea::*const languageHandlers[])() = {
        &SettingsArea::BTN_ItalianoClick, &SettingsArea::BTN_IngleseClick,
        &SettingsArea::BTN_SpagnoloClick, &SettingsArea::BTN_TedescoClick,
        &SettingsArea::BTN_FranceseClick};
    const auto& buttons = m_pages.language()->buttons();
    for (std::size_t language = 0; language < buttons.size(); ++language)
        connect(buttons[language], &QPushButton::clicked, this, languageHandlers[language]);
    RowActivation::attach(m_pages.style()->styleList(),
                          [this] { CONF_PROG_LIS_Lista_StiliDblClick(); });
    ArchivePage& archive = *m_pages.archive();
    connect(archive.exportFileBrowse(), &QPushButton::clicked, this,
            &SettingsArea::BTN_Cerca1Click);
    connect(archive.dvdProfilerFolderBrowse(), &QPushButton::clicked, this,
            &SettingsArea::BTN_Cerca2Click);
    connect(archive.keyEdit(), &QLineEdit::textChanged, this, &SettingsArea::followEndpoint);
    connect(archive.tmdbLanguageBox(), &QComboBox::currentTextChanged, this,
            &SettingsArea::followEndpoint);
}

void SettingsArea::load(const settings::Settings& stored)
{
    applyStyle(stored.styleName);
    m_language.setIndex(stored.languageIndex);
    ArchivePage& archive = *m_pages.archive();
    archive.exportFileEdit()->setText(QString::fromStdString(stored.exportFile));
    archive.dvdProfilerFolderEdit()->setText(QString::fromStdString(stored.dvdProfilerFolder));
    showExportStamp(stored.exportStamp);
    archive.keyEdit()->setText(QString::fromStdString(stored.tmdbKey));
    archive.tmdbLanguageBox()->setCurrentText(QString::fromStdString(stored.tmdbLanguage));
    archive.hidden()->countryBox()->setCurrentText(QString::fromStdString(stored.country));
    archive.prepareBox()->setChecked(stored.prepareNextProfiles);
    followEndpoint();
}

void SettingsArea::save(settings::Settings& current) const
{
    const ArchivePage& archive = *m_pages.archive();
    current.styleName = m_currentStyleName.toStdString();
    current.languageIndex = m_language.index();
    current.exportFile = archive.exportFileEdit()->text().toStdString();
    current.dvdProfilerFolder = archive.dvdProfilerFolderEdit()->text().toStdString();
    current.tmdbLanguage = archive.tmdbLanguageBox()->currentText().toStdString();
    current.country = archive.hidden()->countryBox()->currentText().toStdString();
    current.tmdbKey = archive.keyEdit()->text().trimmed().toStdString();
    current.prepareNextProfiles = prepareNextProfiles();
}

bool SettingsArea::prepareNextProfiles() const
{
    return m_pages.archive()->prepareBox()->isChecked();
}

void SettingsArea::showExportStamp(const settings::ExportStamp& stamp) const
{
    const int shownStamp[] = {stamp.day,  stamp.month,  stamp.year,
                              stamp.hour, stamp.minute, stamp.second};
    const auto& stampLabels = m_pages.archive()->hidden()->stampLabels();
    for (std::size_t field = 0; field < stampLabels.size(); ++field)
        stampLabels[field]->setText(QString::number(shownStamp[field]));
}

// Every request reads the shared endpoint, so a key typed on the page counts at once.
void SettingsArea::followEndpoint()
{
    settings::Settings current;
    save(current);
    m_endpoint = tmdb::Endpoint::fromSettings(current, m_hosts);
}

std::filesystem::path SettingsArea::exportFile() const
{
    return files::pathFromUtf8(m_pages.archive()->exportFileEdit()->text().toStdString());
}

bool SettingsArea::requireKey() const
{
    if (m_endpoint.hasUsableKey())
        return true;
    // Nothing is sent without a key of the user's: the message says so and the key field is
    // where it is entered.
    m_messages.showError(m_language.text("MSG_ChiaveNonDefinita"), m_language.text("MSG_Errore"));
    m_pagine.setCurrentWidget(&m_pages);
    m_pages.tabs()->setCurrentWidget(m_pages.archive());
    m_pages.archive()->keyEdit()->setFocus(Qt::OtherFocusReason);
    return false;
}

void SettingsArea::showNextStep() const
{
    std::error_code error;
    const bool hasExport = std::filesystem::is_regular_file(exportFile(), error);
    const bool hasKey = m_endpoint.hasUsableKey();
    if (!hasExport || !hasKey) {
        m_messages.setStatusText(m_language.text(!hasExport && !hasKey ? "MSG_ScegliArchivioEChiave"
                                                 : !hasExport          ? "MSG_ScegliArchivio"
                                                                       : "MSG_InserisciChiave"));
    }
}

void SettingsArea::pageShown() const
{
    m_pages.archive()->hidden()->showDrives(m_language.text("MSG_Disco"));
}

void SettingsArea::setLanguage(int languageIndex)
{
    m_language.setIndex(languageIndex);
    emit languageChanged();
}

void SettingsArea::BTN_ItalianoClick()
{
    setLanguage(0);
}
void SettingsArea::BTN_IngleseClick()
{
    setLanguage(1);
}
void SettingsArea::BTN_SpagnoloClick()
{
    setLanguage(2);
}
void SettingsArea::BTN_TedescoClick()
{
    setLanguage(3);
}
void SettingsArea::BTN_FranceseClick()
{
    setLanguage(4);
}

void SettingsArea::applyStyle(const std::string& name)
{
    // A settings file edited by hand may name a style that does not exist: fall back to the
    // default rather than refuse to start.
    QString style = QString::fromStdString(name);
    if (!applyVisualStyle(style)) {
        style = QString::fromLatin1(settings::kDefaultStyle);
        applyVisualStyle(style);
    }
    m_currentStyleName = style;
}

void SettingsArea::CONF_PROG_LIS_Lista_StiliDblClick()
{
    const QList<QListWidgetItem*> selected = m_pages.style()->styleList()->selectedItems();
    if (selected.isEmpty())
        return;
    const QString name = selected.front()->text();
    if (applyVisualStyle(name))
        m_currentStyleName = name;
}

void SettingsArea::BTN_Cerca1Click()
{
    const QString filter = m_language.text("MSG_ArchivioEsportato") + QStringLiteral("(*.xml);;") +
                           m_language.text("MSG_TuttiIFiles") + QStringLiteral("(*)");
    QLineEdit* exportFileEdit = m_pages.archive()->exportFileEdit();
    const QString chosen =
        QFileDialog::getOpenFileName(&m_pages, QString(), exportFileEdit->text(), filter);
    if (!chosen.isEmpty())
        exportFileEdit->setText(QDir::toNativeSeparators(chosen));
}

void SettingsArea::BTN_Cerca2Click()
{
    const QString filter = m_language.text("MSG_ArchivioDVDP") +
                           QStringLiteral("(Collection.Dat);;") +
                           m_language.text("MSG_TuttiIFiles") + QStringLiteral("(*)");
    const std::filesystem::path initial =
        collection::defaultDatabaseFolder(platform::dvdProfilerDocumentsFolder());
    const QString chosen = QFileDialog::getOpenFileName(
        &m_pages, QString(), QString::fromStdString(files::utf8FromPath(initial)), filter);
    if (chosen.isEmpty())
        return;
    const std::string folder =
        collection::folderOfChosenFile(QDir::toNativeSeparators(chosen).toStdString());
    m_pages.archive()->dvdProfilerFolderEdit()->setText(QString::fromStdString(folder));
}

} // namespace ravello::app
