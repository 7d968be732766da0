// SPDX-License-Identifier: MIT
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include <QAbstractButton>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include "app/main_window.h"
#include "tests/app/named_child.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

using ravello::testing::child;
using ravello::testing::FakeTmdbServer;
using ravello::testing::TemporaryFolder;

// The road of one film through the window, against the fake TMDb server: search, open, copy.
class FilmRoadTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeTmdbServer> m_server;
    std::unique_ptr<TemporaryFolder> m_base;
    std::unique_ptr<TForm1> m_window;
    QStringList m_errors;

    void search(const QString& text)
    {
        child<QLineEdit>(*m_window, "EDT_CercaManuale")->setText(text);
        child<QAbstractButton>(*m_window, "BTN_Cerca")->click();
    }

    void openResult(int row)
    {
        auto* results = child<QListWidget>(*m_window, "ListaFilmTrovati");
        results->setCurrentRow(row);
        m_window->ListaFilmTrovatiDblClick();
    }

    // A window on the temporary folder, as the program starts it.
    void startWindow()
    {
        m_window = std::make_unique<TForm1>(m_base->path(),
                                            ravello::tmdb::Hosts{m_server->url(), m_server->url()});
        m_window->FormActivate();
        m_window->setErrorShower([this](const QString& text, const QString&) { m_errors << text; });
        child<QLineEdit>(*m_window, "EDT_Key")
            ->setText(QStringLiteral("0123456789abcdef0123456789abcdef"));
    }

