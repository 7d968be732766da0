// SPDX-License-Identifier: MIT
// The main window's TMDb handlers: the film search and opening a film from its result.
#include <array>
#include <optional>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include "app/archive_page.h"
#include "app/cast_page.h"
#include "app/cover_page.h"
#include "app/credit_list_delegate.h"
#include "app/data_page.h"
#include "app/fetch_failure_text.h"
#include "app/film_pages.h"
#include "app/main_window.h"
#include "app/photo_page.h"
#include "app/program_page.h"
#include "app/row_activation.h"
#include "app/search_panel.h"
#include "app/settings_pages.h"
#include "app/text_conversion.h"
#include "app/tmdb_wait.h"
#include "core/files/path_text.h"
#include "core/output/credit_line_text.h"
#include "core/settings/settings.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/film_search.h"
#include "core/tmdb/result_line.h"

namespace tmdb = ravello::tmdb;
using ravello::app::CreditListDelegate;
using ravello::app::fromWindows1252;
using ravello::app::RowActivation;
using ravello::app::TmdbWait;
using ravello::app::toWindows1252;
using ravello::output::CreditList;

namespace {

constexpr int kResultItemHeight = 32;

// Each credit list with the film's rows it shows, in the order of TForm1::creditLists().
struct CreditListRows
{
    CreditList kind;
    std::vector<std::string> tmdb::CreditLists::*rows;
};
constexpr CreditListRows kCreditListRows[] = {
    {CreditList::Cast, &tmdb::CreditLists::cast},
    {CreditList::Crew, &tmdb::CreditLists::crew},
    {CreditList::CastPhoto, &tmdb::CreditLists::castPhoto},
    {CreditList::CrewPhoto, &tmdb::CreditLists::crewPhoto},
};

// Tahoma at 21 pixels, or a close sans-serif where it is missing.
QFont resultFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(21);
    return font;
}

QString utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

void TForm1::connectFilmHandlers()
{
    m_fetcher = std::make_unique<tmdb::Fetcher>();
    m_fetcher->setProgressCallback([this](std::chrono::milliseconds waited) {
        return m_wait->keepWaiting(message("MSG_AttesaTMDb"), waited)
                   ? tmdb::WaitChoice::KeepWaiting
                   : tmdb::WaitChoice::Cancel;
    });
    QListWidget* results = m_programPage->results();
    results->setFont(resultFont());
    RowActivation::attach(results, [this] { ListaFilmTrovatiDblClick(); });
    connect(m_search->searchButton(), &QPushButton::clicked, this, &TForm1::BTN_CercaClick);
    // Enter in the search text searches, as the button does.
    connect(m_search->searchEdit(), &QLineEdit::returnPressed, this, &TForm1::BTN_CercaClick);
    const QPixmap marker = m_filmPages->photoMarker();
    const std::array<QListWidget*, 4> lists = creditLists();
    for (std::size_t index = 0; index < lists.size(); ++index) {
        const CreditListRows& part = kCreditListRows[index];
        lists[index]->setItemDelegate(new CreditListDelegate(
            part.kind, m_shownFilm.credits.*part.rows, marker, lists[index]));
        lists[index]->setFont(CreditListDelegate::rowFont());
        // Each row is measured: one sample row's width would cut the longer ones.
        lists[index]->setUniformItemSizes(false);
    }
}

std::array<QListWidget*, 4> TForm1::creditLists() const
{
    const ravello::app::CastPage& cast = *m_filmPages->cast();
    return {cast.castList(), cast.crewList(), m_filmPages->castPhotos()->list(),
            m_filmPages->crewPhotos()->list()};
}

tmdb::Endpoint TForm1::currentEndpoint() const
{
    ravello::settings::Settings current;
    current.tmdbKey = m_archive->keyEdit()->text().trimmed().toStdString();
    current.tmdbLanguage = m_archive->tmdbLanguageBox()->currentText().toStdString();
    return tmdb::Endpoint::fromSettings(current, m_hosts);
}

void TForm1::showError(const QString& text, const QString& title)
{
    if (m_showError)
        m_showError(text, title);
    else
        QMessageBox::critical(this, title, text);
}

bool TForm1::hasTmdbKey()
{
    if (currentEndpoint().hasUsableKey())
        return true;
    // Nothing is sent without a key of the user's: the message says so and the key field is
    // where it is entered.
    showError(message("MSG_ChiaveNonDefinita"), message("MSG_Errore"));
    m_pagine->setCurrentWidget(m_settingsPages);
    m_settingsPages->tabs()->setCurrentWidget(m_archive);
    m_archive->keyEdit()->setFocus(Qt::OtherFocusReason);
    return false;
}

void TForm1::showInformation(const QString& text, const QString& title)
{
    if (m_showError)
        m_showError(text, title);
    else
        QMessageBox::information(this, title, text);
}

void TForm1::setStatusText(const QString& text)
{
    statusBar()->showMessage(text);
    // Setting the description tells assistive technology that the bar changed.
    statusBar()->setAccessibleDescription(text);
}

void TForm1::BTN_CercaClick()
{
    if (!hasTmdbKey())
        return;
    const tmdb::Endpoint endpoint = currentEndpoint();
    tmdb::SearchOutcome outcome;
    {
        const TmdbWait::Scope wait(*m_wait);
        outcome =
            tmdb::searchFilms(endpoint, *m_fetcher, m_search->searchEdit()->text().toStdString());
    }
    // A cancelled search leaves the results as they were.
    if (outcome.fetch.problem == tmdb::FetchProblem::Cancelled)
        return;
    if (!outcome.fetch.ok()) {
        // No old results stay under the new search text.
        m_programPage->results()->clear();
        m_resultLines.clear();
        setStatusText(message("MSG_RicercaFallita"));
        showError(ravello::app::fetchFailureText(outcome.fetch, m_messages, m_languageIndex),
                  message("MSG_Errore"));
        return;
    }
    // The line of an earlier failed search does not stay over these results.
    setStatusText({});
    const tmdb::WantedFilm wanted = wantedFilm();
    outcome.films = tmdb::rankFoundFilms(std::move(outcome.films), wanted);
    showResults(outcome, wanted);
}

