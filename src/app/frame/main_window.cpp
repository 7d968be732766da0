// SPDX-License-Identifier: MIT
#include "app/frame/main_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/collection/collection_area.h"
#include "app/frame/splash_window.h"
#include "app/handover/handover_area.h"
#include "app/pages/archive_page.h"
#include "app/pages/film_pages.h"
#include "app/pages/hidden_settings_panel.h"
#include "app/pages/program_page.h"
#include "app/pages/settings_pages.h"
#include "app/pages/widget_factory.h"
#include "app/road/profile_preparer.h"
#include "app/road/profile_road.h"
#include "app/search/search_area.h"
#include "app/services/tmdb_wait.h"
#include "app/settings/settings_area.h"
#include "app/texts/captions.h"
#include "app/window_services.h"
#include "core/files/path_text.h"
#include "core/settings/settings.h"
#include "core/settings/settings_file.h"

using ravello::app::makeHiddenWidget;
using ravello::app::makeWidget;

TForm1::TForm1(ravello::app::WindowServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_geometry(services.settings.geometry)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ravello"));
    buildWindow();
    makeAreas();
    showDataFolder();
    const ravello::settings::Settings& stored = m_services.settings;
    m_settings->load(stored);
    m_handover->load(stored);
    applyGeometry();
    // The texts are there from the first frame, the import's lines too.
    applyCaptions();
    m_pagine->setCurrentWidget(m_programPage);
    m_settingsPages->tabs()->setCurrentIndex(1);
    m_collection->start(stored);
    // An import at the start, before the wiring, has replaced the people table read before it.
    if (ravello::settings::needsImport(stored))
        m_services.reloadPeopleTable();
    wireAreas();
    applyGeometry();
    m_settings->showNextStep();
}

TForm1::~TForm1()
{
    // The fetcher outlives the window; its waits must no longer reach it.
    m_services.fetcher.setProgressCallback({});
}

void TForm1::buildWindow()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildMenuBar());
    m_pagine = makeWidget<QTabWidget>(central, "Pagine");
    m_pagine->setTabPosition(QTabWidget::West);
    m_programPage = new ravello::app::ProgramPage;
    m_settingsPages = new ravello::app::SettingsPages;
    m_pagine->addTab(m_programPage, QString());
    m_pagine->addTab(m_settingsPages, QString());
    layout->addWidget(m_pagine, 1);
    setCentralWidget(central);
    auto* status = makeWidget<QStatusBar>(this, "STB_Status");
    m_importProgress = makeHiddenWidget<QProgressBar>(status, "PRB_Importazione");
    m_importProgress->setMaximumWidth(240);
    status->addPermanentWidget(m_importProgress);
    m_wait = new ravello::app::TmdbWait(*status, m_busy);
    setStatusBar(status);
    m_messages = std::make_unique<ravello::app::WindowMessages>(*this, *status);
    makeHiddenWidget<QFileDialog>(this, "OpenDialog1");
    makeHiddenWidget<QFileDialog>(this, "FileOpenDialog1");
    m_namedControls = ravello::app::NamedControls(*this);
}

QWidget* TForm1::buildMenuBar()
{
    auto* menu = makeWidget<QFrame>(nullptr, "PAN_Menu");
    menu->setFixedHeight(30);
    auto* layout = new QHBoxLayout(menu);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addStretch(1);
    auto* exitPanel = makeWidget<QFrame>(menu, "PAN_Menu_Esci");
    auto* exitLayout = new QHBoxLayout(exitPanel);
    exitLayout->setContentsMargins(0, 0, 0, 0);
    auto* exit = makeWidget<QPushButton>(exitPanel, "BTN_Esci");
    exitLayout->addWidget(exit);
    layout->addWidget(exitPanel);
    connect(exit, &QPushButton::clicked, this, &TForm1::Btn_EsciClick);
    return menu;
}

void TForm1::makeAreas()
{
    using namespace ravello::app;
    const ravello::app::WindowMessages& messages = *m_messages;
    ravello::app::WindowServices& services = m_services;
    m_settings = new SettingsArea(*m_settingsPages, *m_pagine, m_language, messages,
                                  services.endpoint, services.hosts);
    FilmPages& film = *m_programPage->film();
    m_collection = new CollectionArea(
        {*m_programPage->search(), film, *m_settingsPages->archive(), *m_importProgress},
        services.folders, services.startupFolder, *m_settings, m_language, messages, m_busy,
        services.settings);
    m_search = new SearchArea(
        {*m_programPage->search(), *m_programPage->results(), film},
        {services.endpoint, services.fetcher, services.films, services.seasons,
         services.peopleTable,
         [collection = m_collection](const std::string& profileId, const auto& counts) {
             return collection->proposeEpisodes(profileId, counts);
         }},
        services.startupFolder, *m_settings, m_language, messages, *m_wait);
    m_handover = new HandoverArea(film,
                                  {services.folders, services.photos, services.people,
                                   services.crewMapping, services.peopleTable},
                                  *m_search, m_language, messages, *m_wait);
    m_preparer =
        new ProfilePreparer(ProfilePreparer::tmdbPreparation(services.folders, services.limiter),
                            services.limiter, this);
    m_road =
        new ProfileRoad(*m_programPage->search(), film, {*m_collection, *m_search, *m_settings},
                        *m_preparer, services.endpoint, services.folders, m_language, messages);
}

