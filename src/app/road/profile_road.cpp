// SPDX-License-Identifier: MIT
#include "app/road/profile_road.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

#include "app/collection/collection_area.h"
#include "app/pages/cast_page.h"
#include "app/pages/film_pages.h"
#include "app/pages/search_panel.h"
#include "app/road/profile_preparer.h"
#include "app/search/search_area.h"
#include "app/services/window_messages.h"
#include "app/settings/settings_area.h"
#include "app/texts/interface_language.h"
#include "core/tmdb/profile_matches.h"

namespace ravello::app {
namespace {

// How many profiles after the one shown are prepared.
constexpr int kProfilesPrepared = 3;
// Alt with an arrow: no text box, list or tab bar of the window uses it.
const QKeySequence kNextKey(Qt::ALT | Qt::Key_Right);
const QKeySequence kPreviousKey(Qt::ALT | Qt::Key_Left);

void addShortcut(QPushButton* button, const QKeySequence& keys)
{
    auto* shortcut = new QShortcut(keys, button->window());
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
}

} // namespace

ProfileRoad::ProfileRoad(SearchPanel& panel, FilmPages& film, Areas areas,
                         ProfilePreparer& preparer, const tmdb::Endpoint& endpoint,
                         files::ProgramFolders folders, const InterfaceLanguage& language,
                         const WindowMessages& messages)
    : QObject(&panel), m_panel(panel), m_film(film), m_areas(areas), m_preparer(preparer),
      m_endpoint(endpoint), m_folders(std::move(folders)), m_language(language),
      m_messages(messages)
{
    setObjectName(QStringLiteral("ProfileRoad"));
    connect(panel.nextProfile(), &QPushButton::clicked, this, &ProfileRoad::BTN_SuccessivoClick);
    connect(panel.previousProfile(), &QPushButton::clicked, this,
            &ProfileRoad::BTN_PrecedenteClick);
    addShortcut(panel.nextProfile(), kNextKey);
    addShortcut(panel.previousProfile(), kPreviousKey);
}

void ProfileRoad::applyToolTips()
{
    m_panel.nextProfile()->setToolTip(
        m_language.text("MSG_TipSuccessivo").arg(kNextKey.toString(QKeySequence::NativeText)));
    m_panel.previousProfile()->setToolTip(
        m_language.text("MSG_TipPrecedente").arg(kPreviousKey.toString(QKeySequence::NativeText)));
}

void ProfileRoad::BTN_SuccessivoClick()
{
    step(1);
}

void ProfileRoad::BTN_PrecedenteClick()
{
    step(-1);
}

void ProfileRoad::step(int direction)
{
    // The profile shown is picked as the spinner picks it, which prepares the ones after it.
    if (!m_areas.collection.stepToNeighbour(direction))
        return;
    showProfileMatch();
}

// The profile's results, prepared, kept from an earlier preparation or searched now; a certain
// match is opened.
void ProfileRoad::showProfileMatch()
{
    const int number = m_areas.collection.shownNumber();
    auto prepared = m_preparer.outcome(number);
    if (!prepared)
        prepared = keptMatch(number);
    if (prepared)
        m_areas.search.showRanked(prepared->ranked, prepared->kind == tmdb::MatchKind::Series);
    else if (!m_areas.search.search())
        return; // a failed search has told why; a cancelled one changed nothing
    if (m_areas.search.bestIsCertain())
        openCertainMatch();
    else
        m_messages.setStatusText(m_language.text(
            m_areas.search.hasResults() ? "MSG_PiuCorrispondenze" : "MSG_NessunRisultato"));
}

// A certain match that an earlier preparation kept is as good as a prepared outcome: the
// profile's results are that match alone.
std::optional<tmdb::PrefetchOutcome> ProfileRoad::keptMatch(int number) const
{
    const tmdb::PrefetchProfile profile = m_areas.collection.profileAt(number);
    auto match = tmdb::ProfileMatches::load(m_folders.profileMatchesFile()).certainMatch(profile);
    if (!match)
        return std::nullopt;
    tmdb::PrefetchOutcome outcome;
    outcome.number = number;
    outcome.status = tmdb::PrefetchStatus::Cached;
    outcome.kind = profile.kind;
    outcome.tmdbId = tmdb::readResultLine(match->line).filmId;
    outcome.ranked.push_back(std::move(*match));
    return outcome;
}

// A disc's season is as certain as its episodes: those of its own dividers, its neighbours'
// or what was copied; a split is a guess the user checks first, as the status line says.
void ProfileRoad::openCertainMatch()
{
    if (!m_areas.search.openRow(0))
        return;
    const collection::EpisodeProposal* proposal = m_areas.search.shownProposal();
    if (m_areas.search.shownDisc() &&
        (!proposal || proposal->source == collection::EpisodeSource::Split))
        return;
    m_film.tabs()->setCurrentWidget(m_film.cast());
    m_film.cast()->copyCast()->setFocus(Qt::OtherFocusReason);
    // The proposal's line says more than that the match was certain.
    if (!proposal)
        m_messages.setStatusText(m_language.text("MSG_AperturaCerta"));
}

void ProfileRoad::prepareAfterShown()
{
    if (!m_areas.settings.prepareNextProfiles() || !m_endpoint.hasUsableKey())
        return;
    m_preparer.prepare(
        m_areas.collection.profilesAfter(m_areas.collection.shownNumber(), kProfilesPrepared),
        m_endpoint);
}

} // namespace ravello::app
