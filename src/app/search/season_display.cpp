// SPDX-License-Identifier: MIT
#include "app/search/season_display.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/pages/cast_page.h"
#include "app/pages/data_page.h"
#include "app/texts/interface_language.h"
#include "app/texts/text_conversion.h"
#include "core/text/text_normaliser.h"

namespace ravello::app {

void showSeasonBar(CastPage& page, const tmdb::ShowSeason& content, tmdb::EpisodeRange range,
                   const InterfaceLanguage& language)
{
    QComboBox* seasons = page.seasonBox();
    const QSignalBlocker seasonsQuiet(seasons);
    seasons->clear();
    for (const tmdb::SeasonEntry& entry : content.show.seasons) {
        const QString text =
            entry.number == 0
                ? language.text("MSG_Speciali").arg(entry.episodeCount)
                : language.text("MSG_StagioneEpisodi").arg(entry.number).arg(entry.episodeCount);
        seasons->addItem(text, entry.number);
    }
    seasons->setCurrentIndex(seasons->findData(content.season.number));
    const auto whole = content.wholeSeason().value_or(range);
    for (QSpinBox* episode : {page.firstEpisode(), page.lastEpisode()}) {
        const QSignalBlocker quiet(episode);
        episode->setRange(whole.first, whole.last);
    }
    {
        const QSignalBlocker firstQuiet(page.firstEpisode());
        const QSignalBlocker lastQuiet(page.lastEpisode());
        page.firstEpisode()->setValue(range.first);
        page.lastEpisode()->setValue(range.last);
    }
    page.seasonBar()->setVisible(true);
}

void showEpisodeOrders(CastPage& page, const std::vector<tmdb::EpisodeGroupEntry>& groups,
                       const std::optional<std::string>& chosen, const InterfaceLanguage& language)
{
    QComboBox* orders = page.episodeOrderBox();
    const QSignalBlocker quiet(orders);
    orders->clear();
    orders->addItem(language.text("MSG_StagioniTmdb"), QString());
    for (const tmdb::EpisodeGroupEntry& group : groups) {
        std::string name = group.name;
        text::normaliseText(name);
        orders->addItem(fromWindows1252(name), QString::fromStdString(group.id));
    }
    const int selected = chosen ? orders->findData(QString::fromStdString(*chosen)) : 0;
    orders->setCurrentIndex(std::max(selected, 0));
    page.offerEpisodeOrders(!groups.empty());
}

std::optional<int> nextSeasonOf(const tmdb::ShowSeason& shown)
{
    const int next = shown.season.number + 1;
    for (const tmdb::SeasonEntry& entry : shown.show.seasons) {
        if (entry.number == next && entry.episodeCount > 0)
            return next;
    }
    return std::nullopt;
}

void showContinuation(CastPage& page, const tmdb::ShowSeason& shown,
                      const ContinuedSeason* continued, const InterfaceLanguage& language)
{
    QCheckBox* box = page.continueSeasonBox();
    QSpinBox* episode = page.continueEpisode();
    const std::optional<int> next = shown.season.number > 0 ? nextSeasonOf(shown) : std::nullopt;
    box->setVisible(next.has_value());
    episode->setVisible(next.has_value());
    page.lastEpisode()->setEnabled(continued == nullptr);
    if (!next)
        return;
    const QSignalBlocker boxQuiet(box);
    const QSignalBlocker episodeQuiet(episode);
    box->setText(language.text("MSG_ContinuaStagione").arg(*next));
    episode->setAccessibleName(language.text("MSG_UltimoEpisodioStagione").arg(*next));
    box->setChecked(continued != nullptr);
    episode->setEnabled(continued != nullptr);
    int count = 0;
    for (const tmdb::SeasonEntry& entry : shown.show.seasons)
        count = entry.number == *next ? entry.episodeCount : count;
    const auto whole = continued ? continued->content.wholeSeason() : std::nullopt;
    episode->setRange(whole ? whole->first : 1, whole ? whole->last : count);
    episode->setValue(continued ? continued->range.last : 1);
}

void showSeasonData(const FilmFields& fields, const tmdb::ShowSeason& content,
                    const InterfaceLanguage& language)
{
    const tmdb::SeasonDataPage page = tmdb::seasonDataPage(content);
    fields.id->setText(QString::fromStdString(page.showId));
    fields.title->setText(fromWindows1252(page.name));
    fields.originalTitle->setText(fromWindows1252(page.originalName));
    fields.year->setText(fromWindows1252(page.year));
    fields.runningTime->clear();
    fields.overview->setPlainText(fromWindows1252(page.overview));
    const QString note = page.overviewInEnglish ? language.text("MSG_SinossiInglese") : QString();
    fields.overview->setToolTip(note);
    fields.overview->setAccessibleDescription(note);
}

} // namespace ravello::app
