// SPDX-License-Identifier: MIT
#include <memory>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

#include "app/frame/main_window.h"
#include "app/search/search_area.h"
#include "app/settings/settings_area.h"
#include "app/texts/accessible_names.h"
#include "test_window.h"
#include "tests/app/named_child.h"
#include "tests/support/temporary_folder.h"

using ravello::testing::child;
using ravello::testing::readFileBytes;
using ravello::testing::TemporaryFolder;
using ravello::testing::writeFileBytes;

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> m_base;

    std::unique_ptr<TForm1> makeWindow() { return std::make_unique<TestWindow>(m_base->path()); }

    std::filesystem::path settingsFile() const
    {
        return m_base->path() / "Orvanet" / "RAVELLO" / "Ravello.INI";
    }

private slots:
    void init() { m_base = std::make_unique<TemporaryFolder>(); }
    void cleanup() { m_base.reset(); }

    void firstRunMakesEveryFolder()
    {
        auto window = makeWindow();
        const auto db = m_base->path() / "Orvanet" / "RAVELLO" / "DB";
        for (const char* folder : {"Movie", "Movie/Actors", "Movie/Checks", "Movie/FilmData",
                                   "Actors", "Crew", "Covers", "DVDP"})
            QVERIFY2(std::filesystem::is_directory(db / folder), folder);
        // The data folder is a tooltip; captions and the next step show from the first frame.
        QVERIFY(child<QLabel>(*window, "Label1")->isHidden());
        QCOMPARE(child<QWidget>(*window, "PAN_PannelloTitoliTrovatiTop")->toolTip(),
                 QString::fromStdString(m_base->path().string()));
        QCOMPARE(child<QAbstractButton>(*window, "BTN_Esci")->text(), QStringLiteral("Exit"));
        QCOMPARE(child<QStatusBar>(*window, "STB_Status")->currentMessage(),
                 QStringLiteral("Choose your DVD Profiler export and enter your TMDb key on the "
                                "Settings page"));
        QVERIFY(!std::filesystem::exists(settingsFile()));
    }

    void firstActivationShowsEnglishCaptionsAndTheVersion()
    {
        auto window = makeWindow();
        window->FormActivate();
        QCOMPARE(window->windowTitle(), QStringLiteral("Ravello - Version 1.1.0.1007"));
        QCOMPARE(child<QAbstractButton>(*window, "BTN_Esci")->text(), QStringLiteral("Exit"));
        QCOMPARE(child<QLabel>(*window, "LBL_Cerca1")->text(), QStringLiteral("Films to search"));
        auto* pages = child<QTabWidget>(*window, "Pagine");
        QCOMPARE(pages->tabText(1), QStringLiteral("Settings"));
        auto* filmPages = child<QTabWidget>(*window, "PAG_Pagine");
        QCOMPARE(filmPages->tabText(2), QStringLiteral("Cast && Crew"));
        // The '&' before a blank is shown, not taken for a shortcut marker.
        QCOMPARE(child<QAbstractButton>(*window, "CBO_Sound")->text(),
                 QStringLiteral("Sound && Music"));
        QCOMPARE(
            ravello::app::withoutMnemonics(child<QAbstractButton>(*window, "CBO_Sound")->text()),
            QStringLiteral("Sound & Music"));
    }

    void languageButtonsSwitchCaptionsAndDropTheVersion()
    {
        auto window = makeWindow();
        window->FormActivate();
        child<QAbstractButton>(*window, "BTN_Italiano")->click();
        QCOMPARE(window->windowTitle(), QStringLiteral("Ravello"));
        QCOMPARE(child<QAbstractButton>(*window, "BTN_Esci")->text(), QStringLiteral("Esci"));
        QCOMPARE(child<QLabel>(*window, "LBL_Cerca1")->text(), QStringLiteral("Film da cercare"));
        auto* filmPages = child<QTabWidget>(*window, "PAG_Pagine");
        QCOMPARE(filmPages->tabText(2), QStringLiteral("Cast e staff"));
        QCOMPARE(filmPages->tabText(3), QStringLiteral("Foto del cast"));
        child<QAbstractButton>(*window, "BTN_Tedesco")->click();
        QCOMPARE(child<QAbstractButton>(*window, "BTN_Esci")->text(), QStringLiteral("Beenden"));
        QCOMPARE(child<QAbstractButton>(*window, "BTN_Spagnolo")->text(),
                 QString::fromUtf8("Español"));
        QCOMPARE(window->languageIndex(), 3);
    }

    void apiInstructionsKeepSixLines()
    {
        auto window = makeWindow();
        window->FormActivate();
        for (int times = 0; times < 4; ++times)
            child<QAbstractButton>(*window, times % 2 ? "BTN_Inglese" : "BTN_Italiano")->click();
        auto* instructions = child<QPlainTextEdit>(*window, "MEM_API");
        QCOMPARE(instructions->document()->blockCount(), 6);
        QVERIFY(instructions->toPlainText().startsWith(QStringLiteral("How to Create")));
    }

    void exitWritesEveryKeyAndTheCloseBoxNothing()
    {
        {
            auto window = makeWindow();
            window->FormActivate();
            child<QAbstractButton>(*window, "BTN_Italiano")->click();
            window->close();
        }
        QVERIFY(!std::filesystem::exists(settingsFile()));
        {
            auto window = makeWindow();
            child<QLineEdit>(*window, "EDT_Key")->setText(QStringLiteral("abc.def"));
            child<QAbstractButton>(*window, "BTN_Italiano")->click();
            child<QAbstractButton>(*window, "CHB_AnniNascita")->click();
            child<QAbstractButton>(*window, "BTN_Esci")->click();
        }
        const std::string ini = readFileBytes(settingsFile());
        for (const char* key :
             {"Tema=Glow", "Lingua=0", "FileAppoggioDVDP=", "PathDatabaseDVDP=", "LastAnno=99",
              "LastSecondo=99", "Lingua=en-US", "Paese=US", "ChiaveTMDb=abc.def",
              "AnniNascitaTMDb=1", "Top=", "Left=", "Width=", "Height=", "Versione=2"})
            QVERIFY2(ini.find(key) != std::string::npos, key);
        auto reopened = makeWindow();
        QCOMPARE(reopened->languageIndex(), 0);
        QCOMPARE(child<QLineEdit>(*reopened, "EDT_Key")->text(), QStringLiteral("abc.def"));
        QVERIFY(child<QAbstractButton>(*reopened, "CHB_AnniNascita")->isChecked());
    }

    void aWorkingFolderThatNoLongerExistsStillStarts()
    {
        const std::filesystem::path before = std::filesystem::current_path();
        {
            TemporaryFolder gone;
            std::filesystem::current_path(gone.path());
        }
        {
            auto window = makeWindow();
            window->FormActivate();
            QCOMPARE(child<QAbstractButton>(*window, "BTN_Esci")->text(), QStringLiteral("Exit"));
        }
        std::filesystem::current_path(before);
    }

    void absurdStoredGeometryStaysOnTheScreen()
    {
        writeFileBytes(settingsFile(), "[Posizione]\nTop=99999999999\nLeft=-5000000\n"
                                       "Width=2147483647\nHeight=99999999999\n");
        auto window = makeWindow();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(window->width() <= 16384);
        QVERIFY(window->height() <= 16384);
        QVERIFY(screen.intersects(window->frameGeometry()));
    }

    void unknownStoredStyleFallsBackToGlow()
    {
        writeFileBytes(settingsFile(), "[Impostazioni]\nTema=No Such Style\nLingua=9\n");
        auto window = makeWindow();
        QCOMPARE(window->currentStyleName(), QStringLiteral("Glow"));
        QCOMPARE(window->languageIndex(), 1);
    }

    void styleListShowsTwentySortedNamesAndSwitchesOnDoubleClick()
    {
        auto window = makeWindow();
        auto* styles = child<QListWidget>(*window, "CONF_PROG_LIS_Lista_Stili");
        QCOMPARE(styles->count(), 20);
        QCOMPARE(styles->item(0)->text(), QStringLiteral("Amakrits"));
        const auto windows = styles->findItems(QStringLiteral("Windows"), Qt::MatchExactly);
        QCOMPARE(windows.size(), 1);
        styles->setCurrentItem(windows.front());
        window->settingsArea().CONF_PROG_LIS_Lista_StiliDblClick();
        QCOMPARE(window->currentStyleName(), QStringLiteral("Windows"));
    }

    void hiddenControlsExistAndStayHidden()
    {
        auto window = makeWindow();
        for (const char* name : {"SPN_Numero1", "IMG_CoverDVD", "PAN_DatiDVD", "LBL_IDDVDP1",
                                 "EDT_PathDatabaseProgramma", "CBO_Paese", "Pan_Dischi",
                                 "CHB_Disco18", "Memo1", "Memo2", "IMG_Attore", "OpenDialog1"}) {
            auto* control = window->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(control, name);
            QVERIFY2(!control->isVisibleTo(window.get()), name);
        }
        for (const char* name : {"EDT_Key", "MEM_API", "LBL_API1", "LBL_API2"})
            QVERIFY2(!child<QWidget>(*window, name)->isHidden(), name);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
