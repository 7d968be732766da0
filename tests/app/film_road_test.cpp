// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "app/frame/main_window.h"
#include "app/handover/handover_area.h"
#include "app/look/colour_contrast.h"
#include "app/look/credit_list_delegate.h"
#include "app/search/search_area.h"
#include "app/settings/settings_area.h"
#include "core/collection/episode_table.h"
#include "core/files/program_folders.h"
#include "core/tmdb/profile_matches.h"
#include "test_window.h"
#include "tests/app/named_child.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

using ravello::testing::child;
using ravello::testing::FakeTmdbServer;
using ravello::testing::TemporaryFolder;

namespace {

constexpr const char* kKey = "0123456789abcdef0123456789abcdef";

// The contrast of a list's selected row's text as it reaches the screen, measured where the
// text is (on the credit lists, after the photo marker and the known-person dot). The commonest
// colour there is the background; the text's pixels are those that stand out from it, and the
// text reads at the contrast that its strongest twentieth reaches (its solid strokes, not its
// antialiased edges).
double selectedRowContrast(QListWidget& list)
{
    QRect area = list.visualItemRect(list.currentItem());
    if (const auto* credits =
            dynamic_cast<const ravello::app::CreditListDelegate*>(list.itemDelegate()))
        area = credits->textArea(area);
    const QImage row = list.viewport()->grab(area).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < row.height(); ++y)
        for (int x = 0; x < row.width(); ++x)
            ++counts[row.pixel(x, y)];
    const QColor background(
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                         [](const auto& a, const auto& b) { return a.second < b.second; })
            ->first);
    std::vector<double> text;
    for (auto colour = counts.keyValueBegin(); colour != counts.keyValueEnd(); ++colour) {
        const double contrast = ravello::app::contrastRatio(background, QColor(colour->first));
        if (contrast > 1.1)
            text.insert(text.end(), static_cast<std::size_t>(colour->second), contrast);
    }
    if (text.empty())
        return 1;
    std::sort(text.begin(), text.end(), std::greater<>());
    return text[text.size() / 20];
}

} // namespace