// How the areas talk: the settings tell every caption to follow the language, a picked profile
// tells the search whose titles rank the results, and every wait on TMDb is the status bar's.
void TForm1::wireAreas()
{
    connect(m_pagine, &QTabWidget::currentChanged, this, &TForm1::PagineChange);
    connect(m_settings, &ravello::app::SettingsArea::languageChanged, this, &TForm1::applyCaptions);
    connect(m_collection, &ravello::app::CollectionArea::profilePicked, m_search,
            &ravello::app::SearchArea::setPickedFilm);
    // While a profile is shown the next ones are prepared, making way for the user's requests;
    // a re-import makes what was prepared out of date.
    connect(m_collection, &ravello::app::CollectionArea::profilePicked, m_road,
            [this] { m_road->prepareAfterShown(); });
    connect(m_collection, &ravello::app::CollectionArea::indexReloaded, m_preparer,
            [this] { m_preparer->forget(); });
    // The import replaced the people table too: the lists mark the people it knows now.
    connect(m_collection, &ravello::app::CollectionArea::indexReloaded, this, [this] {
        m_services.reloadPeopleTable();
        m_search->markKnownPeople();
    });
    m_wait->setObserver([this](bool waiting) { m_preparer->makeWay(waiting); });
    m_services.fetcher.setProgressCallback([this](std::chrono::milliseconds waited) {
        return m_wait->keepWaiting(m_language.text("MSG_AttesaTMDb"), waited)
                   ? ravello::tmdb::WaitChoice::KeepWaiting
                   : ravello::tmdb::WaitChoice::Cancel;
    });
}

void TForm1::showDataFolder()
{
    const QString dataFolder =
        QString::fromStdString(ravello::files::utf8FromPath(m_services.userDataFolder));
    m_programPage->dataFolder()->setText(dataFolder);
    m_programPage->dataFolder()->parentWidget()->setToolTip(dataFolder);
    m_settingsPages->archive()->hidden()->programFolderEdit()->setText(
        QString::fromStdString(ravello::files::utf8FromPath(m_services.folders.database())));
}

void TForm1::applyCaptions()
{
    ravello::app::applyCaptions(*this, m_namedControls, m_language,
                                *m_settingsPages->archive()->apiInstructions());
    m_road->applyToolTips();
    m_search->markKnownPeople();
}

const ravello::files::ProgramFolders& TForm1::folders() const
{
    return m_services.folders;
}

const QString& TForm1::currentStyleName() const
{
    return m_settings->currentStyleName();
}

void TForm1::setQuestionAsker(ravello::app::WindowMessages::QuestionAsker asker)
{
    m_messages->setQuestionAsker(std::move(asker));
}

void TForm1::setErrorShower(ravello::app::WindowMessages::MessageShower shower)
{
    m_messages->setErrorShower(std::move(shower));
}

void TForm1::setInformationShower(ravello::app::WindowMessages::MessageShower shower)
{
    m_messages->setInformationShower(std::move(shower));
}

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
    m_handover->showCrewMappingProblem();
    setWindowTitle(m_language.text("MSG_Titolo") + QStringLiteral(" - Version ") +
                   QLatin1String(RAVELLO_VERSION_TEXT));
    m_collection->askToImportChangedExport();
    m_pagine->setCurrentWidget(m_programPage);
    m_programPage->film()->tabs()->setCurrentIndex(0);
    m_settingsPages->tabs()->setCurrentIndex(1);
}

void TForm1::PagineChange()
{
    if (m_pagine->currentWidget() == m_settingsPages)
        m_settings->pageShown();
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

void TForm1::saveSettings() const
{
    ravello::settings::Settings current;
    m_settings->save(current);
    m_collection->save(current);
    m_handover->save(current);
    current.geometry = {y(), x(), width(), height()};
    ravello::settings::saveSettings(m_services.folders.settingsFile(), current);
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
