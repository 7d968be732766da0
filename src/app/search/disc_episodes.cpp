// SPDX-License-Identifier: MIT
#include "app/search/disc_episodes.h"

#include "app/services/tmdb_wait.h"
#include "app/texts/interface_language.h"
#include "core/tmdb/season_cache.h"

namespace ravello::app {
namespace {

std::optional<int> lastEpisode(const tmdb::ShowSeason& season)
{
    const auto whole = season.wholeSeason();
    return whole ? std::optional<int>(whole->last) : std::nullopt;
}

QString codeText(collection::EpisodeCode code)
{
    return QString::fromStdString(collection::episodeCodeText(code));
}

} // namespace

OpenedShowEpisodeCounts::OpenedShowEpisodeCounts(tmdb::SeasonCache& seasons, TmdbWait& wait,
                                                 const tmdb::ShowSeason& opened)
    : m_seasons(seasons), m_wait(wait), m_opened(opened)
{}

std::optional<int> OpenedShowEpisodeCounts::episodes(int season)
{
    if (season == m_opened.season.number)
        return lastEpisode(m_opened);
    const std::int32_t show = m_opened.show.id;
    if (const auto cached = m_seasons.cachedSeason(show, season))
        return lastEpisode(*cached);
    tmdb::SeasonOpening opening;
    {
        const TmdbWait::Scope wait(m_wait);
        opening = m_seasons.openCredits(show, season);
    }
    return opening.content ? lastEpisode(*opening.content) : std::nullopt;
}

ProposedRange proposedRangeIn(const collection::EpisodeProposal& proposal,
                              const tmdb::ShowSeason& opened)
{
    const int season = opened.season.number;
    const auto whole = opened.wholeSeason();
    ProposedRange shown;
    shown.otherSeasons = proposal.first.season != season || proposal.last.season != season;
    if (!whole || proposal.first.season > season || proposal.last.season < season)
        return shown;
    shown.range =
        tmdb::EpisodeRange{proposal.first.season < season ? whole->first : proposal.first.episode,
                           proposal.last.season > season ? whole->last : proposal.last.episode};
    return shown;
}

QString proposalText(const collection::EpisodeProposal& proposal, bool otherSeasons,
                     int openedSeason, const InterfaceLanguage& language)
{
    const QString first = codeText(proposal.first);
    const QString last = codeText(proposal.last);
    QString text;
    switch (proposal.source) {
    case collection::EpisodeSource::Profile:
        text = language.text("MSG_EpisodiDelDisco").arg(first, last);
        break;
    case collection::EpisodeSource::Neighbours:
        if (proposal.afterDisc && proposal.beforeDisc)
            text = language.text("MSG_EpisodiTraDischi")
                       .arg(first, last, QString::number(*proposal.afterDisc),
                            QString::number(*proposal.beforeDisc));
        else if (proposal.afterDisc)
            text = language.text("MSG_EpisodiDopoDisco")
                       .arg(first, last, QString::number(*proposal.afterDisc));
        else
            text = language.text("MSG_EpisodiPrimaDisco")
                       .arg(first, last, QString::number(proposal.beforeDisc.value_or(0)));
        break;
    case collection::EpisodeSource::Copied:
        text = language.text("MSG_EpisodiCopiati").arg(first, last);
        break;
    case collection::EpisodeSource::Split:
        text = language.text("MSG_EpisodiStimati")
                   .arg(first, last, QString::number(proposal.seasonEpisodes),
                        QString::number(proposal.discs));
        break;
    }
    if (otherSeasons)
        text = language.text("MSG_EpisodiAltraStagione").arg(text, QString::number(openedSeason));
    return text;
}

} // namespace ravello::app
