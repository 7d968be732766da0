// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include "app/archive_page.h"
#include "app/birth_year_lookup.h"
#include "app/cast_page.h"
#include "app/film_pages.h"
#include "app/hidden_settings_panel.h"
#include "app/program_page.h"
#include "app/settings_pages.h"
#include "app/splash_window.h"
#include "app/style_page.h"
#include "app/visual_styles.h"
#include "core/collection/title_browser.h"
#include "core/files/path_text.h"
#include "core/output/crew_mapping_file.h"
#include "core/settings/settings_file.h"
#include "core/tmdb/fetcher.h"

namespace settings = ravello::settings;
using ravello::files::ProgramFolders;

namespace {

// The folder the program was started from, where a not-found picture of the user's may lie;
// nothing when that folder no longer exists (the picture built into the program is used).
std::filesystem::path workingFolder()
{
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::filesystem::path() : folder;
}

} // namespace

TForm1::TForm1(const std::filesystem::path& userDataFolder, ravello::tmdb::Hosts hosts,
               QWidget* parent)
    : QMainWindow(parent), m_folders(ProgramFolders::under(userDataFolder)),
      m_userDataFolder(userDataFolder), m_startupFolder(workingFolder()), m_hosts(std::move(hosts))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ravello"));
    buildWindow();
    const QString dataFolder = QString::fromStdString(ravello::files::utf8FromPath(userDataFolder));
    m_programPage->dataFolder()->setText(dataFolder);
    m_programPage->dataFolder()->parentWidget()->setToolTip(dataFolder);
    m_folders.makeTree();
    m_archive->hidden()->programFolderEdit()->setText(
        QString::fromStdString(ravello::files::utf8FromPath(m_folders.database())));
    // The texts are there from the first frame, the import's lines too.
    m_messages.fill();
    loadSettings();
    applyCaptions();
    m_pagine->setCurrentWidget(m_programPage);
    m_settingsPages->tabs()->setCurrentIndex(1);
    m_dvdProfilerFolderAtStart = m_archive->dvdProfilerFolderEdit()->text();
    m_titleBrowser = std::make_unique<ravello::collection::TitleBrowser>(
        ravello::files::pathFromUtf8(m_dvdProfilerFolderAtStart.toStdString()));
    reloadTitleIndex();
    connectCollectionHandlers();
    connectFilmHandlers();
    connectOutputHandlers();
    applyGeometry();
    showNextStep();
}

void TForm1::showNextStep()
{
    std::error_code error;
    const bool hasExport = std::filesystem::is_regular_file(exportFile(), error);
    const bool hasKey = currentEndpoint().hasUsableKey();
    if (!hasExport || !hasKey) {
        setStatusText(message(!hasExport && !hasKey ? "MSG_ScegliArchivioEChiave"
                              : !hasExport          ? "MSG_ScegliArchivio"
                                                    : "MSG_InserisciChiave"));
    }
}

TForm1::~TForm1() = default;

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // An import or a retrieval still runs below this event: it must finish first.
    if (m_busy) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TForm1::FormShow()
{
    if (!m_firstShow)
        return;
    m_firstShow = false;
    // The splash runs its own modal loop; start it once the window has been shown, and do the
    // first activation's work only after it has closed.
    QTimer::singleShot(0, this, [this] {
        if (m_splash)
            m_splash->showModal();
        m_splashDone = true;
        FormActivate();
    });
}

void TForm1::FormActivate()
{
    if (!m_firstActivation || (m_splash && !m_splashDone))
        return;
    // Cleared on entry: the question box and the import's repaints deliver activations of
    // their own, which must not ask again or start a second import.
    m_firstActivation = false;
    showCrewMappingProblem();
    setWindowTitle(message("MSG_Titolo") + QStringLiteral(" - Version ") +
                   QLatin1String(RAVELLO_VERSION_TEXT));
    askToImportChangedExport();
    m_pagine->setCurrentWidget(m_programPage);
    m_filmPages->tabs()->setCurrentIndex(0);
    m_settingsPages->tabs()->setCurrentIndex(1);
}

void TForm1::PagineChange()
{
    if (m_pagine->currentWidget() == m_settingsPages)
        m_archive->hidden()->showDrives(message("MSG_Disco"));
}