private slots:
    void initTestCase()
    {
        m_server = std::make_unique<FakeTmdbServer>();
        QVERIFY(m_server->isListening());
    }

    void init()
    {
        m_server->reset();
        m_errors.clear();
        m_base = std::make_unique<TemporaryFolder>();
        startWindow();
    }

    void cleanup()
    {
        m_window.reset();
        m_base.reset();
    }

    void searchListsTitlesAndYears()
    {
        search(QStringLiteral("Sample Film"));
        auto* results = child<QListWidget>(*m_window, "ListaFilmTrovati");
        QCOMPARE(results->count(), 4); // one result has no release date
        QCOMPARE(results->item(0)->text(), QStringLiteral("Sample Film (2004)"));
        QVERIFY(m_errors.isEmpty());
    }

    void searchWithoutAKeyAsksForOne()
    {
        child<QLineEdit>(*m_window, "EDT_Key")->setText(QStringLiteral("abc"));
        search(QStringLiteral("Sample Film"));
        QCOMPARE(m_errors.size(), 1);
        QVERIFY(m_errors.front().startsWith(QStringLiteral("Undefined TDMB key")));
        QCOMPARE(m_server->requestCount(), std::size_t{0});
    }

    void aRefusedKeyIsReportedAndTheListKept()
    {
        search(QStringLiteral("Sample Film"));
        m_server->queueError(401);
        search(QStringLiteral("Other"));
        QCOMPARE(m_errors.size(), 1);
        QVERIFY(m_errors.front().contains(QStringLiteral("401")));
        QCOMPARE(child<QListWidget>(*m_window, "ListaFilmTrovati")->count(), 4);
    }

    void openingFillsThePagesAndTheSecondOpeningMakesNoRequest()
    {
        search(QStringLiteral("Sample Film"));
        openResult(0);
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_TitoloMDB")->text(),
                 QStringLiteral("Sample Film"));
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_IDMDB")->text(), QStringLiteral("4321"));
        QVERIFY(!child<QLabel>(*m_window, "IMG_CoverMDB")->pixmap().isNull());
        QVERIFY(child<QListWidget>(*m_window, "LST_CastMDB")->count() > 0);
        QCOMPARE(child<QListWidget>(*m_window, "LST_CastMDB")->count(),
                 child<QListWidget>(*m_window, "LST_CastMDB2")->count());
        QVERIFY(child<QListWidget>(*m_window, "LST_CrewMDB")->count() > 0);

        const std::size_t requests = m_server->requestCount();
        openResult(0);
        QCOMPARE(m_server->requestCount(), requests);
    }

    void castAndCrewReachTheClipboardAsDocuments()
    {
        search(QStringLiteral("Sample Film"));
        openResult(0);
        child<QAbstractButton>(*m_window, "Copy")->click();
        const QString cast = QGuiApplication::clipboard()->text();
        QVERIFY(cast.contains(QStringLiteral("<CastInformation>")));
        QVERIFY(cast.contains(QStringLiteral("Sample Film")));
        QVERIFY(cast.contains(QStringLiteral("\r\n")));
        child<QAbstractButton>(*m_window, "Button1")->click();
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("<CrewInformation>")));
    }

    void aWaitEndsAtOnceOnEscapeOrCancelAndChangesNothing()
    {
        search(QStringLiteral("Sample Film"));
        openResult(0);
        const int castRows = child<QListWidget>(*m_window, "LST_CastMDB")->count();
        // No answer comes until far more requests than an opening makes have arrived.
        m_server->holdAnswersUntil(100);
        QString statusDuringTheWait;
        QTimer::singleShot(300, m_window.get(), [&] {
            statusDuringTheWait = child<QLabel>(*m_window, "LBL_Attesa")->text();
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
        });
        QElapsedTimer clock;
        clock.start();
        openResult(1);
        QVERIFY2(clock.elapsed() < 10'000, "the wait outlasted the Escape");
        QVERIFY(statusDuringTheWait.startsWith(QStringLiteral("Waiting for The Movie Database")));
        QVERIFY(m_errors.isEmpty());
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_IDMDB")->text(), QStringLiteral("4321"));
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_TitoloMDB")->text(),
                 QStringLiteral("Sample Film"));
        QCOMPARE(child<QListWidget>(*m_window, "LST_CastMDB")->count(), castRows);
        QVERIFY(child<QWidget>(*m_window, "BTN_AnnullaAttesa")->isHidden());
        const auto& folders = m_window->folders();
        for (const auto& folder : {folders.filmDataFolder(), folders.filmCreditsFolder()}) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
                QVERIFY(entry.path().filename().string().find("4322") == std::string::npos);
        }

        // The Cancel button ends a search the same way, and the results stay.
        QTimer::singleShot(300, m_window.get(), [&] {
            child<QAbstractButton>(*m_window, "BTN_AnnullaAttesa")->click();
        });
        search(QStringLiteral("Other"));
        QVERIFY(m_errors.isEmpty());
        QCOMPARE(child<QListWidget>(*m_window, "ListaFilmTrovati")->count(), 4);

        // An Escape during the birth-year lookup leaves the clipboard as it was.
        child<QAbstractButton>(*m_window, "CHB_AnniNascita")->setChecked(true);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTimer::singleShot(300, m_window.get(),
                           [&] { QTest::keyClick(m_window.get(), Qt::Key_Escape); });
        child<QAbstractButton>(*m_window, "Copy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void birthYearsAndTheUsersCrewMappingReachTheDocuments()
    {
        // A mapping file that keeps the directors only, read when the window starts.
        std::ofstream(m_window->folders().crewMappingFile())
            << "department begins \"Directing\"\n    job begins \"Director\" principal\n";
        startWindow();
        search(QStringLiteral("Sample Film"));
        openResult(0);
        auto* birthYears = child<QAbstractButton>(*m_window, "CHB_AnniNascita");
        QVERIFY(!birthYears->isChecked());
        birthYears->setChecked(true);
        child<QAbstractButton>(*m_window, "Copy")->click();
        const QString cast = QGuiApplication::clipboard()->text();
        QVERIFY2(cast.contains(QStringLiteral("BirthYear=\"1969\"")), qPrintable(cast));
        QVERIFY(cast.contains(QStringLiteral("BirthYear=\"0\"")));

        child<QAbstractButton>(*m_window, "Button1")->click();
        const QString crew = QGuiApplication::clipboard()->text();
        QVERIFY2(crew.contains(QStringLiteral("BirthYear=\"1954\"")), qPrintable(crew));
        QVERIFY(!crew.contains(QStringLiteral("Wes")));
        auto* status = child<QStatusBar>(*m_window, "STB_Status");
        QVERIFY2(status->currentMessage().contains(QStringLiteral("1 people without an answer")),
                 qPrintable(status->currentMessage())); // person 2003 has no answer
        QVERIFY2(status->currentMessage().contains(
                     QStringLiteral("2 credits in the document, 2 left out")),
                 qPrintable(status->currentMessage()));
        QVERIFY2(status->toolTip().contains(QStringLiteral("Writing / Screenplay")),
                 qPrintable(status->toolTip()));
    }

    void aPhotoIsShownAndCopied()
    {
        search(QStringLiteral("Sample Film"));
        openResult(0);
        QGuiApplication::clipboard()->clear();
        child<QAbstractButton>(*m_window, "BTN_CopiaPhoto")->click();
        QVERIFY(QGuiApplication::clipboard()->image().isNull());

        child<QListWidget>(*m_window, "LST_CastMDB2")->setCurrentRow(0);
        m_window->LST_CastMDB2DblClick();
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
        QVERIFY(!child<QLabel>(*m_window, "IMG_Cast")->pixmap().isNull());
        child<QAbstractButton>(*m_window, "BTN_CopiaPhoto")->click();
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());

        child<QListWidget>(*m_window, "LST_CastMDB2")->setCurrentRow(1); // a person without a photo
        m_window->LST_CastMDB2DblClick();
        QCOMPARE(m_errors, QStringList{QStringLiteral("There are no images for this profile")});
    }

    void aClickOnADataFieldCopiesItsWholeText()
    {
        search(QStringLiteral("Sample Film"));
        openResult(0);
        auto* overview = child<QPlainTextEdit>(*m_window, "EDT_SinossiMDB");
        overview->setPlainText(QStringLiteral("line one\nline two"));
        QTest::mouseClick(overview->viewport(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("line one\nline two"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::mouseClick(child<QLineEdit>(*m_window, "EDT_IDMDB"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QTest::mouseClick(child<QLineEdit>(*m_window, "EDT_AnnoMDB"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 child<QLineEdit>(*m_window, "EDT_AnnoMDB")->text());
    }
};

QTEST_MAIN(FilmRoadTest)
#include "film_road_test.moc"
