// SPDX-License-Identifier: MIT
#include "app/search/season_display.h"

#include <algorithm>

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