void TForm1::Btn_EsciClick()
{
    saveSettings();
    close();
}

void TForm1::FormClose()
{
    if (m_splash)
        m_splash->close();
}

void TForm1::loadSettings()
{
    const settings::Settings stored = settings::loadSettings(m_folders.settingsFile());
    applyStoredStyle(stored.styleName);
    m_languageIndex = stored.languageIndex;
    m_archive->exportFileEdit()->setText(QString::fromStdString(stored.exportFile));
    m_archive->dvdProfilerFolderEdit()->setText(QString::fromStdString(stored.dvdProfilerFolder));
    m_exportStamp = stored.exportStamp;
    const settings::ExportStamp& stamp = m_exportStamp;
    const int shownStamp[] = {stamp.day,  stamp.month,  stamp.year,
                              stamp.hour, stamp.minute, stamp.second};
    const auto& stampLabels = m_archive->hidden()->stampLabels();
    for (std::size_t field = 0; field < stampLabels.size(); ++field)
        stampLabels[field]->setText(QString::number(shownStamp[field]));
    m_archive->keyEdit()->setText(QString::fromStdString(stored.tmdbKey));
    m_archive->tmdbLanguageBox()->setCurrentText(QString::fromStdString(stored.tmdbLanguage));
    m_archive->hidden()->countryBox()->setCurrentText(QString::fromStdString(stored.country));
    m_filmPages->cast()->birthYearsBox()->setChecked(stored.birthYearsFromTmdb);
    m_geometry = stored.geometry;
    applyGeometry();
    if (settings::needsImport(stored))
        runImport();
}

void TForm1::saveSettings()
{
    settings::Settings current;
    current.styleName = m_currentStyleName.toStdString();
    current.languageIndex = m_languageIndex;
    current.exportFile = m_archive->exportFileEdit()->text().toStdString();
    current.dvdProfilerFolder = m_archive->dvdProfilerFolderEdit()->text().toStdString();
    current.exportStamp = m_exportStamp;
    current.tmdbLanguage = m_archive->tmdbLanguageBox()->currentText().toStdString();
    current.country = m_archive->hidden()->countryBox()->currentText().toStdString();
    current.tmdbKey = m_archive->keyEdit()->text().trimmed().toStdString();
    current.birthYearsFromTmdb = m_filmPages->cast()->birthYearsBox()->isChecked();
    current.geometry = {y(), x(), width(), height()};
    settings::saveSettings(m_folders.settingsFile(), current);
}

void TForm1::applyStoredStyle(const std::string& name)
{
    // A settings file edited by hand may name a style that does not exist: fall back to the
    // default rather than refuse to start.
    QString style = QString::fromStdString(name);
    if (!ravello::app::applyVisualStyle(style)) {
        style = QString::fromLatin1(settings::kDefaultStyle);
        ravello::app::applyVisualStyle(style);
    }
    m_currentStyleName = style;
}

void TForm1::applyGeometry()
{
    // Values from an edited settings file can be absurd; no display is larger than this.
    constexpr int kLargestWindow = 16384;
    const QSize size =
        QSize(m_geometry.width, m_geometry.height).boundedTo({kLargestWindow, kLargestWindow});
    const QPoint corner(std::clamp(m_geometry.left, -kLargestWindow, kLargestWindow),
                        std::clamp(m_geometry.top, -kLargestWindow, kLargestWindow));
    QRect frame(corner, size);
    // A window stored on a screen that is no longer there comes back to the primary one.
    const bool onAScreen = std::any_of(
        QGuiApplication::screens().cbegin(), QGuiApplication::screens().cend(),
        [&](const QScreen* screen) { return screen->availableGeometry().intersects(frame); });
    if (!onAScreen && QGuiApplication::primaryScreen())
        frame.moveTopLeft(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    move(frame.topLeft());
    resize(frame.size());
}

void TForm1::CONF_PROG_LIS_Lista_StiliDblClick()
{
    const QList<QListWidgetItem*> selected = m_settingsPages->style()->styleList()->selectedItems();
    if (selected.isEmpty())
        return;
    const QString name = selected.front()->text();
    if (ravello::app::applyVisualStyle(name))
        m_currentStyleName = name;
}
