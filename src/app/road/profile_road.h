// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QObject>

#include "core/files/program_folders.h"
#include "core/tmdb/prefetcher.h"

namespace ravello::app {

class CollectionArea;
class FilmPages;
class InterfaceLanguage;
class ProfilePreparer;
class SearchArea;
class SearchPanel;
class SettingsArea;
class WindowMessages;

// Profile after profile: the previous and next profile buttons (and their keys) show the
// neighbouring profile, search for it and, when its match is certain, open it and take the user
// to the cast and crew with the focus on the cast's copy. Meanwhile the next profiles are
// prepared in the background, so that stepping onto them asks TMDb nothing; a profile whose
// certain match an earlier preparation kept is not searched either.
class ProfileRoad : public QObject
{
    Q_OBJECT

public:
    struct Areas
    {
        CollectionArea& collection;
        SearchArea& search;
        const SettingsArea& settings;
    };
    ProfileRoad(SearchPanel& panel, FilmPages& film, Areas areas, ProfilePreparer& preparer,
                const tmdb::Endpoint& endpoint, files::ProgramFolders folders,
                const InterfaceLanguage& language, const WindowMessages& messages);

    // The profiles after the one shown are prepared, when the settings ask for it.
    void prepareAfterShown();
    // The shortcuts' texts follow the interface language.
    void applyToolTips();

public slots:
    void BTN_SuccessivoClick();
    void BTN_PrecedenteClick();

private:
    void step(int direction);
    void showProfileMatch();
    std::optional<tmdb::PrefetchOutcome> keptMatch(int number) const;
    void openCertainMatch();

    SearchPanel& m_panel;
    FilmPages& m_film;
    Areas m_areas;
    ProfilePreparer& m_preparer;
    const tmdb::Endpoint& m_endpoint;
    files::ProgramFolders m_folders;
    const InterfaceLanguage& m_language;
    const WindowMessages& m_messages;
};

} // namespace ravello::app
