// SPDX-License-Identifier: MIT
// The main window's handlers that hand data to DVD Profiler through the clipboard: the cast
// and crew documents, the photos, and single data fields.
#include <QAbstractButton>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "app/busy_scope.h"
#include "app/credit_list_delegate.h"
#include "app/fetch_failure_text.h"
#include "app/main_window.h"
#include "app/text_conversion.h"
#include "core/files/path_text.h"
#include "core/output/cast_information.h"
#include "core/output/crew_information.h"
#include "core/output/photo_cache.h"
#include "core/tmdb/fetcher.h"

namespace output = ravello::output;
using ravello::app::BusyScope;
using ravello::app::fromWindows1252;
using ravello::app::kRowBytesRole;
using ravello::app::toWindows1252;

namespace {

// The data fields whose click copies their whole text.
constexpr const char* kCopiedFields[] = {"EDT_TitoloMDB", "EDT_TitoloOriMDB", "EDT_AnnoMDB",
                                         "EDT_DurataMDB", "EDT_SinossiMDB"};

bool isChecked(const QObject& window, const char* name)
{
    return window.findChild<QAbstractButton*>(QLatin1String(name))->isChecked();
}

} // namespace

void TForm1::connectOutputHandlers()
{
    const std::pair<const char*, void (TForm1::*)()> buttons[] = {
        {"Copy", &TForm1::CopyClick},
        {"Button1", &TForm1::Button1Click},
        {"BTN_CopiaPhoto", &TForm1::BTN_CopiaPhotoClick},
        {"BTN_CopiaPhoto2", &TForm1::BTN_CopiaPhoto2Click}};
    for (const auto& [name, handler] : buttons) {
        connect(findChild<QAbstractButton*>(QLatin1String(name)), &QAbstractButton::clicked, this,
                handler);
    }
    connect(findChild<QListWidget*>(QStringLiteral("LST_CastMDB2")),
            &QListWidget::itemDoubleClicked, this, &TForm1::LST_CastMDB2DblClick);
    connect(findChild<QListWidget*>(QStringLiteral("LST_CrewMDB2")),
            &QListWidget::itemDoubleClicked, this, &TForm1::LST_CrewMDB2DblClick);
    for (const char* name : kCopiedFields) {
        QWidget* field = findChild<QWidget*>(QLatin1String(name));
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
    for (const char* name : kCopiedFields) {
        if (field->objectName() != QLatin1String(name))
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            edit->selectAll();
            QGuiApplication::clipboard()->setText(edit->text());
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
            memo->selectAll();
            QGuiApplication::clipboard()->setText(memo->toPlainText());
        }
        return;
    }
}

void TForm1::CopyClick()
{
    const std::string title =
        toWindows1252(findChild<QLineEdit*>(QStringLiteral("EDT_TitoloMDB"))->text());
    const std::string document =
        output::buildCastInformationFromRows(title, creditRows("LST_CastMDB"));
    QGuiApplication::clipboard()->setText(fromWindows1252(document));
}

void TForm1::Button1Click()
{
    const std::string title =
        toWindows1252(findChild<QLineEdit*>(QStringLiteral("EDT_TitoloMDB"))->text());
    const output::CrewGroups groups{isChecked(*this, "CBO_Fotografia"),
                                    isChecked(*this, "CBO_Sound"), isChecked(*this, "CBO_Arte"),
                                    isChecked(*this, "CBO_Altro")};
    const std::string document =
        output::buildCrewInformationFromRows(title, creditRows("LST_CrewMDB"), groups);
    QGuiApplication::clipboard()->setText(fromWindows1252(document));
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
    const auto* list =
        findChild<QListWidget*>(QLatin1String(crew ? "LST_CrewMDB2" : "LST_CastMDB2"));
    const QListWidgetItem* selected = list->currentItem();
    if (!selected)
        return;
    const std::string row = selected->data(kRowBytesRole).toByteArray().toStdString();
    const output::PhotoRequest request =
        crew ? output::photoRequestFromCrewRow(row) : output::photoRequestFromCastRow(row);
    output::PhotoCache cache(m_folders, currentEndpoint(),
                             [this](const std::string& url, const std::filesystem::path& target) {
                                 return m_fetcher->downloadToFile({url, {}}, target);
                             });
    output::PhotoResult result;
    {
        const BusyScope busy(m_busy);
        result = cache.photo(crew ? output::PhotoList::Crew : output::PhotoList::Cast, request);
    }
    const QString noImages = message("MSG_NessunaImmagine");
    if (result.problem == output::PhotoProblem::DownloadFailed) {
        showError(QString::fromStdString(ravello::app::fetchFailureText(result.fetch)),
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
        showError(noImages, message("MSG_Errore"));
        return;
    }
    (crew ? m_crewPhoto : m_castPhoto) = photo;
    auto* image = findChild<QLabel*>(QLatin1String(crew ? "IMG_Crew" : "IMG_Cast"));
    image->setPixmap(QPixmap::fromImage(photo).scaled(image->size(), Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation));
}

void TForm1::copyPhoto(const QImage& photo)
{
    // With no photo shown the clipboard keeps what it holds.
    if (!photo.isNull())
        QGuiApplication::clipboard()->setImage(photo);
}

void TForm1::BTN_CopiaPhotoClick()
{
    copyPhoto(m_castPhoto);
}
void TForm1::BTN_CopiaPhoto2Click()
{
    copyPhoto(m_crewPhoto);
}
