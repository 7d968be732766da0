// SPDX-License-Identifier: MIT
#include "app/handover/handover_area.h"

#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/pages/cast_page.h"
#include "app/pages/data_page.h"
#include "app/pages/film_pages.h"
#include "app/pages/photo_page.h"
#include "app/pages/row_activation.h"
#include "app/search/search_area.h"
#include "app/services/tmdb_wait.h"
#include "app/services/window_messages.h"
#include "app/texts/core_failure_text.h"
#include "app/texts/fetch_failure_text.h"
#include "app/texts/interface_language.h"
#include "app/texts/text_conversion.h"
#include "core/collection/episode_table.h"
#include "core/files/path_text.h"
#include "core/files/program_folders.h"
#include "core/output/credit_documents.h"
#include "core/output/crew_mapping_file.h"
#include "core/output/photo_cache.h"
#include "core/tmdb/shown_film.h"
#include "core/tmdb/shown_season.h"

namespace ravello::app {

HandoverArea::HandoverArea(FilmPages& film, Services services, const SearchArea& search,
                           const InterfaceLanguage& language, const WindowMessages& messages,
                           TmdbWait& wait)
    : QObject(&film), m_film(film), m_services(services), m_search(search), m_language(language),
      m_messages(messages), m_wait(wait), m_birthYears(services.people, wait)
{
    setObjectName(QStringLiteral("HandoverArea"));
    connectHandlers();
}

void HandoverArea::connectHandlers()
{
    const CastPage& cast = *m_film.cast();
    PhotoPage& castPhotos = *m_film.castPhotos();
    PhotoPage& crewPhotos = *m_film.crewPhotos();
    const std::pair<QPushButton*, void (HandoverArea::*)()> buttons[] = {
        {cast.copyCast(), &HandoverArea::CopyClick},
        {cast.copyCrew(), &HandoverArea::Button1Click},
        {castPhotos.copyButton(), &HandoverArea::BTN_CopiaPhotoClick},
        {crewPhotos.copyButton(), &HandoverArea::BTN_CopiaPhoto2Click}};
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
    RowActivation::attach(castPhotos.list(), [this] { LST_CastMDB2DblClick(); });
    RowActivation::attach(crewPhotos.list(), [this] { LST_CrewMDB2DblClick(); });
    for (QWidget* field : m_film.data()->copiedFields()) {
        // A plain text edit receives its mouse events on its viewport.
        if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
            memo->viewport()->installEventFilter(this);
        else
            field->installEventFilter(this);
    }
}

void HandoverArea::load(const settings::Settings& stored)
{
    m_film.cast()->birthYearsBox()->setChecked(stored.birthYearsFromTmdb);
    m_film.cast()->fullCrewBox()->setChecked(stored.fullSeriesCrew);
}

void HandoverArea::save(settings::Settings& current) const
{
    current.birthYearsFromTmdb = m_film.cast()->birthYearsBox()->isChecked();
    current.fullSeriesCrew = m_film.cast()->fullCrewBox()->isChecked();
}

const tmdb::ShownFilm& HandoverArea::shownFilm() const
{
    return m_search.shownFilm();
}

bool HandoverArea::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && qobject_cast<QPlainTextEdit*>(widget->parentWidget()))
            widget = widget->parentWidget();
        if (widget)
            EDT_TitoloMDBClick(widget);
    }
    return QObject::eventFilter(watched, event);
}

void HandoverArea::EDT_TitoloMDBClick(QWidget* field)
{
    if (!m_film.data()->copiedFields().contains(field))
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
        QGuiApplication::clipboard()->setText(edit->text());
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        memo->selectAll();
        QGuiApplication::clipboard()->setText(memo->toPlainText());
    }
}

output::CreditDocuments HandoverArea::shownDocuments() const
{
    const output::DocumentChoices choices{
        m_services.crewMapping.mapping, m_film.cast()->crewGroups(),
        m_film.cast()->fullCrewBox()->isChecked(), &m_services.peopleTable};
    if (const tmdb::ShownSeason* season = m_search.shownSeason())
        return {output::SeasonSubject{season->content, season->range}, choices};
    // The title is the data page's as it stands: the user may have edited it.
    const tmdb::ShownFilm& film = shownFilm();
    return {output::FilmSubject{toWindows1252(m_film.data()->tmdb().title->text()),
                                film.credits.castMembers, film.credits.crewMembers},
            choices};
}

void HandoverArea::CopyClick()
{
    const output::CreditDocuments documents = shownDocuments();
    // A cancelled lookup of the birth years leaves the clipboard as it was.
    const auto years = birthYearsOf(documents, output::DocumentKind::Cast);
    if (!years)
        return;
    QGuiApplication::clipboard()->setText(fromWindows1252(documents.cast(years->years)));
    m_messages.setStatusText(missingYearsText(*years));
    recordDiscCopy();
}

void HandoverArea::Button1Click()
{
    const output::CreditDocuments documents = shownDocuments();
    const auto years = birthYearsOf(documents, output::DocumentKind::Crew);
    if (!years)
        return;
    const output::CrewDocument document = documents.crew(years->years);
    QGuiApplication::clipboard()->setText(fromWindows1252(document.text));
    showCrewReport(document, missingYearsText(*years));
    recordDiscCopy();
}