tmdb::WantedFilm TForm1::wantedFilm() const
{
    const std::string typed = toWindows1252(m_search->searchEdit()->text());
    if (m_pickedFilm && m_pickedFilm->title == typed)
        return *m_pickedFilm;
    return {typed, {}, 0};
}

// The results best first; the first is selected, so that Enter opens it, and marked when its
// title is the one searched for.
void TForm1::showResults(const tmdb::SearchOutcome& outcome, const tmdb::WantedFilm& wanted)
{
    QListWidget* results = m_programPage->results();
    results->clear();
    m_resultLines = outcome.lines();
    for (const tmdb::FoundFilm& film : outcome.films) {
        auto* item = new QListWidgetItem(fromWindows1252(tmdb::shownResultText(film.line)));
        item->setSizeHint(QSize(0, kResultItemHeight));
        // The item carries its own font: a style sheet's repolish on a style change gives the
        // list back the font it had when first polished.
        QFont font = resultFont();
        const bool match = results->count() == 0 && tmdb::hasWantedTitle(film, wanted);
        font.setBold(match);
        item->setFont(font);
        if (match)
            item->setToolTip(message("MSG_FilmCorrispondente"));
        results->addItem(item);
    }
    // The first result is selected and the list takes the focus, so that Enter opens it.
    if (results->count() > 0) {
        results->setCurrentRow(0);
        results->setFocus(Qt::OtherFocusReason);
    }
}

void TForm1::ListaFilmTrovatiDblClick()
{
    const int row = m_programPage->results()->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_resultLines.size())
        return;
    if (!hasTmdbKey())
        return;
    const tmdb::Endpoint endpoint = currentEndpoint();
    tmdb::FilmCache cache(m_folders, endpoint, *m_fetcher);
    tmdb::FilmOpening opening;
    {
        const TmdbWait::Scope wait(*m_wait);
        opening = cache.open(m_resultLines[static_cast<std::size_t>(row)]);
    }
    // A cancelled opening changes nothing: the film shown stays whole, and no box is needed.
    if (opening.wasCancelled())
        return;
    showFilmOpening(opening);
    // The steps are independent, so each failure is told; one box says them all.
    QStringList failures;
    for (const tmdb::OpeningFailure& failure : opening.failures) {
        const QString text =
            ravello::app::fetchFailureText(failure.fetch, m_messages, m_languageIndex);
        if (!failures.contains(text))
            failures << text;
    }
    if (!failures.isEmpty()) {
        showError(failures.join(QStringLiteral("\n\n")),
                  ravello::app::openingFailureTitle(opening.failures.front().step, m_messages,
                                                    m_languageIndex));
    }
}

void TForm1::showFilmOpening(const tmdb::FilmOpening& opening)
{
    // An opening that failed at its details or credits changes no page: the pages and the copy
    // buttons go on with the film they had, whole.
    if (!m_shownFilm.take(opening))
        return;
    showFilmCover(opening);
    showDataFields(m_shownFilm.dataPage);
    fillCreditLists();
    m_filmPages->castPhotos()->clearPhoto();
    m_filmPages->crewPhotos()->clearPhoto();
}

void TForm1::showDataFields(const tmdb::FilmDataPage& page)
{
    const ravello::app::FilmFields& fields = m_filmPages->data()->tmdb();
    fields.id->setText(utf8(page.filmId));
    const std::pair<QLineEdit*, const std::optional<std::string>*> edits[] = {
        {fields.title, &page.title},
        {fields.originalTitle, &page.originalTitle},
        {fields.year, &page.year},
        {fields.runningTime, &page.runningTime}};
    // Every field is the shown film's: one its document lacks is emptied.
    for (const auto& [edit, value] : edits)
        edit->setText(fromWindows1252(value->value_or("")));
    fields.overview->setPlainText(fromWindows1252(page.overview.value_or("")));
    const QString note = page.overviewInEnglish ? message("MSG_SinossiInglese") : QString();
    fields.overview->setToolTip(note);
    fields.overview->setAccessibleDescription(note);
}

void TForm1::showFilmCover(const tmdb::FilmOpening& opening)
{
    QPixmap cover;
    if (opening.coverFile) {
        cover.load(utf8(ravello::files::utf8FromPath(*opening.coverFile)));
        // A cover that is no picture is fetched again at the next opening.
        if (cover.isNull())
            tmdb::FilmCache(m_folders, currentEndpoint(), *m_fetcher).forgetCover(opening.filmId);
    }
    if (cover.isNull())
        cover = notFoundPicture();
    for (QLabel* image : {m_filmPages->cover()->tmdbCover(), m_filmPages->data()->tmdb().cover}) {
        image->setPixmap(
            cover.scaled(image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

void TForm1::fillCreditLists()
{
    const std::array<QListWidget*, 4> lists = creditLists();
    for (std::size_t index = 0; index < lists.size(); ++index) {
        const CreditListRows& part = kCreditListRows[index];
        lists[index]->clear();
        // An item's text is what its row shows, for the screen reader; the painting and the
        // documents read the film's rows.
        for (const std::string& row : m_shownFilm.credits.*part.rows)
            lists[index]->addItem(
                fromWindows1252(ravello::output::paintCreditRow(part.kind, row).text));
    }
}
