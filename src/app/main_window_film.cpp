// SPDX-License-Identifier: MIT
// The main window's TMDb handlers: the film search and opening a film from its result.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/busy_scope.h"
#include "app/credit_list_delegate.h"
#include "app/fetch_failure_text.h"
#include "app/main_window.h"
#include "app/text_conversion.h"
#include "core/files/path_text.h"
#include "core/output/credit_line_text.h"
#include "core/settings/settings.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/film_search.h"
#include "core/tmdb/result_line.h"

namespace tmdb = ravello::tmdb;
using ravello::app::BusyScope;
using ravello::app::CreditListDelegate;
using ravello::app::fromWindows1252;
using ravello::app::kRowBytesRole;

namespace {

constexpr int kResultItemHeight = 32;

struct CreditListName
{
    const char* name;
    ravello::output::CreditList kind;
};
constexpr CreditListName kCreditLists[] = {
    {"LST_CastMDB", ravello::output::CreditList::Cast},
    {"LST_CrewMDB", ravello::output::CreditList::Crew},
    {"LST_CastMDB2", ravello::output::CreditList::CastPhoto},
    {"LST_CrewMDB2", ravello::output::CreditList::CrewPhoto},
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
    m_fetcher->setProgressCallback([](std::chrono::milliseconds) {
        BusyScope::repaint();
        return tmdb::WaitChoice::KeepWaiting;
    });
    auto* results = findChild<QListWidget*>(QStringLiteral("ListaFilmTrovati"));
    results->setFont(resultFont());
    connect(results, &QListWidget::itemDoubleClicked, this, &TForm1::ListaFilmTrovatiDblClick);
    connect(findChild<QPushButton*>(QStringLiteral("BTN_Cerca")), &QPushButton::clicked, this,
            &TForm1::BTN_CercaClick);
    const QPixmap marker = findChild<QLabel*>(QStringLiteral("IMG_Attore"))->pixmap();
    for (const CreditListName& list : kCreditLists) {
        auto* widget = findChild<QListWidget*>(QLatin1String(list.name));
        widget->setItemDelegate(new CreditListDelegate(list.kind, marker, widget));
        widget->setFont(CreditListDelegate::rowFont());
    }
}

tmdb::Endpoint TForm1::currentEndpoint() const
{
    ravello::settings::Settings current;
    current.tmdbKey = m_keyEdit->text().trimmed().toStdString();
    current.tmdbLanguage = m_tmdbLanguageBox->currentText().toStdString();
    return tmdb::Endpoint::fromSettings(current);
}

void TForm1::showError(const QString& text, const QString& title)
{
    if (m_showError)
        m_showError(text, title);
    else
        QMessageBox::critical(this, title, text);
}

void TForm1::BTN_CercaClick()
{
    const tmdb::Endpoint endpoint = currentEndpoint();
    if (!endpoint.hasUsableKey()) {
        showError(message("MSG_ChiaveNonDefinita"), QStringLiteral("Error"));
        return;
    }
    tmdb::SearchOutcome outcome;
    {
        const BusyScope busy(m_busy);
        outcome = tmdb::searchFilms(endpoint, *m_fetcher, m_searchEdit->text().toStdString());
    }
    if (!outcome.fetch.ok()) {
        showError(utf8(ravello::app::fetchFailureText(outcome.fetch)), QStringLiteral("Error"));
        return;
    }
    auto* results = findChild<QListWidget*>(QStringLiteral("ListaFilmTrovati"));
    results->clear();
    for (const std::string& line : outcome.lines) {
        auto* item =
            new QListWidgetItem(fromWindows1252(tmdb::readResultLine(line).displayText).trimmed());
        item->setData(kRowBytesRole, QByteArray::fromStdString(line));
        item->setSizeHint(QSize(0, kResultItemHeight));
        // The item carries its own font: a style sheet's repolish on a style change gives the
        // list back the font it had when first polished.
        item->setFont(resultFont());
        results->addItem(item);
    }
}

void TForm1::ListaFilmTrovatiDblClick()
{
    auto* results = findChild<QListWidget*>(QStringLiteral("ListaFilmTrovati"));
    const QListWidgetItem* item = results->currentItem();
    if (!item)
        return;
    const std::string line = item->data(kRowBytesRole).toByteArray().toStdString();
    const tmdb::Endpoint endpoint = currentEndpoint();
    tmdb::FilmCache cache(m_folders, endpoint, *m_fetcher);
    tmdb::FilmOpening opening;
    {
        const BusyScope busy(m_busy);
        opening = cache.open(line);
    }
    showFilmOpening(opening);
    // The steps are independent, so each failure is told; one box says them all.
    QStringList failures;
    for (const tmdb::OpeningFailure& failure : opening.failures) {
        const QString text = utf8(ravello::app::fetchFailureText(failure.fetch));
        if (!failures.contains(text))
            failures << text;
    }
    if (!failures.isEmpty()) {
        showError(
            failures.join(QStringLiteral("\n\n")),
            QString::fromLatin1(ravello::app::fetchFailureTitle(opening.failures.front().step)));
    }
}

void TForm1::showFilmOpening(const tmdb::FilmOpening& opening)
{
    showFilmCover(opening);
    const tmdb::FilmDataPage& page = opening.dataPage;
    findChild<QLineEdit*>(QStringLiteral("EDT_IDMDB"))->setText(utf8(page.filmId));
    const std::pair<const char*, const std::optional<std::string>*> fields[] = {
        {"EDT_TitoloMDB", &page.title},
        {"EDT_TitoloOriMDB", &page.originalTitle},
        {"EDT_AnnoMDB", &page.year},
        {"EDT_DurataMDB", &page.runningTime}};
    for (const auto& [name, value] : fields) {
        if (*value)
            findChild<QLineEdit*>(QLatin1String(name))->setText(fromWindows1252(**value));
    }
    if (page.overview) {
        findChild<QPlainTextEdit*>(QStringLiteral("EDT_SinossiMDB"))
            ->setPlainText(fromWindows1252(*page.overview));
    }
    if (opening.credits) {
        fillCreditList("LST_CastMDB", opening.credits->cast);
        fillCreditList("LST_CrewMDB", opening.credits->crew);
        fillCreditList("LST_CastMDB2", opening.credits->castPhoto);
        fillCreditList("LST_CrewMDB2", opening.credits->crewPhoto);
    }
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
    for (const char* name : {"IMG_CoverMDB", "IMG_CoverMDB1"}) {
        auto* image = findChild<QLabel*>(QLatin1String(name));
        image->setPixmap(
            cover.scaled(image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

void TForm1::fillCreditList(const char* listName, const std::vector<std::string>& rows)
{
    auto* list = findChild<QListWidget*>(QLatin1String(listName));
    const auto kind = std::find_if(std::begin(kCreditLists), std::end(kCreditLists),
                                   [&](const CreditListName& entry) {
                                       return std::string_view(entry.name) == listName;
                                   })
                          ->kind;
    list->clear();
    for (const std::string& row : rows) {
        // The item's text is what the row shows, for the screen reader; the painting and the
        // documents read the row's own bytes.
        auto* item =
            new QListWidgetItem(fromWindows1252(ravello::output::paintCreditRow(kind, row).text));
        item->setData(kRowBytesRole, QByteArray::fromStdString(row));
        list->addItem(item);
    }
}

std::vector<std::string> TForm1::creditRows(const char* listName) const
{
    const auto* list = findChild<QListWidget*>(QLatin1String(listName));
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(list->count()));
    for (int row = 0; row < list->count(); ++row)
        rows.push_back(list->item(row)->data(kRowBytesRole).toByteArray().toStdString());
    return rows;
}
