// SPDX-License-Identifier: MIT
#include "app/collection/collection_area.h"

#include <algorithm>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "app/pages/archive_page.h"
#include "app/pages/cover_page.h"
#include "app/pages/data_page.h"
#include "app/pages/film_pages.h"
#include "app/pages/not_found_picture.h"
#include "app/pages/search_panel.h"
#include "app/services/busy_scope.h"
#include "app/services/window_messages.h"
#include "app/settings/settings_area.h"
#include "app/texts/core_failure_text.h"
#include "app/texts/interface_language.h"
#include "app/texts/text_conversion.h"
#include "core/collection/collection_episodes.h"
#include "core/collection/collection_import.h"
#include "core/collection/disc_title.h"
#include "core/collection/export_timestamp.h"
#include "core/collection/index_record.h"
#include "core/collection/title_browser.h"
#include "core/collection/title_list.h"
#include "core/files/path_text.h"
#include "core/files/program_folders.h"
#include "core/text/text_fields.h"

namespace ravello::app {
namespace {

// The status bar follows an import at this pace rather than at every record.
constexpr int kProgressIntervalMs = 40;

} // namespace

CollectionArea::CollectionArea(Controls controls, const files::ProgramFolders& folders,
                               std::filesystem::path startupFolder, const SettingsArea& settings,
                               const InterfaceLanguage& language, const WindowMessages& messages,
                               bool& busy, const settings::Settings& stored)
    : QObject(&controls.search), m_controls(controls), m_folders(folders),
      m_startupFolder(std::move(startupFolder)), m_settings(settings), m_language(language),
      m_messages(messages), m_busy(busy), m_exportStamp(stored.exportStamp),
      m_titleBrowser(
          std::make_unique<collection::TitleBrowser>(files::pathFromUtf8(stored.dvdProfilerFolder)))
{
    setObjectName(QStringLiteral("CollectionArea"));
}

CollectionArea::~CollectionArea() = default;

void CollectionArea::connectHandlers()
{
    SearchPanel& search = m_controls.search;
    connect(search.searchEdit(), &QLineEdit::textChanged, this,
            &CollectionArea::EDT_CercaManualeChange);
    connect(search.titleCombo(), &QComboBox::activated, this,
            &CollectionArea::CBB_TitoliDVDPChange);
    connect(search.numberSpin(), &QSpinBox::valueChanged, this, &CollectionArea::SPN_NumeroChange);
    connect(search.occurrenceSpin(), &QSpinBox::valueChanged, this,
            &CollectionArea::SPN_Numero1Change);
    connect(search.resetButton(), &QPushButton::clicked, this, &CollectionArea::BTN_AzzeraClick);
    connect(m_controls.archive.importButton(), &QPushButton::clicked, this,
            &CollectionArea::BTN_RielaboraClick);
}

void CollectionArea::save(settings::Settings& current) const
{
    current.exportStamp = m_exportStamp;
}

void CollectionArea::start(const settings::Settings& stored)
{
    if (settings::needsImport(stored))
        runImport();
    reloadTitleIndex();
    connectHandlers();
}

void CollectionArea::runImport()
{
    const BusyScope busy(m_busy);
    QProgressBar& progressBar = m_controls.importProgress;
    progressBar.setRange(0, 1000);
    progressBar.setValue(0);
    progressBar.setVisible(true);
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    const QString prefix = m_language.text("MSG_ImportazioneFilm");
    auto showProgress = [&](const collection::ImportProgress& progress) {
        m_messages.showProgress(prefix + QLatin1Char(' ') + QString::number(progress.filmNumber));
        if (progress.totalBytes > 0)
            progressBar.setValue(static_cast<int>(progress.bytesRead * 1000 / progress.totalBytes));
        BusyScope::repaint();
    };
    const collection::ImportResult result =
        collection::importCollection(m_settings.exportFile(), m_folders.titleIndexFile(),
                                     [&](const collection::ImportProgress& progress) {
                                         if (sinceRepaint.elapsed() >= kProgressIntervalMs) {
                                             showProgress(progress);
                                             sinceRepaint.restart();
                                         }
                                     });
    if (result.exportStamp)
        m_exportStamp = *result.exportStamp;
    progressBar.setVisible(false);
    showImportResult(result);
}

void CollectionArea::showImportResult(const collection::ImportResult& result)
{
    if (result.status == collection::ImportStatus::Imported) {
        m_messages.setStatusText(m_language.text("MSG_ImportazioneRiuscita")
                                     .arg(result.records)
                                     .arg(result.skipped)
                                     .arg(result.unnumbered));
        return;
    }
    const bool unreadable = result.status == collection::ImportStatus::ExportUnreadable;
    const QString text =
        m_language.text(unreadable ? "MSG_ArchivioIlleggibile" : "MSG_IndiceNonScritto")
            .arg(importFailureText(result, m_language));
    m_messages.setStatusText(text.section(QLatin1Char('\r'), 0, 0));
    // A missing export on a first start is told by the status bar's next step alone.
    if (result.failure != collection::ImportFailure::ExportMissing)
        m_messages.showError(text, m_language.text("MSG_Errore"));
}

void CollectionArea::reloadTitleIndex()
{
    SearchPanel& search = m_controls.search;
    const collection::IndexLoad load = m_titleBrowser->loadTitleIndex(
        m_folders.titleIndexFile(), toWindows1252(search.searchEdit()->text()));
    collection::ListUpdate update;
    update.items = load.items;
    showTitleList(update);
    if (!load.found)
        search.titleCombo()->addItem(m_language.text("MSG_DatabaseNonTrovato"));
    // A re-import keeps the user's place: the title on show stays, with its new fields.
    if (load.shownView)
        showTitleView(*load.shownView);
    QSpinBox* numberSpin = search.numberSpin();
    const QSignalBlocker blocker(numberSpin);
    numberSpin->setRange(load.largestCollectionNumber > 0 ? 1 : 0, load.largestCollectionNumber);
    emit indexReloaded();
}

void CollectionArea::askToImportChangedExport()
{
    if (!collection::exportChanged(m_settings.exportFile(), m_exportStamp))
        return;
    if (!m_messages.ask(m_language.text("MSG_VersioneDiversa"), m_language.text("MSG_Domanda")))
        return;
    runImport();
    reloadTitleIndex();
}

void CollectionArea::showTitleList(const collection::ListUpdate& update)
{
    if (update.hideView) {
        m_controls.film.cover()->collectionNumber()->setText(QStringLiteral("0"));
        m_controls.film.data()->dvd().id->setText(QStringLiteral("0"));
        m_controls.film.setTitleViewVisible(false);
    }
    QComboBox* titles = m_controls.search.titleCombo();
    titles->clear();
    for (const std::string& listText : update.items) {
        titles->addItem(fromWindows1252(collection::shownTitleOf(listText)),
                        QByteArray::fromStdString(listText));
    }
}

void CollectionArea::writeSearchText(const std::string& text)
{
    // The choice already holds the refilled list; the box's own handler must not run again.
    QLineEdit* searchEdit = m_controls.search.searchEdit();
    const QSignalBlocker blocker(searchEdit);
    searchEdit->setText(fromWindows1252(text));
}

void CollectionArea::showTitleChoice(const collection::TitleChoice& choice)
{
    const CoverPage& cover = *m_controls.film.cover();
    const DataPage& dataPage = *m_controls.film.data();
    const QString number = QString::number(choice.collectionNumber);
    cover.collectionNumber()->setText(number);
    dataPage.dvd().id->setText(number);
    if (choice.occurrenceFieldsVisible) {
        const QString occurrence = QString::number(choice.occurrence);
        cover.occurrence()->setText(occurrence);
        dataPage.occurrence()->setText(occurrence);
        dataPage.occurrence()->setVisible(*choice.occurrenceFieldsVisible);
        dataPage.occurrenceCaption()->setVisible(*choice.occurrenceFieldsVisible);
    }
    if (choice.occurrenceMaximum)
        showOccurrences(*choice.occurrenceMaximum, choice.occurrence);
    m_controls.film.setTitleViewVisible(true);
    if (choice.searchText) {
        // A TV disc searches for its show, and its season is the one to open.
        const auto disc = collection::readDiscTitle(*choice.searchText);
        writeSearchText(disc ? disc->show : *choice.searchText);
        showTitleList(choice.list);
        std::string profileId = collection::recordProfileId(
            m_titleBrowser->index().findIndexRecord(choice.collectionNumber, choice.occurrence));
        text::trimRight(profileId);
        if (choice.view && disc)
            emit profilePicked(tmdb::WantedFilm{disc->show, {}, 0}, disc->season, profileId);
        else if (choice.view)
            emit profilePicked(tmdb::WantedFilm{*choice.searchText,
                                                choice.view->originalTitle.value_or(std::string()),
                                                text::toLong(choice.view->productionYear)},
                               -1, profileId);
    }
    if (choice.view)
        showTitleView(*choice.view);
}

void CollectionArea::showTitleView(const collection::TitleView& view)
{
    QPixmap cover;
    if (view.coverFile)
        cover.load(QString::fromStdString(files::utf8FromPath(*view.coverFile)));
    if (cover.isNull())
        cover = notFoundPicture(m_startupFolder);
    const FilmFields& fields = m_controls.film.data()->dvd();
    showPicture(m_controls.film.cover()->dvdCover(), cover);
    showPicture(fields.cover, cover);
    fields.title->setText(fromWindows1252(view.title));
    if (view.originalTitle)
        fields.originalTitle->setText(fromWindows1252(*view.originalTitle));
    fields.year->setText(fromWindows1252(view.productionYear));
    fields.runningTime->setText(fromWindows1252(view.runningTime));
    fields.overview->setPlainText(fromWindows1252(view.overview));
}

void CollectionArea::EDT_CercaManualeChange()
{
    showTitleList(
        m_titleBrowser->searchTextChanged(toWindows1252(m_controls.search.searchEdit()->text())));
}

void CollectionArea::BTN_AzzeraClick()
{
    writeSearchText({});
    showTitleList(m_titleBrowser->clearSearch());
}

void CollectionArea::CBB_TitoliDVDPChange()
{
    const QByteArray listText = m_controls.search.titleCombo()->currentData().toByteArray();
    if (listText.isEmpty())
        return;
    const collection::TitleChoice choice = m_titleBrowser->chooseListItem(listText.toStdString());
    // Before the pick is told: the steps to the neighbours and the preparation of the next
    // profiles go from the number the spinner shows.
    if (choice.view && choice.collectionNumber >= 1)
        showPickedNumber(choice.collectionNumber, choice.occurrence);
    showTitleChoice(choice);
}

// The spinners show the picked profile's number and occurrence without picking it again.
void CollectionArea::showPickedNumber(int number, int occurrence)
{
    {
        QSpinBox* numberSpin = m_controls.search.numberSpin();
        const QSignalBlocker blocker(numberSpin);
        numberSpin->setValue(number);
    }
    showOccurrences(std::max(1, m_titleBrowser->index().occurrences(number)), occurrence);
}

// The occurrence spinner, quietly: shown only when several profiles share the number.
void CollectionArea::showOccurrences(int occurrences, int occurrence)
{
    QSpinBox* occurrenceSpin = m_controls.search.occurrenceSpin();
    const QSignalBlocker blocker(occurrenceSpin);
    occurrenceSpin->setRange(1, occurrences);
    occurrenceSpin->setValue(occurrence);
    occurrenceSpin->setVisible(occurrences >= 2);
}

void CollectionArea::SPN_NumeroChange()
{
    if (const auto choice = m_titleBrowser->chooseNumber(m_controls.search.numberSpin()->value()))
        showTitleChoice(*choice);
}

void CollectionArea::SPN_Numero1Change()
{
    QSpinBox* occurrenceSpin = m_controls.search.occurrenceSpin();
    const auto choice = m_titleBrowser->chooseOccurrence(m_controls.search.numberSpin()->value(),
                                                         occurrenceSpin->value());
    if (!choice)
        return;
    {
        const QSignalBlocker blocker(occurrenceSpin);
        occurrenceSpin->setValue(choice->occurrence);
    }
    showTitleChoice(*choice);
}

bool CollectionArea::stepToNeighbour(int step)
{
    const auto next = m_titleBrowser->index().neighbourWithProfile(shownNumber(), step);
    if (!next)
        return false;
    m_controls.search.numberSpin()->setValue(*next);
    return true;
}

int CollectionArea::shownNumber() const
{
    return m_controls.search.numberSpin()->value();
}

// A disc is prepared for the seasons of its proposed episodes, as far as the collection tells
// them without TMDb: the preparation asks for no season's count before it has begun.
std::vector<tmdb::PrefetchProfile> CollectionArea::profilesAfter(int number, int count) const
{
    const collection::TitleIndex& index = m_titleBrowser->index();
    const collection::CollectionEpisodes episodes(m_folders, index.records());
    std::vector<tmdb::PrefetchProfile> profiles;
    for (auto next = index.neighbourWithProfile(number, 1);
         next && static_cast<int>(profiles.size()) < count;
         next = index.neighbourWithProfile(*next, 1)) {
        tmdb::PrefetchProfile profile = profileAt(*next);
        std::string profileId = profile.profileId;
        text::trimRight(profileId);
        if (const auto proposal = episodes.propose(profileId, {})) {
            profile.episodesFirstSeason = proposal->first.season;
            profile.episodesLastSeason = proposal->last.season;
        }
        profiles.push_back(std::move(profile));
    }
    return profiles;
}

tmdb::PrefetchProfile CollectionArea::profileAt(int number) const
{
    const collection::TitleView view = m_titleBrowser->showTitle(number, 1);
    const auto disc = collection::readDiscTitle(view.title);
    tmdb::PrefetchProfile profile =
        disc
            ? tmdb::seasonToPrepare(number, disc->show, disc->season)
            : tmdb::profileToPrepare(number, view.title, view.originalTitle.value_or(std::string()),
                                     text::toLong(view.productionYear));
    profile.profileId =
        collection::recordProfileId(m_titleBrowser->index().findIndexRecord(number, 1));
    return profile;
}

std::optional<collection::EpisodeProposal>
CollectionArea::proposeEpisodes(const std::string& profileId,
                                const collection::SeasonEpisodeCounts& counts) const
{
    const collection::CollectionEpisodes episodes(m_folders, m_titleBrowser->index().records());
    return episodes.propose(profileId, counts);
}

void CollectionArea::BTN_RielaboraClick()
{
    runImport();
    reloadTitleIndex();
}

} // namespace ravello::app
