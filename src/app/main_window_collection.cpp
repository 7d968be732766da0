// SPDX-License-Identifier: MIT
// The main window's handlers for the user's collection: import with progress, title browsing,
// the locations of DVD Profiler's files and the re-import question.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

#include "app/archive_page.h"
#include "app/busy_scope.h"
#include "app/cover_page.h"
#include "app/data_page.h"
#include "app/film_pages.h"
#include "app/main_window.h"
#include "app/search_panel.h"
#include "app/text_conversion.h"
#include "core/collection/collection_import.h"
#include "core/collection/dvd_profiler_locations.h"
#include "core/collection/export_timestamp.h"
#include "core/collection/title_browser.h"
#include "core/collection/title_list.h"
#include "core/files/path_text.h"
#include "core/platform/user_folders.h"
#include "core/text/text_fields.h"

namespace collection = ravello::collection;
using ravello::app::fromWindows1252;
using ravello::app::toWindows1252;

namespace {

// The status bar follows an import at this pace rather than at every record.
constexpr int kProgressIntervalMs = 40;

void showPicture(QLabel* image, const QPixmap& picture)
{
    image->setPixmap(picture.scaled(image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

void TForm1::connectCollectionHandlers()
{
    connect(m_search->searchEdit(), &QLineEdit::textChanged, this, &TForm1::EDT_CercaManualeChange);
    connect(m_search->titleCombo(), &QComboBox::activated, this, &TForm1::CBB_TitoliDVDPChange);
    connect(m_search->numberSpin(), &QSpinBox::valueChanged, this, &TForm1::SPN_NumeroChange);
    connect(m_search->occurrenceSpin(), &QSpinBox::valueChanged, this, &TForm1::SPN_Numero1Change);
    const std::pair<QPushButton*, void (TForm1::*)()> buttons[] = {
        {m_search->resetButton(), &TForm1::BTN_AzzeraClick},
        {m_archive->exportFileBrowse(), &TForm1::BTN_Cerca1Click},
        {m_archive->dvdProfilerFolderBrowse(), &TForm1::BTN_Cerca2Click},
        {m_archive->importButton(), &TForm1::BTN_RielaboraClick}};
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
}

std::filesystem::path TForm1::exportFile() const
{
    return ravello::files::pathFromUtf8(m_archive->exportFileEdit()->text().toStdString());
}

void TForm1::runImport()
{
    const ravello::app::BusyScope busy(m_busy);
    m_importProgress->setRange(0, 1000);
    m_importProgress->setValue(0);
    m_importProgress->setVisible(true);
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    const QString prefix = message("MSG_ImportazioneFilm");
    auto showProgress = [&](const collection::ImportProgress& progress) {
        statusBar()->showMessage(prefix + QLatin1Char(' ') + QString::number(progress.filmNumber));
        if (progress.totalBytes > 0)
            m_importProgress->setValue(
                static_cast<int>(progress.bytesRead * 1000 / progress.totalBytes));
        ravello::app::BusyScope::repaint();
    };
    const collection::ImportResult result = collection::importCollection(
        exportFile(), m_folders.titleIndexFile(), [&](const collection::ImportProgress& progress) {
            if (sinceRepaint.elapsed() >= kProgressIntervalMs) {
                showProgress(progress);
                sinceRepaint.restart();
            }
        });
    if (result.exportStamp)
        m_exportStamp = *result.exportStamp;
    m_importProgress->setVisible(false);
    switch (result.status) {
    case collection::ImportStatus::Imported:
        setStatusText(message("MSG_ImportazioneRiuscita")
                          .arg(result.records)
                          .arg(result.skipped)
                          .arg(result.unnumbered));
        break;
    case collection::ImportStatus::ExportUnreadable:
    case collection::ImportStatus::IndexNotWritten: {
        const bool unreadable = result.status == collection::ImportStatus::ExportUnreadable;
        const QString text =
            message(unreadable ? "MSG_ArchivioIlleggibile" : "MSG_IndiceNonScritto")
                .arg(QString::fromStdString(result.detail));
        setStatusText(text.section(QLatin1Char('\r'), 0, 0));
        // A missing export on a first start is told by the status bar's next step alone.
        if (!unreadable || std::filesystem::exists(exportFile()))
            showError(text, message("MSG_Errore"));
        break;
    }
    }
}

void TForm1::reloadTitleIndex()
{
    const collection::IndexLoad load = m_titleBrowser->loadTitleIndex(
        m_folders.titleIndexFile(), toWindows1252(m_search->searchEdit()->text()));
    collection::ListUpdate update;
    update.items = load.items;
    showTitleList(update);
    if (!load.found)
        m_search->titleCombo()->addItem(message("MSG_DatabaseNonTrovato"));
    // A re-import keeps the user's place: the title on show stays, with its new fields.
    if (load.shownView)
        showTitleView(*load.shownView);
    QSpinBox* numberSpin = m_search->numberSpin();
    const QSignalBlocker blocker(numberSpin);
    numberSpin->setRange(load.largestCollectionNumber > 0 ? 1 : 0, load.largestCollectionNumber);
}

void TForm1::askToImportChangedExport()
{
    if (!collection::exportChanged(exportFile(), m_exportStamp))
        return;
    const QString text = message("MSG_VersioneDiversa");
    const QString title = message("MSG_Domanda");
    const bool yes = m_askQuestion ? m_askQuestion(text, title)
                                   : QMessageBox::question(this, title, text) == QMessageBox::Yes;
    if (!yes)
        return;
    runImport();
    reloadTitleIndex();
}

void TForm1::showTitleList(const collection::ListUpdate& update)
{
    if (update.hideView) {
        m_filmPages->cover()->collectionNumber()->setText(QStringLiteral("0"));
        m_filmPages->data()->dvd().id->setText(QStringLiteral("0"));
        m_filmPages->setTitleViewVisible(false);
    }
    QComboBox* titles = m_search->titleCombo();
    titles->clear();
    for (const std::string& listText : update.items) {
        titles->addItem(fromWindows1252(collection::shownTitleOf(listText)),
                        QByteArray::fromStdString(listText));
    }
}

void TForm1::writeSearchText(const std::string& text)
{
    // The choice already holds the refilled list; the box's own handler must not run again.
    const QSignalBlocker blocker(m_search->searchEdit());
    m_search->searchEdit()->setText(fromWindows1252(text));
}

void TForm1::showTitleChoice(const collection::TitleChoice& choice)
{
    const ravello::app::CoverPage& cover = *m_filmPages->cover();
    const ravello::app::DataPage& dataPage = *m_filmPages->data();
    const QString number = QString::number(choice.collectionNumber);
    cover.collectionNumber()->setText(number);
    dataPage.dvd().id->setText(number);
    if (choice.occurrenceFieldsVisible) {
        const QString occurrence = QString::number(choice.occurrence);
        cover.occurrence()->setText(occurrence);
        dataPage.occurrence()->setText(occurrence);
        dataPage.occurrence()->setVisible(*choice.occurrenceFieldsVisible);
        dataPage.occurrenceCaption()->setVisible(*choice.occurrenceFieldsVisible);
    }
    if (choice.occurrenceMaximum) {
        QSpinBox* occurrenceSpin = m_search->occurrenceSpin();
        const QSignalBlocker blocker(occurrenceSpin);
        occurrenceSpin->setRange(1, *choice.occurrenceMaximum);
        occurrenceSpin->setValue(1);
        occurrenceSpin->setVisible(*choice.occurrenceMaximum >= 2);
    }
    m_filmPages->setTitleViewVisible(true);
    if (choice.searchText) {
        writeSearchText(*choice.searchText);
        showTitleList(choice.list);
        if (choice.view)
            m_pickedFilm = ravello::tmdb::WantedFilm{
                *choice.searchText, choice.view->originalTitle.value_or(std::string()),
                ravello::text::toLong(choice.view->productionYear)};
    }
    if (choice.view)
        showTitleView(*choice.view);
}

QPixmap TForm1::notFoundPicture() const
{
    QPixmap picture(
        QString::fromStdString(ravello::files::utf8FromPath(m_startupFolder / "NonTrovata.jpg")));
    return picture.isNull() ? QPixmap(QStringLiteral(":/pictures/NonTrovata.jpg")) : picture;
}

void TForm1::showTitleView(const collection::TitleView& view)
{
    QPixmap cover;
    if (view.coverFile)
        cover.load(QString::fromStdString(ravello::files::utf8FromPath(*view.coverFile)));
    if (cover.isNull())
        cover = notFoundPicture();
    const ravello::app::FilmFields& fields = m_filmPages->data()->dvd();
    showPicture(m_filmPages->cover()->dvdCover(), cover);
    showPicture(fields.cover, cover);
    fields.title->setText(fromWindows1252(view.title));
    if (view.originalTitle)
        fields.originalTitle->setText(fromWindows1252(*view.originalTitle));
    fields.year->setText(fromWindows1252(view.productionYear));
    fields.runningTime->setText(fromWindows1252(view.runningTime));
    fields.overview->setPlainText(fromWindows1252(view.overview));
}

void TForm1::EDT_CercaManualeChange()
{
    showTitleList(m_titleBrowser->searchTextChanged(toWindows1252(m_search->searchEdit()->text())));
}

void TForm1::BTN_AzzeraClick()
{
    writeSearchText({});
    showTitleList(m_titleBrowser->clearSearch());
}

void TForm1::CBB_TitoliDVDPChange()
{
    const QByteArray listText = m_search->titleCombo()->currentData().toByteArray();
    if (listText.isEmpty())
        return;
    showTitleChoice(m_titleBrowser->chooseListItem(listText.toStdString()));
}

void TForm1::SPN_NumeroChange()
{
    if (const auto choice = m_titleBrowser->chooseNumber(m_search->numberSpin()->value()))
        showTitleChoice(*choice);
}

void TForm1::SPN_Numero1Change()
{
    QSpinBox* occurrenceSpin = m_search->occurrenceSpin();
    const auto choice =
        m_titleBrowser->chooseOccurrence(m_search->numberSpin()->value(), occurrenceSpin->value());
    if (!choice)
        return;
    {
        const QSignalBlocker blocker(occurrenceSpin);
        occurrenceSpin->setValue(choice->occurrence);
    }
    showTitleChoice(*choice);
}

void TForm1::BTN_Cerca1Click()
{
    const QString filter = message("MSG_ArchivioEsportato") + QStringLiteral("(*.xml);;") +
                           message("MSG_TuttiIFiles") + QStringLiteral("(*)");
    QLineEdit* exportFileEdit = m_archive->exportFileEdit();
    const QString chosen =
        QFileDialog::getOpenFileName(this, QString(), exportFileEdit->text(), filter);
    if (!chosen.isEmpty())
        exportFileEdit->setText(QDir::toNativeSeparators(chosen));
}

void TForm1::BTN_Cerca2Click()
{
    const QString filter = message("MSG_ArchivioDVDP") + QStringLiteral("(Collection.Dat);;") +
                           message("MSG_TuttiIFiles") + QStringLiteral("(*)");
    const std::filesystem::path initial =
        collection::defaultDatabaseFolder(ravello::platform::dvdProfilerDocumentsFolder());
    const QString chosen = QFileDialog::getOpenFileName(
        this, QString(), QString::fromStdString(ravello::files::utf8FromPath(initial)), filter);
    if (chosen.isEmpty())
        return;
    const std::string folder =
        collection::folderOfChosenFile(QDir::toNativeSeparators(chosen).toStdString());
    m_archive->dvdProfilerFolderEdit()->setText(QString::fromStdString(folder));
}

void TForm1::BTN_RielaboraClick()
{
    runImport();
    reloadTitleIndex();
}