void HandoverArea::recordDiscCopy() const
{
    const tmdb::ShownSeason* season = m_search.shownSeason();
    const std::string* disc = m_search.shownDisc();
    if (!season || !disc)
        return;
    std::vector<collection::EpisodeCode> codes;
    for (const tmdb::Episode* episode : season->content.episodesIn(season->range))
        codes.push_back({season->content.season.number, episode->number});
    const std::filesystem::path file = m_services.folders.copiedEpisodesFile();
    collection::EpisodeTable copied = collection::EpisodeTable::load(file);
    copied.set(*disc, std::move(codes));
    // A copy that could not be kept still went to the clipboard: the next disc is only
    // proposed from less.
    copied.save(file);
}

void HandoverArea::LST_CastMDB2DblClick()
{
    showPersonPhoto(false);
}
void HandoverArea::LST_CrewMDB2DblClick()
{
    showPersonPhoto(true);
}

void HandoverArea::showPersonPhoto(bool crew)
{
    PhotoPage& page = *(crew ? m_film.crewPhotos() : m_film.castPhotos());
    const std::vector<std::string>& rows =
        crew ? shownFilm().credits.crewPhoto : shownFilm().credits.castPhoto;
    const int selected = page.list()->currentRow();
    if (selected < 0 || static_cast<std::size_t>(selected) >= rows.size())
        return;
    const std::string& row = rows[static_cast<std::size_t>(selected)];
    const output::PhotoRequest request =
        crew ? output::photoRequestFromCrewRow(row) : output::photoRequestFromCastRow(row);
    output::PhotoResult result;
    {
        const TmdbWait::Scope wait(m_wait);
        result = m_services.photos.photo(crew ? output::PhotoList::Crew : output::PhotoList::Cast,
                                         request);
    }
    if (result.fetch.problem == tmdb::FetchProblem::Cancelled)
        return;
    if (result.problem == output::PhotoProblem::DownloadFailed) {
        m_messages.showError(fetchFailureText(result.fetch, m_language.table(), m_language.index()),
                             m_language.text("MSG_Errore"));
        return;
    }
    QImage photo;
    if (result.ok() && !photo.load(QString::fromStdString(files::utf8FromPath(result.file)))) {
        // Bytes that are no picture are dropped, so the next double-click fetches them again.
        output::PhotoCache::discard(result.file);
    }
    if (photo.isNull()) {
        // TMDb simply has no photo of this person: information, not an error.
        m_messages.showInformation(m_language.text("MSG_NessunaImmagine"),
                                   m_language.text("MSG_Informazione"));
        return;
    }
    page.showPhoto(photo);
}

void HandoverArea::copyPhoto(const QImage& photo)
{
    // With no photo shown the clipboard keeps what it holds.
    if (!photo.isNull())
        QGuiApplication::clipboard()->setImage(photo);
}

void HandoverArea::BTN_CopiaPhotoClick()
{
    copyPhoto(m_film.castPhotos()->photo());
}
void HandoverArea::BTN_CopiaPhoto2Click()
{
    copyPhoto(m_film.crewPhotos()->photo());
}

void HandoverArea::showCrewMappingProblem() const
{
    const auto& error = m_services.crewMapping.error;
    if (!error)
        return;
    m_messages.setStatusText(
        m_language.text("MSG_MappaturaStaffErrata")
            .arg(QString::fromStdString(files::utf8FromPath(m_services.folders.crewMappingFile())),
                 QString::number(error->line), crewMappingErrorText(*error, m_language)));
}

std::optional<BirthYearLookup::Years>
HandoverArea::birthYearsOf(const output::CreditDocuments& documents, output::DocumentKind kind)
{
    if (!m_film.cast()->birthYearsBox()->isChecked())
        return BirthYearLookup::Years{};
    return m_birthYears.yearsOf(documents.peopleToAsk(kind), m_language.text("MSG_AnniNascita"));
}

QString HandoverArea::missingYearsText(const BirthYearLookup::Years& found) const
{
    return found.failed == 0 ? QString()
                             : m_language.text("MSG_AnniNascitaMancanti")
                                   .arg(static_cast<qulonglong>(found.failed));
}

void HandoverArea::showCrewReport(const output::CrewDocument& document,
                                  const QString& missingYears) const
{
    const QString report = m_language.text("MSG_RapportoStaff")
                               .arg(static_cast<qulonglong>(document.included))
                               .arg(static_cast<qulonglong>(document.leftOut));
    // A line about missing birth years stays in front of the report.
    m_messages.setStatusText(
        missingYears.isEmpty() ? report : missingYears + QStringLiteral(" - ") + report);
    QStringList pairs;
    for (const output::CreditPair& pair : document.leftOutPairs)
        pairs << fromWindows1252(pair.department) + QStringLiteral(" / ") +
                     fromWindows1252(pair.job);
    m_messages.setStatusToolTip(pairs.isEmpty()
                                    ? QString()
                                    : m_language.text("MSG_EsclusiStaff") + QLatin1Char('\n') +
                                          pairs.join(QLatin1Char('\n')));
}

} // namespace ravello::app
