// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace ravello::tmdb {
class Endpoint;
} // namespace ravello::tmdb

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
// prepared in the background, so that stepping onto them asks TMDb nothing.
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
                const tmdb::Endpoint& endpoint, const InterfaceLanguage& language,
                const WindowMessages& messages);

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
    void openCertainMatch();

    SearchPanel& m_panel;
    FilmPages& m_film;
    Areas m_areas;
    ProfilePreparer& m_preparer;
    const tmdb::Endpoint& m_endpoint;
    const InterfaceLanguage& m_language;
    const WindowMessages& m_messages;
};

} // namespace ravello::app
