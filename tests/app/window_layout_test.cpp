// SPDX-License-Identifier: MIT
#include <memory>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "app/frame/main_window.h"
#include "test_window.h"
#include "tests/app/named_child.h"
#include "tests/support/temporary_folder.h"

using ravello::testing::child;
using ravello::testing::fixturePath;
using ravello::testing::TemporaryFolder;
using ravello::testing::writeFileBytes;

namespace {

// The captions of the shown page that get less room than their text needs, so that a part of
// them is not seen: labels, buttons and the page tabs.
QStringList cutCaptions(const QWidget& window)
{
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const bool fits = label->wordWrap()
                              ? label->height() >= label->heightForWidth(label->width())
                              : label->width() >= label->sizeHint().width();
        if (!fits)
            cut << label->objectName() + QStringLiteral(": ") + label->text();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty() &&
            button->width() < button->sizeHint().width())
            cut << button->objectName() + QStringLiteral(": ") + button->text();
    }
    for (const QTabBar* tabs : window.findChildren<QTabBar*>()) {
        if (tabs->isVisible() && tabs->width() < tabs->sizeHint().width())
            cut << tabs->parentWidget()->objectName() + QStringLiteral(" tabs");
    }
    return cut;
}

} // namespace

// The window's layout: it fits the stored size with the sample collection's long titles loaded,
// in every interface language, and its lists and pages take up the room when it grows.
class WindowLayoutTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> m_base;
    std::unique_ptr<TForm1> m_window;

private slots:
    void init()
    {
        m_base = std::make_unique<TemporaryFolder>();
        const auto exportFile = m_base->path() / "Collection.xml";
        std::filesystem::copy_file(fixturePath("collection/collection.xml"), exportFile);
        writeFileBytes(m_base->path() / "Orvanet" / "RAVELLO" / "Ravello.INI",
                       "[Dati]\nFileAppoggioDVDP=" + exportFile.string() +
                           "\n[Posizione]\nTop=0\nLeft=0\nWidth=1056\nHeight=1036\n");
        m_window = std::make_unique<TestWindow>(m_base->path());
        m_window->setQuestionAsker([](const QString&, const QString&) { return false; });
        m_window->FormActivate();
        m_window->show();
        QCoreApplication::processEvents();
    }

    void cleanup()
    {
        m_window.reset();
        m_base.reset();
    }

    void theStoredSizeHoldsWithLongTitlesLoaded()
    {
        QVERIFY(qobject_cast<QComboBox*>(child(*m_window, "CBB_TitoliDVDP"))->count() > 0);
        const QSize smallest = m_window->minimumSizeHint();
        QVERIFY2(smallest.width() <= 1056, qPrintable(QString::number(smallest.width())));
        QVERIFY2(smallest.height() <= 1036, qPrintable(QString::number(smallest.height())));
        QCOMPARE(m_window->size(), QSize(1056, 1036));
        for (int page = 0; page < 2; ++page) {
            qobject_cast<QTabWidget*>(child(*m_window, "Pagine"))->setCurrentIndex(page);
            QCoreApplication::processEvents();
            QCOMPARE(m_window->size(), QSize(1056, 1036));
        }
    }

    void everyCaptionFitsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("languageButton");
        for (const char* button :
             {"BTN_Italiano", "BTN_Inglese", "BTN_Spagnolo", "BTN_Tedesco", "BTN_Francese"})
            QTest::newRow(button) << QString::fromLatin1(button);
    }

    void everyCaptionFitsInEveryLanguage()
    {
        QFETCH(QString, languageButton);
        qobject_cast<QAbstractButton*>(child(*m_window, languageButton.toLatin1().constData()))
            ->click();
        const std::pair<const char*, int> pageSets[] = {{"PAG_Pagine", 5}, {"CONF_Pagine", 3}};
        QStringList cut;
        for (int outer = 0; outer < 2; ++outer) {
            qobject_cast<QTabWidget*>(child(*m_window, "Pagine"))->setCurrentIndex(outer);
            const auto [pageSet, pages] = pageSets[outer];
            for (int page = 0; page < pages; ++page) {
                qobject_cast<QTabWidget*>(child(*m_window, pageSet))->setCurrentIndex(page);
                // A caption's new size reaches the window's layout through a chain of posted
                // layout requests: all of them are sent before the sizes are read.
                QCoreApplication::sendPostedEvents();
                QCoreApplication::processEvents();
                QCOMPARE(m_window->size(), QSize(1056, 1036));
                cut << cutCaptions(*m_window);
            }
        }
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    }

    void listsAndPagesGrowWithTheWindow()
    {
        const QSize results = child(*m_window, "ListaFilmTrovati")->size();
        const QSize pages = child(*m_window, "PAG_Pagine")->size();
        m_window->resize(1400, 1200);
        QCoreApplication::processEvents();
        QVERIFY(child(*m_window, "ListaFilmTrovati")->height() > results.height());
        QVERIFY(child(*m_window, "PAG_Pagine")->width() > pages.width());
        QVERIFY(child(*m_window, "PAG_Pagine")->height() > pages.height());
        QVERIFY(child(*m_window, "EDT_CercaManuale")->width() > 300);
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
