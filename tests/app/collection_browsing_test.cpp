// SPDX-License-Identifier: MIT
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>

#include "app/frame/main_window.h"
#include "test_window.h"
#include "tests/app/named_child.h"
#include "tests/support/temporary_folder.h"

using ravello::testing::child;
using ravello::testing::fixturePath;
using ravello::testing::TemporaryFolder;
using ravello::testing::writeFileBytes;

// The window's collection handlers against a small export that looks like DVD Profiler's.
class CollectionBrowsingTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> m_base;
    std::filesystem::path m_export;

    std::filesystem::path settingsFile() const
    {
        return m_base->path() / "Orvanet" / "RAVELLO" / "Ravello.INI";
    }

    void writeSettings(const std::string& databaseSection)
    {
        writeFileBytes(settingsFile(), "[Dati]\nFileAppoggioDVDP=" + m_export.string() +
                                           "\nPathDatabaseDVDP=" + m_base->path().string() + "\n" +
                                           databaseSection);
    }

    static QStringList comboTitles(const TForm1& window)
    {
        auto* combo = child<QComboBox>(window, "CBB_TitoliDVDP");
        QStringList titles;
        for (int item = 0; item < combo->count(); ++item)
            titles << combo->itemText(item);
        return titles;
    }

private slots:
    void init()
    {
        m_base = std::make_unique<TemporaryFolder>();
        m_export = m_base->path() / "Collection.xml";
        std::filesystem::copy_file(fixturePath("collection/collection.xml"), m_export);
    }
    void cleanup() { m_base.reset(); }

    void firstRunImportsTheExportAndListsItsTitles()
    {
        writeSettings("");
        TestWindow window(m_base->path());
        QCOMPARE(comboTitles(window).size(), 4);
        QCOMPARE(comboTitles(window).front(), QStringLiteral("Alien"));
        QCOMPARE(child<QSpinBox>(window, "SPN_Numero")->maximum(), 7);
        QVERIFY(std::filesystem::exists(window.folders().titleIndexFile()));
    }

    void typingFiltersAndAChoiceShowsTheTitle()
    {
        writeSettings("");
        TestWindow window(m_base->path());
        auto* search = child<QLineEdit>(window, "EDT_CercaManuale");
        search->setText(QStringLiteral("alie"));
        QCOMPARE(comboTitles(window), QStringList{QStringLiteral("Alien")});
        child<QComboBox>(window, "CBB_TitoliDVDP")->activated(0);
        QCOMPARE(search->text(), QStringLiteral("Alien"));
        QCOMPARE(child<QLineEdit>(window, "EDT_TitoloDVD")->text(), QStringLiteral("Alien"));
        QCOMPARE(child<QLineEdit>(window, "EDT_DurataDVD")->text(), QStringLiteral("117"));
        QVERIFY(!child<QWidget>(window, "PAN_DatiDVD")->isHidden());
        QVERIFY(!child<QLabel>(window, "IMG_CoverDVD")->pixmap().isNull());
        search->setText(QStringLiteral("Alien x"));
        QVERIFY(child<QWidget>(window, "PAN_DatiDVD")->isHidden());
        QVERIFY(comboTitles(window).isEmpty());
    }

    void spinnerStepsThroughProfilesSharingANumber()
    {
        writeSettings("");
        TestWindow window(m_base->path());
        child<QSpinBox>(window, "SPN_Numero")->setValue(7);
        auto* occurrence = child<QSpinBox>(window, "SPN_Numero1");
        QVERIFY(!occurrence->isHidden());
        QCOMPARE(occurrence->maximum(), 2);
        occurrence->setValue(2);
        QCOMPARE(child<QLineEdit>(window, "EDT_DurataDVD")->text(), QStringLiteral("95"));
        QCOMPARE(child<QLineEdit>(window, "EDT_AnnoDVD")->text(), QStringLiteral("0000"));
    }

    void resetClearsTheSearchAndListsEveryTitle()
    {
        writeSettings("");
        TestWindow window(m_base->path());
        child<QLineEdit>(window, "EDT_CercaManuale")->setText(QStringLiteral("zzz"));
        child<QAbstractButton>(window, "BTN_Azzera")->click();
        QVERIFY(child<QLineEdit>(window, "EDT_CercaManuale")->text().isEmpty());
        QCOMPARE(comboTitles(window).size(), 4);
    }

    void changedExportIsOfferedOnceAndNoKeepsTheOldIndex()
    {
        writeSettings("[Database]\nVersione=2\n");
        TestWindow window(m_base->path());
        QCOMPARE(comboTitles(window).size(), 1); // no index yet: the not-found entry
        int asked = 0;
        QString askedText;
        QString askedTitle;
        window.setQuestionAsker([&](const QString& text, const QString& title) {
            ++asked;
            askedText = text;
            askedTitle = title;
            return false;
        });
        window.FormActivate();
        window.FormActivate();
        QCOMPARE(asked, 1);
        QVERIFY(askedText.startsWith(QStringLiteral("A different version")));
        QCOMPARE(askedTitle, QStringLiteral("Question"));
        QVERIFY(!std::filesystem::exists(window.folders().titleIndexFile()));
    }

    void yesImportsOnceAndRefillsTheTitlesThoughActivationsArriveMeanwhile()
    {
        writeSettings("[Database]\nVersione=2\n");
        TestWindow window(m_base->path());
        int asked = 0;
        window.setQuestionAsker([&](const QString&, const QString&) {
            ++asked;
            // The window is activated again while its question is open, as when the box
            // closes.
            QEvent activation(QEvent::ActivationChange);
            QCoreApplication::sendEvent(&window, &activation);
            return true;
        });
        window.show();
        QApplication::setActiveWindow(&window);
        QCOMPARE(asked, 1);
        QCOMPARE(comboTitles(window).size(), 4);
        QVERIFY(child<QStatusBar>(window, "STB_Status")
                    ->currentMessage()
                    .contains(QStringLiteral("4 titles imported")));
        QVERIFY(child<QStatusBar>(window, "STB_Status")
                    ->currentMessage()
                    .endsWith(QStringLiteral("without a collection number)")));

        // A re-import keeps the collection number the user is at, and shows that profile as
        // the new export has it.
        auto* number = child<QSpinBox>(window, "SPN_Numero");
        number->setValue(7);
        auto* title = child<QLineEdit>(window, "EDT_TitoloDVD");
        QVERIFY(title->text().startsWith(QStringLiteral("Le M")));
        std::string changed = ravello::testing::readFileBytes(m_export);
        changed.replace(changed.find("<Title>Le M"), 11, "<Title>La M");
        writeFileBytes(m_export, changed);
        child<QAbstractButton>(window, "BTN_Rielabora")->click();
        QCOMPARE(number->value(), 7);
        QVERIFY(title->text().startsWith(QStringLiteral("La M")));
        QCOMPARE(child<QLabel>(window, "LBL_NumCollectionDVDP")->text(), QStringLiteral("7"));
    }

    // A re-import of an export that cannot be opened (a folder, a name longer than any folder
    // allows) is told in a box and the status line, and keeps the titles; a path through a file
    // is a missing export, told by the status line alone. None ends anything.
    void aFailedImportIsToldAndKeepsTheTitles()
    {
        writeSettings("");
        TestWindow window(m_base->path());
        QStringList errors;
        window.setErrorShower([&](const QString& text, const QString&) { errors << text; });
        auto* exportEdit = child<QLineEdit>(window, "EDT_NomeAppoggioDVDProfiler");
        const std::string tooLong(300, 'x');
        const struct
        {
            std::filesystem::path path;
            qsizetype boxes;
        } cases[] = {{m_base->path(), 1},
                     {m_base->path() / tooLong / "Collection.xml", 1},
                     {m_export / "Collection.xml", 0}};
        for (const auto& unreadable : cases) {
            errors.clear();
            exportEdit->setText(QString::fromStdString(unreadable.path.string()));
            child<QAbstractButton>(window, "BTN_Rielabora")->click();
            QCOMPARE(errors.size(), unreadable.boxes);
            QVERIFY(child<QStatusBar>(window, "STB_Status")
                        ->currentMessage()
                        .startsWith(QStringLiteral("The DVD Profiler export could not")));
            QCOMPARE(comboTitles(window).size(), 4);
        }
        // The first activation's check of a changed export asks nothing of such a path.
        int asked = 0;
        window.setQuestionAsker([&](const QString&, const QString&) { return ++asked, false; });
        window.FormActivate();
        QCOMPARE(asked, 0);
    }
};

QTEST_MAIN(CollectionBrowsingTest)
#include "collection_browsing_test.moc"
