// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QObject>

#include "core/collection/episode_proposer.h"
#include "core/settings/settings.h"
#include "core/tmdb/prefetcher.h"
#include "core/tmdb/result_ranking.h"

class QProgressBar;

namespace ravello::collection {
class TitleBrowser;
struct ImportResult;
struct ListUpdate;
struct TitleChoice;
struct TitleView;
} // namespace ravello::collection

namespace ravello::files {
class ProgramFolders;
} // namespace ravello::files

namespace ravello::app {

class ArchivePage;
class FilmPages;
class InterfaceLanguage;
class SearchPanel;
class SettingsArea;
class WindowMessages;

// The user's collection: DVD Profiler's export imported into the title index (with its progress
// and the question when the export changed), and the titles browsed by list, filter text and
// collection number, each shown with DVD Profiler's cover and fields.
class CollectionArea : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        SearchPanel& search;
        FilmPages& film;
        ArchivePage& archive;
        QProgressBar& importProgress;
    };
    // `busy` is the window's flag that long work runs. The title index is read with the DVD
    // Profiler folder of `stored`, as it was at start.
    CollectionArea(Controls controls, const files::ProgramFolders& folders,
                   std::filesystem::path startupFolder, const SettingsArea& settings,
                   const InterfaceLanguage& language, const WindowMessages& messages, bool& busy,
                   const settings::Settings& stored);
    ~CollectionArea() override;

    // The collection export stamp, kept on Exit.
    void save(settings::Settings& current) const;
    // Loads the title index into the title list, after an import when the settings file was
    // written for an older index.
    void start(const settings::Settings& stored);
    // When the export changed since the last import, asks whether to import it again.
    void askToImportChangedExport();
    // Shows the nearest profile after (step 1) or before (step -1) the collection number shown,
    // as the spinner would; false when there is none that way.
    bool stepToNeighbour(int step);
    // The collection number the spinner shows.
    int shownNumber() const;
    // Up to `count` profiles after collection number `number`, in number order, as the
    // preparation of the next profiles takes them.
    std::vector<tmdb::PrefetchProfile> profilesAfter(int number, int count) const;
    // The first profile of collection number `number`, as the preparation takes it.
    tmdb::PrefetchProfile profileAt(int number) const;
    // The episodes proposed for the disc profile of that ID, from the collection as imported
    // and what was copied so far; nothing when it is no disc or nothing tells them.
    std::optional<collection::EpisodeProposal>
    proposeEpisodes(const std::string& profileId,
                    const collection::SeasonEpisodeCounts& counts) const;

signals:
    // A title of the collection was picked and its title written into the search box (a TV
    // disc's show): a search for that text ranks its results by the profile's titles and year.
    // `season` is the season a disc title names, -1 for any other title; `profileId` is the
    // profile's ID as the title index gives it.
    void profilePicked(const ravello::tmdb::WantedFilm& profile, int season,
                       const std::string& profileId);
    // The title index was read again after an import.
    void indexReloaded();

public slots:
    void EDT_CercaManualeChange();
    void BTN_AzzeraClick();
    void CBB_TitoliDVDPChange();
    void SPN_NumeroChange();
    void SPN_Numero1Change();
    void BTN_RielaboraClick();

private:
    void connectHandlers();
    void runImport();
    void showImportResult(const collection::ImportResult& result);
    void reloadTitleIndex();
    void showTitleList(const collection::ListUpdate& update);
    void showTitleChoice(const collection::TitleChoice& choice);
    void showTitleView(const collection::TitleView& view);
    void showPickedNumber(int number, int occurrence);
    void showOccurrences(int occurrences, int occurrence);
    void writeSearchText(const std::string& text);

    Controls m_controls;
    const files::ProgramFolders& m_folders;
    std::filesystem::path m_startupFolder;
    const SettingsArea& m_settings;
    const InterfaceLanguage& m_language;
    const WindowMessages& m_messages;
    bool& m_busy;
    settings::ExportStamp m_exportStamp;
    std::unique_ptr<collection::TitleBrowser> m_titleBrowser;
};

} // namespace ravello::app
