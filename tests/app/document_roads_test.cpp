// SPDX-License-Identifier: MIT
#include <memory>
#include <string>

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

#include "app/search/search_area.h"
#include "app/texts/text_conversion.h"
#include "core/files/program_folders.h"
#include "test_window.h"
#include "tests/app/named_child.h"
#include "tests/cli/cli_run.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

using ravello::testing::child;

namespace {

constexpr const char* kKey = "0123456789abcdef0123456789abcdef";

// What the user does in the window for one document, and the command that asks for the same.
struct Road
{
    bool season = false;
    int firstEpisode = 1; // of the season's range
    bool fullCrew = false;
    bool noOther = false;   // the Other crew group unchecked
    bool crew = false;      // the crew document, else the cast's
    int nextSeasonLast = 0; // the range goes on into season 2 up to this episode (0: not)
};

} // namespace

Q_DECLARE_METATYPE(Road)

// Every document is one document whichever road asks for it: the window's copy and
// ravello-cli, on the same data folder with the same people table, against the same fake TMDb,
// give the same bytes.
class DocumentRoadsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ravello::testing::FakeTmdbServer> m_server;
    std::unique_ptr<ravello::testing::TemporaryFolder> m_base;
    std::unique_ptr<TForm1> m_window;

    std::filesystem::path dataFolder() const { return m_base->path() / "Orvanet" / "RAVELLO"; }

    void open(const Road& road)
    {
        child<QAbstractButton>(*m_window, "CHB_Serie")->setChecked(road.season);
        child<QLineEdit>(*m_window, "EDT_CercaManuale")
            ->setText(road.season ? QStringLiteral("Night Desk") : QStringLiteral("Sample Film"));
        child<QAbstractButton>(*m_window, "BTN_Cerca")->click();
        child<QListWidget>(*m_window, "ListaFilmTrovati")->setCurrentRow(0);
        m_window->searchArea().ListaFilmTrovatiDblClick();
        if (road.season) {
            QCOMPARE(child<QComboBox>(*m_window, "CBB_Stagione")->currentText(),
                     QStringLiteral("Season 1 (3 episodes)"));
            child<QSpinBox>(*m_window, "SPN_EpisodioDa")->setValue(road.firstEpisode);
        }
        if (road.nextSeasonLast > 0) {
            child<QAbstractButton>(*m_window, "continueSeasonBox")->click();
            child<QSpinBox>(*m_window, "continueEpisodeSpin")->setValue(road.nextSeasonLast);
        }
    }

    // The document the window puts on the clipboard, as the bytes DVD Profiler reads.
    std::string copiedInWindow(const Road& road)
    {
        open(road);
        child<QAbstractButton>(*m_window, "CHB_AnniNascita")->setChecked(true);
        child<QAbstractButton>(*m_window, "CHB_StaffCompleto")->setChecked(road.fullCrew);
        child<QAbstractButton>(*m_window, "CBO_Altro")->setChecked(!road.noOther);
        QGuiApplication::clipboard()->clear();
        child<QAbstractButton>(*m_window, road.crew ? "Button1" : "Copy")->click();
        return ravello::app::toWindows1252(QGuiApplication::clipboard()->text());
    }

    ravello::cli::CliRun printedByTheTool(const Road& road) const
    {
        ravello::cli::Arguments arguments{"--data-dir", dataFolder().string(),
                                          road.crew ? "crew-xml" : "cast-xml", "--birth-years"};
        const std::string last =
            road.nextSeasonLast > 0 ? "2.0" + std::to_string(road.nextSeasonLast) : "3";
        const ravello::cli::Arguments what =
            road.season ? ravello::cli::Arguments{"--tv", "4401", "1", "--episodes",
                                                  std::to_string(road.firstEpisode) + "-" + last}
                        : ravello::cli::Arguments{"4321"};
        arguments.insert(arguments.end(), what.begin(), what.end());
        if (road.fullCrew)
            arguments.push_back("--full-crew");
        if (road.noOther)
            arguments.push_back("--no-other");
        return ravello::cli::runCapturing(arguments);
    }

private slots:
    void initTestCase()
    {
        m_server = std::make_unique<ravello::testing::FakeTmdbServer>();
        QVERIFY(m_server->isListening());
        qputenv("RAVELLO_TMDB_API_URL", QByteArray::fromStdString(m_server->url()));
        qputenv("RAVELLO_TMDB_IMAGE_URL", QByteArray::fromStdString(m_server->url()));
    }

    void init()
    {
        m_server->reset();
        m_base = std::make_unique<ravello::testing::TemporaryFolder>();
        ravello::testing::writeFileBytes(dataFolder() / "Ravello.INI",
                                         "[Dati]\r\nChiaveTMDb=" + std::string(kKey) + "\r\n");
        ravello::testing::writeFileBytes(
            ravello::files::ProgramFolders::at(dataFolder()).peopleTableFile(),
            ravello::testing::readFileBytes(
                ravello::testing::fixturePath("collection/people_roads.txt")));
        m_window = std::make_unique<TestWindow>(
            m_base->path(), ravello::tmdb::Hosts{m_server->url(), m_server->url()});
        m_window->FormActivate();
        m_window->setErrorShower([](const QString& text, const QString&) {
            qWarning("error box: %s", qPrintable(text));
        });
    }

    void cleanup()
    {
        m_window.reset();
        m_base.reset();
    }

    void theWindowAndTheToolGiveTheSameBytes_data()
    {
        QTest::addColumn<Road>("road");
        // Each document names someone only the collection's table gives a year, or holds an
        // episode of the next season.
        QTest::addColumn<QString>("known");
        QTest::newRow("film cast")
            << Road{} << QStringLiteral(R"(LastName="Actor" BirthYear="1970")");
        QTest::newRow("film crew, Other unchecked")
            << Road{false, 1, false, true, true}
            << QStringLiteral(R"(LastName="Writer" BirthYear="1965")");
        QTest::newRow("season cast, episodes 2-3")
            << Road{true, 2, false, false, false}
            << QStringLiteral(R"(LastName="Lead" BirthYear="1969")");
        QTest::newRow("season crew") << Road{true, 1, false, false, true}
                                     << QStringLiteral(R"(LastName="Director" BirthYear="1971")");
        QTest::newRow("season full crew, episodes 2-3")
            << Road{true, 2, true, false, true}
            << QString::fromUtf8(
                   R"(FirstName="Zoë" MiddleName="" LastName="Writer" BirthYear="1980")");
        // Across the season's end: 1.03 to 2.02, the window's continuation against codes.
        QTest::newRow("seasons 1-2 cast, episodes 1.03-2.02")
            << Road{true, 3, false, false, false, 2}
            << QStringLiteral(R"(LastName="Lead" BirthYear="1969")");
        QTest::newRow("seasons 1-2 crew, episodes 1.03-2.01")
            << Road{true, 3, false, false, true, 1} << QStringLiteral("<Divider Caption=\"2.01 ");
    }

    void theWindowAndTheToolGiveTheSameBytes()
    {
        QFETCH(Road, road);
        QFETCH(QString, known);
        const std::string window = copiedInWindow(road);
        const ravello::cli::CliRun tool = printedByTheTool(road);
        QCOMPARE(tool.status, 0);
        QCOMPARE(QByteArray::fromStdString(window), QByteArray::fromStdString(tool.out));
        QVERIFY2(window.find(ravello::app::toWindows1252(known)) != std::string::npos,
                 window.c_str());
    }
};

QTEST_MAIN(DocumentRoadsTest)
#include "document_roads_test.moc"
