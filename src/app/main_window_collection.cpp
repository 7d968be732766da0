// SPDX-License-Identifier: MIT
// The main window's handlers for the user's collection: import with progress, title browsing,
// the locations of DVD Profiler's files and the re-import question.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QStatusBar>

#include "app/busy_scope.h"
#include "app/main_window.h"
#include "app/text_conversion.h"
#include "core/collection/collection_import.h"
#include "core/collection/dvd_profiler_locations.h"
#include "core/collection/export_timestamp.h"
#include "core/collection/title_browser.h"
#include "core/files/path_text.h"
#include "core/platform/user_folders.h"

namespace collection = ravello::collection;
using ravello::app::fromWindows1252;
using ravello::app::toWindows1252;

namespace {

// The status bar follows an import at this pace rather than at every record.
constexpr int kProgressIntervalMs = 40;
constexpr int kListKeyLength = 10;
constexpr const char* kViewControls[] = {"LBL_CoverDVD", "LBL_NumColl",   "LBL_NumCollectionDVDP",
                                         "IMG_CoverDVD", "IMG_CoverDVD1", "PAN_DatiDVD"};

void showPicture(QLabel* image, const QPixmap& picture)
{
    image->setPixmap(picture.scaled(image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

void TForm1::connectCollectionHandlers()
{
    connect(m_searchEdit, &QLineEdit::textChanged, this, &TForm1::EDT_CercaManualeChange);
    connect(m_titleCombo, &QComboBox::activated, this, &TForm1::CBB_TitoliDVDPChange);
    connect(m_numberSpin, &QSpinBox::valueChanged, this, &TForm1::SPN_NumeroChange);
    connect(m_occurrenceSpin, &QSpinBox::valueChanged, this, &TForm1::SPN_Numero1Change);
    const std::pair<const char*, void (TForm1::*)()> buttons[] = {
        {"BTN_Azzera", &TForm1::BTN_AzzeraClick},
        {"BTN_Cerca1", &TForm1::BTN_Cerca1Click},
        {"BTN_Cerca2", &TForm1::BTN_Cerca2Click},
        {"BTN_Rielabora", &TForm1::BTN_RielaboraClick}};
    for (const auto& [name, handler] : buttons)
        connect(findChild<QAbstractButton*>(QLatin1String(name)), &QAbstractButton::clicked, this,
                handler);
}

std::filesystem::path TForm1::exportFile() const
{
    return ravello::files::pathFromUtf8(m_exportFileEdit->text().toStdString());
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
    collection::ImportProgress last;
    const collection::ImportResult result = collection::importCollection(
        exportFile(), m_folders.titleIndexFile(), [&](const collection::ImportProgress& progress) {
            last = progress;
            if (sinceRepaint.elapsed() >= kProgressIntervalMs) {
                showProgress(progress);
                sinceRepaint.restart();
            }
        });
    showProgress(last);
    if (result.exportStamp)
        m_exportStamp = *result.exportStamp;
    if (result.status == collection::ImportStatus::Imported) {
        statusBar()->showMessage(QStringLiteral("%1 titles imported, %2 profiles skipped")
                                     .arg(result.records)
                                     .arg(result.skipped));
    }
    m_importProgress->setVisible(false);
}

void TForm1::reloadTitleIndex()
{
    const collection::IndexLoad load = m_titleBrowser->loadTitleIndex(
        m_folders.titleIndexFile(), toWindows1252(m_searchEdit->text()));
    collection::ListUpdate update;
    update.items = load.items;
    showTitleList(update);
    if (!load.found)
        m_titleCombo->addItem(message("MSG_DatabaseNonTrovato"));
    const QSignalBlocker blocker(m_numberSpin);
    m_numberSpin->setRange(load.largestCollectionNumber > 0 ? 1 : 0, load.largestCollectionNumber);
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
        findChild<QLabel*>(QStringLiteral("LBL_NumCollectionDVDP"))->setText(QStringLiteral("0"));
        findChild<QLineEdit*>(QStringLiteral("EDT_IDDVDP"))->setText(QStringLiteral("0"));
        setTitleViewVisible(false);
    }
    m_titleCombo->clear();
    for (const std::string& listText : update.items) {
        const std::string_view title = std::string_view(listText).substr(
            std::min(listText.size(), std::size_t(kListKeyLength)));
        m_titleCombo->addItem(fromWindows1252(title), QByteArray::fromStdString(listText));
    }
}

void TForm1::setTitleViewVisible(bool visible)
{
    for (const char* name : kViewControls)
        findChild<QWidget*>(QLatin1String(name))->setVisible(visible);
    // The cover's caption travels with the cover picture.
    findChild<QWidget*>(QStringLiteral("IMG_CoverDVD"))->parentWidget()->setVisible(visible);
}

void TForm1::writeSearchText(const std::string& text)
{
    // The choice already holds the refilled list; the box's own handler must not run again.
    const QSignalBlocker blocker(m_searchEdit);
    m_searchEdit->setText(fromWindows1252(text));
}

void TForm1::showTitleChoice(const collection::TitleChoice& choice)
{
    const QString number = QString::number(choice.collectionNumber);
    findChild<QLabel*>(QStringLiteral("LBL_NumCollectionDVDP"))->setText(number);
    findChild<QLineEdit*>(QStringLiteral("EDT_IDDVDP"))->setText(number);
    if (choice.occurrenceFieldsVisible) {
        const QString occurrence = QString::number(choice.occurrence);
        findChild<QLabel*>(QStringLiteral("LBL_NumCollectionDVDP1"))->setText(occurrence);
        auto* occurrenceEdit = findChild<QLineEdit*>(QStringLiteral("EDT_IDDVDP1"));
        occurrenceEdit->setText(occurrence);
        occurrenceEdit->setVisible(*choice.occurrenceFieldsVisible);
        findChild<QWidget*>(QStringLiteral("LBL_IDDVDP1"))
            ->setVisible(*choice.occurrenceFieldsVisible);
    }
    if (choice.occurrenceMaximum) {
        const QSignalBlocker blocker(m_occurrenceSpin);
        m_occurrenceSpin->setRange(1, *choice.occurrenceMaximum);
        m_occurrenceSpin->setValue(1);
        m_occurrenceSpin->setVisible(*choice.occurrenceMaximum >= 2);
    }
    setTitleViewVisible(true);
    if (choice.searchText) {
        writeSearchText(*choice.searchText);
        showTitleList(choice.list);
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
    showPicture(findChild<QLabel*>(QStringLiteral("IMG_CoverDVD")), cover);
    showPicture(findChild<QLabel*>(QStringLiteral("IMG_CoverDVD1")), cover);
    findChild<QLineEdit*>(QStringLiteral("EDT_TitoloDVD"))->setText(fromWindows1252(view.title));
    if (view.originalTitle) {
        findChild<QLineEdit*>(QStringLiteral("EDT_TitoloOriDVD"))
            ->setText(fromWindows1252(*view.originalTitle));
    }
    findChild<QLineEdit*>(QStringLiteral("EDT_AnnoDVD"))
        ->setText(fromWindows1252(view.productionYear));
    findChild<QLineEdit*>(QStringLiteral("EDT_DurataDVD"))
        ->setText(fromWindows1252(view.runningTime));
    findChild<QPlainTextEdit*>(QStringLiteral("EDT_SinossiDVD"))
        ->setPlainText(fromWindows1252(view.overview));
}

void TForm1::EDT_CercaManualeChange()
{
    showTitleList(m_titleBrowser->searchTextChanged(toWindows1252(m_searchEdit->text())));
}

void TForm1::BTN_AzzeraClick()
{
    writeSearchText({});
    showTitleList(m_titleBrowser->clearSearch());
}

void TForm1::CBB_TitoliDVDPChange()
{
    const QByteArray listText = m_titleCombo->currentData().toByteArray();
    if (listText.isEmpty())
        return;
    showTitleChoice(m_titleBrowser->chooseListItem(listText.toStdString()));
}

void TForm1::SPN_NumeroChange()
{
    if (const auto choice = m_titleBrowser->chooseNumber(m_numberSpin->value()))
        showTitleChoice(*choice);
}

void TForm1::SPN_Numero1Change()
{
    const auto choice =
        m_titleBrowser->chooseOccurrence(m_numberSpin->value(), m_occurrenceSpin->value());
    if (!choice)
        return;
    {
        const QSignalBlocker blocker(m_occurrenceSpin);
        m_occurrenceSpin->setValue(choice->occurrence);
    }
    showTitleChoice(*choice);
}

void TForm1::BTN_Cerca1Click()
{
    const QString filter = message("MSG_ArchivioEsportato") + QStringLiteral("(*.xml);;") +
                           message("MSG_TuttiIFiles") + QStringLiteral("(*)");
    const QString chosen =
        QFileDialog::getOpenFileName(this, QString(), m_exportFileEdit->text(), filter);
    if (!chosen.isEmpty())
        m_exportFileEdit->setText(QDir::toNativeSeparators(chosen));
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
    m_dvdProfilerFolderEdit->setText(QString::fromStdString(folder));
}

void TForm1::BTN_RielaboraClick()
{
    runImport();
    reloadTitleIndex();
}
