// SPDX-License-Identifier: MIT
// The main window's handlers that hand data to DVD Profiler through the clipboard: the cast
// and crew documents, the photos, and single data fields.
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/cast_page.h"
#include "app/data_page.h"
#include "app/fetch_failure_text.h"
#include "app/film_pages.h"
#include "app/main_window.h"
#include "app/photo_page.h"
#include "app/row_activation.h"
#include "app/text_conversion.h"
#include "app/tmdb_wait.h"
#include "core/files/path_text.h"
#include "core/output/cast_information.h"
#include "core/output/crew_information.h"
#include "core/output/crew_mapping_file.h"
#include "core/output/photo_cache.h"
#include "core/tmdb/fetcher.h"

namespace output = ravello::output;
using ravello::app::fromWindows1252;
using ravello::app::TmdbWait;
using ravello::app::toWindows1252;

void TForm1::connectOutputHandlers()
{
    loadCrewMapping();
    const ravello::app::CastPage& cast = *m_filmPages->cast();
    ravello::app::PhotoPage& castPhotos = *m_filmPages->castPhotos();
    ravello::app::PhotoPage& crewPhotos = *m_filmPages->crewPhotos();
    const std::pair<QPushButton*, void (TForm1::*)()> buttons[] = {
        {cast.copyCast(), &TForm1::CopyClick},
        {cast.copyCrew(), &TForm1::Button1Click},
        {castPhotos.copyButton(), &TForm1::BTN_CopiaPhotoClick},
        {crewPhotos.copyButton(), &TForm1::BTN_CopiaPhoto2Click}};
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
    ravello::app::RowActivation::attach(castPhotos.list(), [this] { LST_CastMDB2DblClick(); });
    ravello::app::RowActivation::attach(crewPhotos.list(), [this] { LST_CrewMDB2DblClick(); });
    for (QWidget* field : m_filmPages->data()->copiedFields()) {
        // A plain text edit receives its mouse events on its viewport.
        if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
            memo->viewport()->installEventFilter(this);
        else
            field->installEventFilter(this);
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && qobject_cast<QPlainTextEdit*>(widget->parentWidget()))
            widget = widget->parentWidget();
        if (widget)
            EDT_TitoloMDBClick(widget);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::EDT_TitoloMDBClick(QWidget* field)
{
    if (!m_filmPages->data()->copiedFields().contains(field))
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
        QGuiApplication::clipboard()->setText(edit->text());
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        memo->selectAll();
        QGuiApplication::clipboard()->setText(memo->toPlainText());
    }
}

void TForm1::CopyClick()
{
    // A cancelled lookup of the birth years leaves the clipboard as it was.
    const auto years = birthYearsOf(output::PhotoList::Cast, m_shownFilm.credits.castPhoto);
    if (!years)
        return;
    const std::string title = toWindows1252(m_filmPages->data()->tmdb().title->text());
    const std::string document =
        output::buildCastInformationFromRows(title, m_shownFilm.credits.cast, years->years);
    QGuiApplication::clipboard()->setText(fromWindows1252(document));
    setStatusText(missingYearsText(*years));
}

void TForm1::Button1Click()
{
    const auto years = birthYearsOf(output::PhotoList::Crew, m_shownFilm.credits.crewPhoto);
    if (!years)
        return;
    const std::string title = toWindows1252(m_filmPages->data()->tmdb().title->text());
    const output::CrewDocument document = output::buildCrewInformationFromRows(
        title, m_shownFilm.credits.crew, m_crewMapping->mapping, m_filmPages->cast()->crewGroups(),
        years->years);
    QGuiApplication::clipboard()->setText(fromWindows1252(document.text));
    showCrewReport(document, missingYearsText(*years));
}

void TForm1::LST_CastMDB2DblClick()
{
    showPersonPhoto(false);
}
void TForm1::LST_CrewMDB2DblClick()
{
    showPersonPhoto(true);
}

void TForm1::showPersonPhoto(bool crew)
{
    ravello::app::PhotoPage& page = *(crew ? m_filmPages->crewPhotos() : m_filmPages->castPhotos());
    const std::vector<std::string>& rows =
        crew ? m_shownFilm.credits.crewPhoto : m_shownFilm.credits.castPhoto;
    const int selected = page.list()->currentRow();
    if (selected < 0 || static_cast<std::size_t>(selected) >= rows.size())
        return;
    const std::string& row = rows[static_cast<std::size_t>(selected)];
    const output::PhotoRequest request =
        crew ? output::photoRequestFromCrewRow(row) : output::photoRequestFromCastRow(row);
    output::PhotoCache cache(m_folders, currentEndpoint(), *m_fetcher);
    output::PhotoResult result;
    {
        const TmdbWait::Scope wait(*m_wait);
        result = cache.photo(crew ? output::PhotoList::Crew : output::PhotoList::Cast, request);
    }
    if (result.fetch.problem == ravello::tmdb::FetchProblem::Cancelled)
        return;
    if (result.problem == output::PhotoProblem::DownloadFailed) {
        showError(ravello::app::fetchFailureText(result.fetch, m_messages, m_languageIndex),
                  message("MSG_Errore"));
        return;
    }
    QImage photo;
    if (result.ok() &&
        !photo.load(QString::fromStdString(ravello::files::utf8FromPath(result.file)))) {
        // Bytes that are no picture are dropped, so the next double-click fetches them again.
        output::PhotoCache::discard(result.file);
    }
    if (photo.isNull()) {
        // TMDb simply has no photo of this person: information, not an error.
        showInformation(message("MSG_NessunaImmagine"), message("MSG_Informazione"));
        return;
    }
    page.showPhoto(photo);
}

void TForm1::copyPhoto(const QImage& photo)
{
    // With no photo shown the clipboard keeps what it holds.
    if (!photo.isNull())
        QGuiApplication::clipboard()->setImage(photo);
}

void TForm1::BTN_CopiaPhotoClick()
{
    copyPhoto(m_filmPages->castPhotos()->photo());
}
void TForm1::BTN_CopiaPhoto2Click()
{
    copyPhoto(m_filmPages->crewPhotos()->photo());
}
