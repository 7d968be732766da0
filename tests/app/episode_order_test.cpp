// SPDX-License-Identifier: MIT
#include <memory>
#include <string>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QtTest>

#include "app/search/search_area.h"
#include "core/files/program_folders.h"
#include "core/tmdb/episode_orders.h"
#include "test_window.h"
#include "tests/app/named_child.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

using ravello::testing::child;

// A show with DVD groups offers its episode orders beside the season; choosing one opens the
// show's seasons in it and keeps it for the show.
class EpisodeOrderTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ravello::testing::FakeTmdbServer> m_server;
    std::unique_ptr<ravello::testing::TemporaryFolder> m_base;
    std::unique_ptr<TForm1> m_window;
    QStringList m_errors;

    std::filesystem::path ordersFile() const
    {
        return ravello::files::ProgramFolders::at(m_base->path() / "Orvanet" / "RAVELLO")
            .episodeOrdersFile();
    }

    static void choose(QComboBox* box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    QStringList itemsOf(const char* name) const
    {
        QStringList items;
        auto* box = child<QComboBox>(*m_window, name);
        for (int index = 0; index < box->count(); ++index)
            items << box->itemText(index);
        return items;
    }

    QString firstCastRow() const
    {
        return child<QListWidget>(*m_window, "LST_CastMDB")->item(0)->text();
    }

private slots:
    void init()
    {
        m_server = std::make_unique<ravello::testing::FakeTmdbServer>();
        QVERIFY(m_server->isListening());
        m_base = std::make_unique<ravello::testing::TemporaryFolder>();
        ravello::testing::writeFileBytes(
            m_base->path() / "Orvanet/RAVELLO/Ravello.INI",
            "[Dati]\r\nChiaveTMDb=0123456789abcdef0123456789abcdef\r\n");
        m_window = std::make_unique<TestWindow>(
            m_base->path(), ravello::tmdb::Hosts{m_server->url(), m_server->url()});
        m_window->FormActivate();
        m_window->setErrorShower([this](const QString& text, const QString&) { m_errors << text; });
        child<QAbstractButton>(*m_window, "CHB_Serie")->setChecked(true);
        child<QLineEdit>(*m_window, "EDT_CercaManuale")->setText(QStringLiteral("Night Desk"));
        child<QAbstractButton>(*m_window, "BTN_Cerca")->click();
        auto* results = child<QListWidget>(*m_window, "ListaFilmTrovati");
        const auto shows =
            results->findItems(QStringLiteral("Night Desk (2009)"), Qt::MatchStartsWith);
        QVERIFY(!shows.isEmpty());
        results->setCurrentItem(shows.front());
        m_window->searchArea().ListaFilmTrovatiDblClick();
    }

    void cleanup()
    {
        m_window.reset();
        m_base.reset();
        m_server.reset();
        m_errors.clear();
    }

    void choosingADvdGroupReopensTheSeasonsInItAndKeepsIt()
    {
        auto* orders = child<QComboBox>(*m_window, "episodeOrderBox");
        auto* seasons = child<QComboBox>(*m_window, "CBB_Stagione");
        QVERIFY(!orders->isHidden());
        QCOMPARE(seasons->nextInFocusChain(), orders);
        QCOMPARE(itemsOf("episodeOrderBox"),
                 (QStringList{QStringLiteral("TMDb seasons"), QStringLiteral("DVD Order"),
                              QString::fromUtf8("Coffret édition collector")}));

        choose(orders, 1);
        QCOMPARE(itemsOf("CBB_Stagione"), (QStringList{QStringLiteral("Specials (2 episodes)"),
                                                       QStringLiteral("Season 1 (2 episodes)"),
                                                       QStringLiteral("Season 2 (3 episodes)")}));
        QCOMPARE(ravello::tmdb::chosenEpisodeGroup(ordersFile(), 4401),
                 std::optional<std::string>("5b11ba820e0a265847002c6e"));
        choose(seasons, 2);
        QVERIFY2(firstCastRow().contains(QStringLiteral("2.01 Poof")), qPrintable(firstCastRow()));

        // A group that cannot be had leaves the season shown, in its order.
        choose(orders, 2);
        QCOMPARE(m_errors.size(), 1);
        QCOMPARE(orders->currentIndex(), 1);
        QVERIFY(firstCastRow().contains(QStringLiteral("2.01 Poof")));

        // A group without episodes says so, and the season stays shown in its order.
        ravello::testing::ScriptedAnswer empty;
        empty.body = R"({"id":"60ea741fa6c1040047de4bb0","name":"Coffret","type":3,"groups":[]})";
        m_server->queueAnswerFor("/3/tv/episode_group/60ea741fa6c1040047de4bb0", empty);
        choose(orders, 2);
        QCOMPARE(orders->currentIndex(), 1);
        QCOMPARE(child<QStatusBar>(*m_window, "STB_Status")->currentMessage(),
                 QStringLiteral("This episode order holds no episodes"));
        QCOMPARE(m_errors.size(), 1);

        choose(orders, 0);
        QCOMPARE(seasons->currentText(), QStringLiteral("Season 1 (3 episodes)"));
        QCOMPARE(ravello::tmdb::chosenEpisodeGroup(ordersFile(), 4401), std::nullopt);
        QVERIFY(m_errors.size() == 1);
    }
};

QTEST_MAIN(EpisodeOrderTest)
#include "episode_order_test.moc"