// The road of one film through the window, against the fake TMDb server: search, open, copy.
class FilmRoadTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeTmdbServer> m_server;
    std::unique_ptr<TemporaryFolder> m_base;
    std::unique_ptr<TForm1> m_window;
    QStringList m_errors;
    QStringList m_information;

    void search(const QString& text)
    {
        child<QLineEdit>(*m_window, "EDT_CercaManuale")->setText(text);
        child<QAbstractButton>(*m_window, "BTN_Cerca")->click();
    }

    static QStringList texts(const QListWidget* list)
    {
        QStringList lines;
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines;
    }

    // Presses Tab until `target` has the focus; false when a round of the window missed it.
    static bool tabTo(QWidget* target)
    {
        for (int press = 0; press < 80 && QApplication::focusWidget() != target; ++press)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget() == target;
    }

    // Imports the export as the re-import button does.
    void importExport(const std::filesystem::path& exportFile)
    {
        child<QLineEdit>(*m_window, "EDT_NomeAppoggioDVDProfiler")
            ->setText(QString::fromStdString(exportFile.string()));
        child<QAbstractButton>(*m_window, "BTN_Rielabora")->click();
    }

    // How many searches for the text the fake TMDb has seen.
    int searchesFor(const std::string& text) const
    {
        const auto requests = m_server->requests();
        return static_cast<int>(std::count_if(requests.begin(), requests.end(), [&](const auto& r) {
            return r.path == "/3/search/movie" && r.param("query") == text;
        }));
    }

    // How many of the fake TMDb's requests went to a path beginning with `prefix`.
    int requestsTo(const std::string& prefix) const
    {
        const auto requests = m_server->requests();
        return static_cast<int>(std::count_if(requests.begin(), requests.end(), [&](const auto& r) {
            return r.path.rfind(prefix, 0) == 0;
        }));
    }

    void pressAlt(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    }

    void openResult(int row)
    {
        auto* results = child<QListWidget>(*m_window, "ListaFilmTrovati");
        results->setCurrentRow(row);
        m_window->searchArea().ListaFilmTrovatiDblClick();
    }

    // Errors and information are told apart, as the window's boxes tell them.
    void hookMessageBoxes()
    {
        m_window->setErrorShower([this](const QString& text, const QString&) { m_errors << text; });
        m_window->setInformationShower(
            [this](const QString& text, const QString&) { m_information << text; });
    }

    // A window on the temporary folder, as the program starts it.
    void startWindow()
    {
        m_window = std::make_unique<TestWindow>(
            m_base->path(), ravello::tmdb::Hosts{m_server->url(), m_server->url()});
        m_window->FormActivate();
        hookMessageBoxes();
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
        m_information.clear();
        m_base = std::make_unique<TemporaryFolder>();
        // The tests' own key, written where the user's is kept.
        ravello::testing::writeFileBytes(m_base->path() / "Orvanet" / "RAVELLO" / "Ravello.INI",
                                         "[Dati]\r\nChiaveTMDb=" + std::string(kKey) + "\r\n");
        m_window = std::make_unique<TestWindow>(
            m_base->path(), ravello::tmdb::Hosts{m_server->url(), m_server->url()});
        m_window->FormActivate();
        hookMessageBoxes();
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_Key")->text(), QLatin1String(kKey));
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
        QCOMPARE(results->item(1)->text(), QStringLiteral("Sample Film, Part Two")); // no "(0)"
        QVERIFY(m_errors.isEmpty());
        // The film with the searched title comes first, selected and marked as the match.
        QCOMPARE(results->currentRow(), 0);
        QVERIFY(results->item(0)->font().bold());
        QVERIFY(!results->item(1)->font().bold());
    }

    void withoutAKeyNothingIsSentAndTheKeyFieldIsShown()
    {
        search(QStringLiteral("Sample Film"));
        const std::size_t requests = m_server->requestCount();
        auto* key = child<QLineEdit>(*m_window, "EDT_Key");
        key->clear();
        for (int attempt = 0; attempt < 2; ++attempt) {
            child<QTabWidget>(*m_window, "Pagine")->setCurrentIndex(0);
            if (attempt == 0)
                search(QStringLiteral("Sample Film"));
            else
                openResult(0);
            QCOMPARE(m_errors.size(), attempt + 1);
            QVERIFY(m_errors.back().startsWith(QStringLiteral("Undefined TMDb key")));
            QCOMPARE(child<QTabWidget>(*m_window, "Pagine")->currentWidget(),
                     child<QWidget>(*m_window, "Pag_Configurazione"));
            QVERIFY(key->isVisibleTo(child<QWidget>(*m_window, "Pag_Configurazione")));
            QCOMPARE(m_window->focusWidget(), key);
        }
        QCOMPARE(m_server->requestCount(), requests);
    }

    void aFailedSearchEmptiesTheListAndSaysSo()
    {
        search(QStringLiteral("Sample Film"));
        m_server->queueError(401);
        search(QStringLiteral("Other"));
        QCOMPARE(m_errors.size(), 1);
        QVERIFY(m_errors.front().contains(QStringLiteral("401")));
        QCOMPARE(child<QListWidget>(*m_window, "ListaFilmTrovati")->count(), 0);
        auto* status = child<QStatusBar>(*m_window, "STB_Status");
        QCOMPARE(status->currentMessage(),
                 QStringLiteral("The search failed: no results are shown"));
        QCOMPARE(status->accessibleDescription(), status->currentMessage());
        // The next search that answers leaves no word of the failure.
        search(QStringLiteral("Sample Film"));
        QVERIFY(status->currentMessage().isEmpty());
    }

    // An opening that fails at its details or credits leaves every page and copy button with
    // the film shown before; one whose poster alone fails shows the new film.
    void eachPageShowsOneFilmWhateverStepFails()
    {
        search(QStringLiteral("Sample Film"));
        openResult(0);
        auto* cast = child<QListWidget>(*m_window, "LST_CastMDB");
        auto* cover = child<QLabel>(*m_window, "IMG_CoverMDB");
        const qint64 firstCover = cover->pixmap().cacheKey();
        const QStringList firstCast = texts(cast);
        child<QListWidget>(*m_window, "LST_CastMDB2")->setCurrentRow(0);
        m_window->handoverArea().LST_CastMDB2DblClick();
        QVERIFY(!child<QLabel>(*m_window, "IMG_Cast")->pixmap().isNull());

        const std::pair<const char*, int> failing[] = {
            {"Sample Film", 3},      // film 4324: its credits answer 404
            {"Crouching Tiger", 1}}; // film 123457: its details answer 404
        for (const auto& [text, row] : failing) {
            m_errors.clear();
            search(QString::fromUtf8(text));
            openResult(row);
            QCOMPARE(m_errors.size(), 1);
            QVERIFY(m_errors.front().contains(QStringLiteral("404")));
            QCOMPARE(child<QLineEdit>(*m_window, "EDT_IDMDB")->text(), QStringLiteral("4321"));
            QCOMPARE(child<QLineEdit>(*m_window, "EDT_TitoloMDB")->text(),
                     QStringLiteral("Sample Film"));
            QVERIFY(child<QPlainTextEdit>(*m_window, "EDT_SinossiMDB")
                        ->toPlainText()
                        .startsWith(QStringLiteral("A sample, with commas")));
            QCOMPARE(cover->pixmap().cacheKey(), firstCover);
            QCOMPARE(texts(cast), firstCast);
            QCOMPARE(child<QListWidget>(*m_window, "LST_CastMDB2")->count(), firstCast.size());
            QVERIFY(!child<QLabel>(*m_window, "IMG_Cast")->pixmap().isNull());
            child<QAbstractButton>(*m_window, "Copy")->click();
            QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Ann")));
        }

        m_errors.clear();
        search(QStringLiteral("Sparse Results"));
        openResult(0); // film 5001: details and credits, but its poster answers 404
        QCOMPARE(m_errors.size(), 1);
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_IDMDB")->text(), QStringLiteral("5001"));
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_TitoloMDB")->text(),
                 QStringLiteral("Full Result"));
        QVERIFY(cover->pixmap().cacheKey() != firstCover);
        QVERIFY(!cover->pixmap().isNull());                               // the not-found picture
        QVERIFY(child<QLabel>(*m_window, "IMG_Cast")->pixmap().isNull()); // no person of 4321
        child<QAbstractButton>(*m_window, "Copy")->click();
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Full Result")));
    }

    // From the title box to a cast document on the clipboard, with keys only.
    void theKeyboardAloneReachesACopiedCastDocument()
    {
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        auto* title = child<QLineEdit>(*m_window, "EDT_CercaManuale");
        title->setFocus();
        QTest::keyClicks(title, QStringLiteral("Sample Film"));
        QTest::keyClick(title, Qt::Key_Return);
        auto* results = child<QListWidget>(*m_window, "ListaFilmTrovati");
        QCOMPARE(results->count(), 4);
        QCOMPARE(QApplication::focusWidget(), results);
        QTest::keyClick(results, Qt::Key_Return);
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_IDMDB")->text(), QStringLiteral("4321"));

        // Tab to the film pages' tabs, right to the cast page, tab to its copy button.
        auto* pages = child<QTabWidget>(*m_window, "PAG_Pagine");
        QVERIFY(tabTo(pages->tabBar()));
        while (pages->currentWidget() != child<QWidget>(*m_window, "Pag_Cast"))
            QTest::keyClick(pages->tabBar(), Qt::Key_Right);
        auto* copy = child<QAbstractButton>(*m_window, "Copy");
        QVERIFY(tabTo(copy));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(copy, Qt::Key_Space);
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("<CastInformation>")));

        // A double-click on the list's empty space acts on the selected row.
        m_errors.clear();
        auto* photos = child<QListWidget>(*m_window, "LST_CastMDB2");
        photos->setCurrentRow(0);
        pages->setCurrentWidget(child<QWidget>(*m_window, "Pag_Cast_Photo"));
        QTest::mouseDClick(photos->viewport(), Qt::LeftButton, {},
                           QPoint(5, photos->viewport()->height() - 3));
        QVERIFY(!child<QLabel>(*m_window, "IMG_Cast")->pixmap().isNull());
    }

    // Profile after profile with the keys alone: Alt+Right and Alt+Left step to the profiles
    // that exist; a certain match opens at the cast's copy, the others say why not. The
    // profiles after the one shown are prepared meanwhile: stepping onto them asks nothing.
    void theKeysWalkProfileAfterProfile()
    {
        importExport(ravello::testing::fixturePath("collection/prefetch_collection.xml"));
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        auto* status = child<QStatusBar>(*m_window, "STB_Status");
        auto* number = child<QSpinBox>(*m_window, "SPN_Numero");
        pressAlt(Qt::Key_Right); // from 1, which no one has picked, to 2
        QCOMPARE(number->value(), 2);
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_CercaManuale")->text(), QStringLiteral("House"));
        QCOMPARE(status->currentMessage(), QStringLiteral("Several possible matches: choose one"));
        // Profiles 3, 5 and 6 are being prepared: once they are, 3 needs no search of its own.
        QTRY_VERIFY_WITH_TIMEOUT(searchesFor("Nothing Like It") == 1, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(searchesFor("Sample Film") == 1, 5000);
        QTest::qWait(100); // the outcomes reach the window
        pressAlt(Qt::Key_Right);
        QCOMPARE(number->value(), 3);
        QCOMPARE(status->currentMessage(), QStringLiteral("Nothing found"));
        QCOMPARE(searchesFor("Nothing Like It"), 1);
        pressAlt(Qt::Key_Left);
        pressAlt(Qt::Key_Left);
        QCOMPARE(number->value(), 1);
        QCOMPARE(status->currentMessage(), QStringLiteral("Opened: certain match"));
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_IDMDB")->text(), QStringLiteral("4321"));
        auto* copy = child<QAbstractButton>(*m_window, "Copy");
        QCOMPARE(QApplication::focusWidget(), copy);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(copy, Qt::Key_Space);
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("<CastInformation>")));
        pressAlt(Qt::Key_Left); // nothing before the first profile
        QCOMPARE(number->value(), 1);
        QVERIFY(m_errors.isEmpty());
        QVERIFY(child<QAbstractButton>(*m_window, "BTN_Successivo")
                    ->toolTip()
                    .startsWith(QStringLiteral("Shows the next profile")));
    }

    // A certain match that an earlier preparation kept (the command-line tool's, say) is as good
    // as a prepared one: stepping back onto its profile opens the match without a search.
    void aKeptMatchOpensItsProfileWithoutASearch()
    {
        importExport(ravello::testing::fixturePath("collection/prefetch_collection.xml"));
        namespace tmdb = ravello::tmdb;
        const auto folders = ravello::files::ProgramFolders::under(m_base->path());
        auto matches = tmdb::ProfileMatches::load(folders.profileMatchesFile());
        tmdb::PrefetchProfile first = tmdb::profileToPrepare(1, "Sample Film", "", 2004);
        first.profileId = "P1";
        matches.remember(first, {tmdb::formatResultLine(4321, "Sample Film", 2004, ""),
                                 "Sample Film", "Sample Film", 2004});
        QVERIFY(matches.save());
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        const auto press = [&](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        };
        press(Qt::Key_Right);
        // Profile 6, being prepared, searches the same title: its search is the only one.
        QTRY_VERIFY_WITH_TIMEOUT(searchesFor("Sample Film") == 1, 5000);
        press(Qt::Key_Left);
        QCOMPARE(child<QSpinBox>(*m_window, "SPN_Numero")->value(), 1);
        QCOMPARE(child<QStatusBar>(*m_window, "STB_Status")->currentMessage(),
                 QStringLiteral("Opened: certain match"));
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_IDMDB")->text(), QStringLiteral("4321"));
        QCOMPARE(searchesFor("Sample Film"), 1);
        QVERIFY(m_errors.isEmpty());
    }

    // A TV disc's profile, with the keys alone: its show is searched for on TMDb's TV search,
    // the season its title names opened, and the copy is the season's document; another range
    // of episodes redraws the lists without a request.
    void aDiscTitleReachesACopiedSeasonDocument()
    {
        importExport(ravello::testing::fixturePath("collection/tv_disc_collection.xml"));
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        pressAlt(Qt::Key_Right);
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_CercaManuale")->text(),
                 QStringLiteral("Night Desk"));
        QVERIFY(child<QAbstractButton>(*m_window, "CHB_Serie")->isChecked());
        // Two shows are called "Night Desk" (one by its original name): the user chooses, and
        // the best of them is selected.
        auto* results = child<QListWidget>(*m_window, "ListaFilmTrovati");
        QCOMPARE(QApplication::focusWidget(), results);
        QVERIFY(results->item(0)->text().startsWith(QStringLiteral("Night Desk (2009)")));
        QTest::keyClick(results, Qt::Key_Return);
        auto* pages = child<QTabWidget>(*m_window, "PAG_Pagine");
        QVERIFY(tabTo(pages->tabBar()));
        while (pages->currentWidget() != child<QWidget>(*m_window, "Pag_Cast"))
            QTest::keyClick(pages->tabBar(), Qt::Key_Right);
        auto* copy = child<QAbstractButton>(*m_window, "Copy");
        QVERIFY(tabTo(copy));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(copy, Qt::Key_Space);
        const QString cast = QGuiApplication::clipboard()->text();
        QVERIFY2(cast.contains(QStringLiteral("<Title>Night Desk: Season 1</Title>")),
                 qPrintable(cast));
        QVERIFY(cast.contains(QStringLiteral(
            "<Divider Caption=\"1.01 Flowers for Your Grave\" Type=\"Episode\" />")));
        QVERIFY(cast.contains(QStringLiteral("Caption=\"1.03 Poof, You&apos;re Dead\"")) ||
                cast.contains(QStringLiteral("Caption=\"1.03 Poof, You're Dead\"")));
        QCOMPARE(child<QComboBox>(*m_window, "CBB_Stagione")->currentText(),
                 QStringLiteral("Season 1 (3 episodes)"));

        QTRY_VERIFY_WITH_TIMEOUT(searchesFor("House") == 1, 5000); // profile 3, prepared
        const auto asked = m_server->requests().size();
        child<QSpinBox>(*m_window, "SPN_EpisodioDa")->setValue(2);
        auto* castList = child<QListWidget>(*m_window, "LST_CastMDB");
        QVERIFY2(castList->item(0)->text().contains(QStringLiteral("1.02 Nanny McDead")),
                 qPrintable(castList->item(0)->text()));
        QCOMPARE(m_server->requests().size(), asked);
        QTest::keyClick(copy, Qt::Key_Space);
        QVERIFY(!QGuiApplication::clipboard()->text().contains(QStringLiteral("1.01 ")));
        QVERIFY(m_errors.isEmpty());

        // Another season that fails to open, or whose wait the user ends, leaves the season
        // shown, and the chooser names it again.
        auto* seasons = child<QComboBox>(*m_window, "CBB_Stagione");
        const auto chooseSecondSeason = [&] {
            const int second = seasons->findData(2);
            seasons->setCurrentIndex(second);
            emit seasons->activated(second);
        };
        m_server->queueErrorFor("/3/tv/4401/season/2", 404);
        chooseSecondSeason();
        QCOMPARE(m_errors.size(), 1);
        m_server->holdAnswersUntil(100);
        QTimer::singleShot(300, m_window.get(),
                           [&] { QTest::keyClick(m_window.get(), Qt::Key_Escape); });
        chooseSecondSeason();
        QCOMPARE(m_errors.size(), 1);
        QCOMPARE(seasons->currentText(), QStringLiteral("Season 1 (3 episodes)"));
        QCOMPARE(child<QSpinBox>(*m_window, "SPN_EpisodioDa")->value(), 2);
        QVERIFY(castList->item(0)->text().contains(QStringLiteral("1.02 Nanny McDead")));
    }

    // A box set, disc after disc: a disc opens on its proposed episodes, a guess waits for the
    // user, and what was copied for one disc makes the next one certain.
    void aBoxSetIsWalkedDiscByDiscOnItsProposedEpisodes()
    {
        importExport(ravello::testing::fixturePath("collection/box_set_collection.xml"));
        const auto folders = ravello::files::ProgramFolders::under(m_base->path());
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        child<QSpinBox>(*m_window, "SPN_Numero")->setValue(8);
        pressAlt(Qt::Key_Right); // "The Night Desk: Season 1: Disc 1" of two
        auto* status = child<QStatusBar>(*m_window, "STB_Status");
        auto* first = child<QSpinBox>(*m_window, "SPN_EpisodioDa");
        auto* last = child<QSpinBox>(*m_window, "SPN_EpisodioA");
        auto* copy = child<QAbstractButton>(*m_window, "Copy");
        QCOMPARE(status->currentMessage(),
                 QStringLiteral("Episodes 1.01 to 1.02, a guess: 3 episodes over 2 discs, "
                                "check the range"));
        QCOMPARE(std::pair(first->value(), last->value()), std::pair(1, 2));
        QVERIFY(QApplication::focusWidget() != copy);
        QGuiApplication::clipboard()->clear();
        copy->click();
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("1.02 ")));
        QVERIFY(!QGuiApplication::clipboard()->text().contains(QStringLiteral("1.03 ")));
        QCOMPARE(
            ravello::collection::EpisodeTable::load(folders.copiedEpisodesFile()).find("P9").size(),
            2u);

        pressAlt(Qt::Key_Right);
        QCOMPARE(status->currentMessage(),
                 QStringLiteral("Episodes 1.03 to 1.03, following what was copied before"));
        QCOMPARE(std::pair(first->value(), last->value()), std::pair(3, 3));
        QCOMPARE(QApplication::focusWidget(), copy);
        QCOMPARE(child<QTabWidget>(*m_window, "PAG_Pagine")->currentWidget(),
                 child<QWidget>(*m_window, "Pag_Cast"));

        // A disc whose own dividers run into the next season goes on into it, and the copies
        // hand over both seasons' episodes; the user may keep them to the season opened.
        ravello::testing::writeFileBytes(folders.episodeTableFile(), "P10\t1.03\t2.01\r\n");
        pressAlt(Qt::Key_Left);
        pressAlt(Qt::Key_Right);
        QCOMPARE(status->currentMessage(),
                 QStringLiteral("Episodes 1.03 to 2.01, from the disc's own dividers; the copies "
                                "go on into season 2"));
        QCOMPARE(std::pair(first->value(), last->value()), std::pair(3, 3));
        auto* continued = child<QAbstractButton>(*m_window, "continueSeasonBox");
        QVERIFY(continued->isVisible() && continued->isChecked());
        QCOMPARE(continued->text(), QStringLiteral("Continue into season 2 up to episode"));
        QCOMPARE(child<QSpinBox>(*m_window, "continueEpisodeSpin")->value(), 1);
        QCOMPARE(QApplication::focusWidget(), copy);
        const std::string copiedBefore =
            ravello::testing::readFileBytes(folders.copiedEpisodesFile());
        QTest::keyClick(copy, Qt::Key_Space);
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\"2.01 ")));
        QCOMPARE(ravello::collection::EpisodeTable::load(folders.copiedEpisodesFile())
                     .find("P10")
                     .size(),
                 2u);
        // The photo lists hold the people of the next season's episodes too.
        child<QSpinBox>(*m_window, "continueEpisodeSpin")->setValue(2);
        QVERIFY(!child<QListWidget>(*m_window, "LST_CastMDB2")
                     ->findItems(QStringLiteral("Kim Guest"), Qt::MatchContains)
                     .isEmpty());
        continued->setFocus();
        QTest::keyClick(continued, Qt::Key_Space);
        QCOMPARE(status->currentMessage(),
                 QStringLiteral("The copies hand over episodes 1.03 to 1.03"));
        QTest::keyClick(copy, Qt::Key_Space);
        QVERIFY(!QGuiApplication::clipboard()->text().contains(QStringLiteral("\"2.01 ")));
        // The walk below follows on from the copies made before these.
        ravello::testing::writeFileBytes(folders.copiedEpisodesFile(), copiedBefore);

        // The export's dividers of the disc before go before what was copied for it.
        ravello::testing::writeFileBytes(folders.episodeTableFile(), "P9\t1.01\r\n");
        pressAlt(Qt::Key_Left);
        pressAlt(Qt::Key_Right);
        QCOMPARE(status->currentMessage(), QStringLiteral("Episodes 1.02 to 1.02, after disc 1"));
        QCOMPARE(std::pair(first->value(), last->value()), std::pair(2, 2));
        QVERIFY(m_errors.isEmpty());
    }

    // The discs after the one shown are prepared for the seasons of their proposed episodes: the
    // disc whose dividers run into season 2 has it fetched before the user gets there.
    void aDiscIsPreparedForTheSeasonsOfItsEpisodes()
    {
        importExport(ravello::testing::fixturePath("collection/box_set_collection.xml"));
        ravello::testing::writeFileBytes(
            ravello::files::ProgramFolders::under(m_base->path()).episodeTableFile(),
            "P10\t1.03\t2.01\r\n");
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        child<QSpinBox>(*m_window, "SPN_Numero")->setValue(8);
        pressAlt(Qt::Key_Right); // to 9: 10, 11 and 12 are prepared
        QTRY_VERIFY_WITH_TIMEOUT(requestsTo("/3/tv/4401/season/2") > 0, 5000);
        QVERIFY(m_errors.isEmpty());
    }

    // From a disc profile to the films beside it: the TV box follows the profile, and a step
    // that opens nothing leaves nothing of the season to copy.
    void theWalkFromADiscProfileToAFilmLeavesNothingOfTheSeason()
    {
        importExport(ravello::testing::fixturePath("collection/tv_disc_collection.xml"));
        // Every step searches now, with the TV box as the profile leaves it.
        child<QAbstractButton>(*m_window, "CHB_PreparaProfili")->setChecked(false);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        auto* series = child<QAbstractButton>(*m_window, "CHB_Serie");
        auto* copy = child<QAbstractButton>(*m_window, "Copy");
        auto* results = child<QListWidget>(*m_window, "ListaFilmTrovati");
        pressAlt(Qt::Key_Right);
        QVERIFY(series->isChecked());
        QVERIFY(!copy->isEnabled()); // nothing opened yet
        QTest::keyClick(results, Qt::Key_Return);
        QVERIFY(copy->isEnabled());
        copy->setFocus(); // where a certain match leaves it
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));

        pressAlt(Qt::Key_Right); // "House": several films, none opened
        QVERIFY(!series->isChecked());
        QCOMPARE(searchesFor("House"), 1);
        QCOMPARE(requestsTo("/3/search/tv"), 1); // the disc's show alone
        QCOMPARE(child<QStatusBar>(*m_window, "STB_Status")->currentMessage(),
                 QStringLiteral("Several possible matches: choose one"));
        QVERIFY(child<QWidget>(*m_window, "PAN_Stagione")->isHidden());
        for (const char* list : {"LST_CastMDB", "LST_CrewMDB", "LST_CastMDB2", "LST_CrewMDB2"})
            QVERIFY2(child<QListWidget>(*m_window, list)->count() == 0, list);
        QVERIFY(child<QLineEdit>(*m_window, "EDT_TitoloMDB")->text().isEmpty());
        QVERIFY(child<QLabel>(*m_window, "IMG_CoverMDB")->pixmap().isNull());
        QVERIFY(!copy->isEnabled());
        QVERIFY(!child<QAbstractButton>(*m_window, "Button1")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), results);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        pressAlt(Qt::Key_Left);
        QVERIFY(series->isChecked());
        pressAlt(Qt::Key_Left); // "Sample Film" of 2004: a certain match
        QVERIFY(!series->isChecked());
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_IDMDB")->text(), QStringLiteral("4321"));
        QCOMPARE(QApplication::focusWidget(), copy);
        QTest::keyClick(copy, Qt::Key_Space);
        const QString cast = QGuiApplication::clipboard()->text();
        QVERIFY2(cast.contains(QStringLiteral("Sample Film")), qPrintable(cast));
        QVERIFY(!cast.contains(QStringLiteral("Night Desk")));
        QVERIFY(m_errors.isEmpty());
    }

    // A title picked among those found in DVD Profiler sets the collection number: the
    // profiles after it are prepared, and Next steps, from there.
    void aPickedTitleIsWhereNextAndThePreparationGoFrom()
    {
        importExport(ravello::testing::fixturePath("collection/prefetch_collection.xml"));
        auto* titles = child<QComboBox>(*m_window, "CBB_TitoliDVDP");
        const int picked = titles->findText(QStringLiteral("Nothing Like It"));
        titles->setCurrentIndex(picked);
        emit titles->activated(picked);
        auto* number = child<QSpinBox>(*m_window, "SPN_Numero");
        QCOMPARE(number->value(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(searchesFor("Sample Film") == 1, 5000); // profile 6
        QCOMPARE(searchesFor("Nothing Like It"), 0);
        child<QAbstractButton>(*m_window, "BTN_Successivo")->click();
        QCOMPARE(number->value(), 5);
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_TitoloDVD")->text(), QStringLiteral("House"));
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_AnnoDVD")->text(), QStringLiteral("1977"));
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
        // Every credit row is as wide as its text and as tall as its letters.
        for (const char* name : {"LST_CastMDB", "LST_CrewMDB", "LST_CastMDB2", "LST_CrewMDB2"}) {
            auto* list = child<QListWidget>(*m_window, name);
            list->doItemsLayout();
            const QFontMetrics metrics(list->font());
            for (int row = 0; row < list->count(); ++row) {
                const QRect rect = list->visualItemRect(list->item(row));
                QVERIFY2(rect.width() >= metrics.horizontalAdvance(list->item(row)->text()), name);
                QVERIFY2(rect.height() >= metrics.height(), name);
            }
        }

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
        // Without birth years, each copy says its own line, not the lines before it.
        birthYears->setChecked(false);
        child<QAbstractButton>(*m_window, "Button1")->click();
        const QString line = status->currentMessage();
        QVERIFY2(line.startsWith(QStringLiteral("Crew: 2 credits")), qPrintable(line));
        child<QAbstractButton>(*m_window, "Button1")->click();
        QCOMPARE(status->currentMessage(), line);
        QCOMPARE(status->accessibleDescription(), line);
    }

    // The collection's people name the documents' people, need no birth year from TMDb when
    // the table settles it, and are marked in the lists.
    void theCollectionsPeopleAreNamedMarkedAndNotAsked()
    {
        // Ann Actor once, born 1970 (TMDb says 1969); Dee Director twice, 1950 and 1954.
        ravello::testing::writeFileBytes(
            m_window->folders().peopleTableFile(),
            ravello::testing::readFileBytes(
                ravello::testing::fixturePath("collection/people_film_4321.txt")));
        startWindow();
        search(QStringLiteral("Sample Film"));
        openResult(0);
        child<QAbstractButton>(*m_window, "CHB_AnniNascita")->setChecked(true);
        child<QAbstractButton>(*m_window, "Copy")->click();
        const QString cast = QGuiApplication::clipboard()->text();
        QVERIFY2(cast.contains(QStringLiteral(
                     R"(FirstName="Ann" MiddleName="" LastName="Actor" BirthYear="1970")")),
                 qPrintable(cast));
        child<QAbstractButton>(*m_window, "Button1")->click();
        QVERIFY2(QGuiApplication::clipboard()->text().contains(QStringLiteral(
                     R"(FirstName="Dee" MiddleName="" LastName="Director" BirthYear="1954")")),
                 qPrintable(QGuiApplication::clipboard()->text()));
        const auto requests = m_server->requests();
        const auto asked = [&](const std::string& path) {
            return std::any_of(requests.begin(), requests.end(),
                               [&](const auto& r) { return r.path == path; });
        };
        QVERIFY(!asked("/3/person/1001")); // one year in the table: settled
        QVERIFY(asked("/3/person/1002"));  // not in the table
        QVERIFY(asked("/3/person/2001"));  // two years in the table: TMDb's picks one

        const struct
        {
            const char* list;
            int row;
            QString toolTip;
        } marks[] = {
            {"LST_CastMDB", 0, QStringLiteral("In your collection: Ann /  / Actor, born 1970")},
            {"LST_CastMDB", 1, QString()},
            {"LST_CrewMDB", 0,
             QStringLiteral("In your collection: Dee /  / Director, born 1950\n"
                            "In your collection: Dee /  / Director, born 1954")},
        };
        for (const auto& mark : marks) {
            QListWidgetItem* item = child<QListWidget>(*m_window, mark.list)->item(mark.row);
            QCOMPARE(item->toolTip(), mark.toolTip);
            QCOMPARE(item->data(ravello::app::CreditListDelegate::kKnownPersonRole).toBool(),
                     !mark.toolTip.isEmpty());
        }
        // The tooltips follow the interface language.
        child<QAbstractButton>(*m_window, "BTN_Italiano")->click();
        QCOMPARE(child<QListWidget>(*m_window, "LST_CastMDB")->item(0)->toolTip(),
                 QStringLiteral("Nella tua raccolta: Ann /  / Actor, nato nel 1970"));
    }

    // A file that does not read leaves the built-in rules in effect, and the status line says
    // where and why once the window is up.
    void aCrewMappingThatDoesNotReadIsToldInTheStatusLine()
    {
        std::ofstream(m_window->folders().crewMappingFile()) << "department begins \"Directing\"\n"
                                                                "    job sounds \"Director\"\n";
        startWindow();
        const QString line = child<QStatusBar>(*m_window, "STB_Status")->currentMessage();
        QVERIFY2(line.startsWith(QStringLiteral("The crew mapping file does not read (")),
                 qPrintable(line));
        QVERIFY2(
            line.contains(QStringLiteral("CrewMapping.txt, line 2: \"is\" or \"begins\" expected, "
                                         "not \"sounds\")")),
            qPrintable(line));
    }

    // A profile picked from the collection ranks the results by its titles and year: of the
    // films called "House", its 1977 one comes first; the same text typed anew ranks as TMDb
    // answers.
    void aPickedProfileRanksTheResultsByItsTitlesAndYear()
    {
        const std::filesystem::path exportFile = m_base->path() / "Collection.xml";
        ravello::testing::writeFileBytes(
            exportFile,
            "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<Collection>\r\n"
            "  <DVD>\r\n    <ID>1</ID>\r\n    <CollectionNumber>1</CollectionNumber>\r\n"
            "    <Title>House</Title>\r\n    <OriginalTitle/>\r\n"
            "    <ProductionYear>1977</ProductionYear>\r\n    <MyLinks>\r\n    </MyLinks>\r\n"
            "  </DVD>\r\n</Collection>\r\n");
        importExport(exportFile);
        child<QComboBox>(*m_window, "CBB_TitoliDVDP")->activated(0);
        QCOMPARE(child<QLineEdit>(*m_window, "EDT_CercaManuale")->text(), QStringLiteral("House"));
        child<QAbstractButton>(*m_window, "BTN_Cerca")->click();
        auto* results = child<QListWidget>(*m_window, "ListaFilmTrovati");
        QVERIFY2(results->item(0)->text().contains(QStringLiteral("(1977)")),
                 qPrintable(results->item(0)->text()));
        QVERIFY(results->item(0)->font().bold());
        search(QStringLiteral("house"));
        QVERIFY2(results->item(0)->text().contains(QStringLiteral("(1986)")),
                 qPrintable(results->item(0)->text()));
    }

    void aPhotoIsShownAndCopied()
    {
        search(QStringLiteral("Sample Film"));
        openResult(0);
        QGuiApplication::clipboard()->clear();
        child<QAbstractButton>(*m_window, "BTN_CopiaPhoto")->click();
        QVERIFY(QGuiApplication::clipboard()->image().isNull());

        child<QListWidget>(*m_window, "LST_CastMDB2")->setCurrentRow(0);
        m_window->handoverArea().LST_CastMDB2DblClick();
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
        QVERIFY(!child<QLabel>(*m_window, "IMG_Cast")->pixmap().isNull());
        child<QAbstractButton>(*m_window, "BTN_CopiaPhoto")->click();
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());

        child<QListWidget>(*m_window, "LST_CastMDB2")->setCurrentRow(1); // a person without a photo
        m_window->handoverArea().LST_CastMDB2DblClick();
        QVERIFY(m_errors.isEmpty());
        QCOMPARE(m_information, QStringList{QStringLiteral("TMDb has no photo of this person")});
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

    // Every style keeps a selected row readable in every list, with the list focused from the
    // keyboard or not.
    void selectedRowsAreReadableInEveryStyle()
    {
        search(QStringLiteral("Sample Film"));
        openResult(0);
        m_window->show();
        auto* styles = child<QListWidget>(*m_window, "CONF_PROG_LIS_Lista_Stili");
        for (int style = 0; style < styles->count(); ++style) {
            styles->setCurrentRow(style);
            m_window->settingsArea().CONF_PROG_LIS_Lista_StiliDblClick();
            QCoreApplication::processEvents(); // the widgets take the new palette
            for (const char* name : {"ListaFilmTrovati", "LST_CastMDB", "LST_CrewMDB",
                                     "LST_CastMDB2", "LST_CrewMDB2", "CONF_PROG_LIS_Lista_Stili"}) {
                auto* list = child<QListWidget>(*m_window, name);
                list->setCurrentRow(0);
                for (const bool focused : {true, false}) {
                    if (focused)
                        list->setFocus(Qt::TabFocusReason);
                    else
                        list->clearFocus();
                    const QByteArray where =
                        (styles->item(style)->text() + QLatin1Char('/') + QLatin1String(name))
                            .toUtf8();
                    QVERIFY2(selectedRowContrast(*list) >= ravello::app::kReadableContrast,
                             where.constData());
                }
            }
        }
    }
};

QTEST_MAIN(FilmRoadTest)
#include "film_road_test.moc"
