// SPDX-License-Identifier: MIT
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QStyle>
#include <QtTest>

#include "app/frame/main_window.h"
#include "app/frame/splash_window.h"
#include "app/look/colour_contrast.h"
#include "app/look/visual_styles.h"
#include "app/search/search_area.h"
#include "app/settings/settings_area.h"
#include "test_window.h"
#include "tests/app/named_child.h"
#include "tests/support/temporary_folder.h"

using ravello::app::applyVisualStyle;
using ravello::app::contrastRatio;
using ravello::app::kReadableContrast;
using ravello::app::kSelectedRowContrast;
using ravello::app::relativeLuminance;
using ravello::app::visualStyleNames;
using ravello::testing::child;
using ravello::testing::readFileBytes;
using ravello::testing::TemporaryFolder;
using ravello::testing::writeFileBytes;

class VisualStylesTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> m_base;
    QString m_platformStyle;

    std::unique_ptr<TForm1> makeWindow() { return std::make_unique<TestWindow>(m_base->path()); }

    std::filesystem::path settingsFile() const
    {
        return m_base->path() / "Orvanet" / "RAVELLO" / "Ravello.INI";
    }

    static void chooseStyle(TForm1& window, const QString& name)
    {
        auto* styles = child<QListWidget>(window, "CONF_PROG_LIS_Lista_Stili");
        const auto items = styles->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        styles->setCurrentItem(items.front());
        window.settingsArea().CONF_PROG_LIS_Lista_StiliDblClick();
    }

    static void verifyReadable(const QWidget& widget, const QString& style)
    {
        const QPalette& palette = widget.palette();
        const QByteArray where = (style + QLatin1Char('/') + widget.objectName()).toUtf8();
        QVERIFY2(contrastRatio(palette.color(QPalette::Text), palette.color(QPalette::Base)) >=
                     kReadableContrast,
                 where.constData());
        QVERIFY2(contrastRatio(palette.color(QPalette::HighlightedText),
                               palette.color(QPalette::Highlight)) >= kSelectedRowContrast,
                 where.constData());
        QVERIFY2(contrastRatio(palette.color(QPalette::WindowText),
                               palette.color(QPalette::Window)) >= kReadableContrast,
                 where.constData());
        QVERIFY2(contrastRatio(palette.color(QPalette::ButtonText),
                               palette.color(QPalette::Button)) >= kReadableContrast,
                 where.constData());
    }

private slots:
    void initTestCase() { m_platformStyle = QApplication::style()->name(); }
    void init() { m_base = std::make_unique<TemporaryFolder>(); }
    void cleanup() { m_base.reset(); }

    void withoutSettingsTheWindowLooksGlowAndListsTwentyNames()
    {
        auto window = makeWindow();
        QCOMPARE(window->currentStyleName(), QStringLiteral("Glow"));
        auto* styles = child<QListWidget>(*window, "CONF_PROG_LIS_Lista_Stili");
        QCOMPARE(styles->count(), 20);
        QStringList shown;
        for (int row = 0; row < styles->count(); ++row)
            shown << styles->item(row)->text();
        QCOMPARE(shown, visualStyleNames());
        QVERIFY(shown.contains(QStringLiteral("Windows")));
        QVERIFY(!qApp->styleSheet().isEmpty());
    }

    void everyCarriedStyleKeepsListsAndCombosReadable()
    {
        auto window = makeWindow();
        window->show();
        const char* const controls[] = {"ListaFilmTrovati", "LST_CastMDB",     "LST_CrewMDB",
                                        "LST_CastMDB2",     "LST_CrewMDB2",    "CBB_TitoliDVDP",
                                        "CBO_Linguaggio",   "EDT_CercaManuale"};
        for (const QString& name : visualStyleNames()) {
            chooseStyle(*window, name);
            QCOMPARE(window->currentStyleName(), name);
            QCoreApplication::processEvents();
            for (const char* control : controls) {
                const QWidget& widget = *child(*window, control);
                // The platform look shows the desktop's own colours, whatever they are.
                if (name == QLatin1String(ravello::app::kSystemStyle))
                    QCOMPARE(widget.palette().color(QPalette::Base),
                             QApplication::style()->standardPalette().color(QPalette::Base));
                else
                    verifyReadable(widget, name);
            }
        }
    }

    // A platform's selection whose text falls short of the margin gets black or white text on
    // its highlight moved, hue kept, no further than it must; one that reaches it is kept.
    void aShortSelectionGetsTheMarginAndKeepsItsHue()
    {
        struct Case
        {
            QRgb highlight;
            QRgb text;
            QRgb expectedText;
            bool highlightKept;
        };
        const Case cases[] = {
            {0x308cc6, 0xffffff, 0x000000, false}, // Fusion's: lighter blue, black text
            {0x0078d7, 0xffffff, 0xffffff, false}, // Windows 10's: darker blue, white text
            {0x777777, 0xffffff, 0x000000, false}, // lighter grey, black text
            {0x3daee9, 0xffffff, 0x000000, true},  // Breeze's: black reads on it as it is
            {0xffff00, 0xffffff, 0x000000, true},
            {0x000080, 0xffffff, 0xffffff, true}, // already far above the margin
            {0x1d2a36, 0xfafafa, 0xfafafa, true}, // the platform's own near-white is kept
        };
        for (const Case& c : cases) {
            QPalette palette;
            palette.setColor(QPalette::Highlight, QColor(c.highlight));
            palette.setColor(QPalette::HighlightedText, QColor(c.text));
            const QPalette readable = ravello::app::withReadableSelection(palette);
            const QByteArray where = QColor(c.highlight).name().toUtf8();
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
                const QColor highlight = readable.color(group, QPalette::Highlight);
                const QColor text = readable.color(group, QPalette::HighlightedText);
                QVERIFY2(contrastRatio(text, highlight) >= kSelectedRowContrast, where);
                QVERIFY2(contrastRatio(text, highlight) < kSelectedRowContrast + 0.3 ||
                             c.highlightKept,
                         where);
                QCOMPARE(text.rgb(), QColor(c.expectedText).rgb());
                QCOMPARE(highlight == QColor(c.highlight), c.highlightKept);
                QVERIFY2(std::abs(highlight.hsvHue() - QColor(c.highlight).hsvHue()) <= 2, where);
            }
        }
    }

    void carriedStylesLookDifferentAndFitTheirNames()
    {
        struct Expectation
        {
            const char* name;
            bool dark;
            int hueFrom; // the highlight's hue, in degrees
            int hueTo;
        };
        const Expectation expectations[] = {
            {"Amethyst Kamri", false, 260, 290},
            {"Auric", true, 35, 55},
            {"Carbon", true, 20, 40},
            {"Charcoal Dark Slate", true, 195, 225},
            {"Cobalt XEMedia", true, 210, 230},
            {"Cyan Dusk", true, 180, 195},
            {"Cyan Night", true, 180, 195},
            {"Emerald Light Slate", false, 135, 160},
            {"Glow", true, 195, 225},
            {"Golden Graphite", true, 35, 55},
            {"Iceberg Classico", false, 195, 215},
            {"Lavender Classico", false, 250, 280},
            {"Light", false, 195, 225},
            {"Metropolis UI Blue", false, 195, 215},
        };
        for (const Expectation& expected : expectations) {
            QVERIFY(applyVisualStyle(QLatin1String(expected.name)));
            const QPalette palette = QApplication::palette();
            const bool dark = relativeLuminance(palette.color(QPalette::Window)) < 0.2;
            QVERIFY2(dark == expected.dark, expected.name);
            const int hue = palette.color(QPalette::Highlight).hue();
            QVERIFY2(hue >= expected.hueFrom && hue <= expected.hueTo, expected.name);
        }
        QSet<QRgb> windows;
        for (const QString& name : visualStyleNames()) {
            if (name == QLatin1String(ravello::app::kSystemStyle))
                continue;
            QVERIFY(applyVisualStyle(name));
            const QPalette palette = QApplication::palette();
            windows.insert(palette.color(QPalette::Window).rgb() ^
                           (palette.color(QPalette::Highlight).rgb() << 1));
        }
        QCOMPARE(windows.size(), 19);
        QVERIFY(!applyVisualStyle(QStringLiteral("No Such Style")));
    }

    void windowsReturnsToThePlatformLookAndIsSavedAsWindows()
    {
        {
            auto window = makeWindow();
            chooseStyle(*window, QStringLiteral("Carbon"));
            QVERIFY(!qApp->styleSheet().isEmpty());
            chooseStyle(*window, QStringLiteral("Windows"));
            QVERIFY(qApp->styleSheet().isEmpty());
            QCOMPARE(QApplication::style()->name(), m_platformStyle);
            QCOMPARE(QApplication::palette(),
                     ravello::app::withReadableSelection(QApplication::style()->standardPalette()));
            child<QAbstractButton>(*window, "BTN_Esci")->click();
        }
        QVERIFY(readFileBytes(settingsFile()).find("Tema=Windows") != std::string::npos);
        auto reopened = makeWindow();
        QCOMPARE(reopened->currentStyleName(), QStringLiteral("Windows"));
        QVERIFY(qApp->styleSheet().isEmpty());
    }

    void aStyleLeftWithTheCloseBoxIsGoneAtTheNextStart()
    {
        writeFileBytes(settingsFile(), "[Impostazioni]\nTema=Luna\n");
        {
            auto window = makeWindow();
            QCOMPARE(window->currentStyleName(), QStringLiteral("Luna"));
            chooseStyle(*window, QStringLiteral("Cyan Night"));
            QCOMPARE(window->currentStyleName(), QStringLiteral("Cyan Night"));
            window->close();
        }
        auto reopened = makeWindow();
        QCOMPARE(reopened->currentStyleName(), QStringLiteral("Luna"));
        QVERIFY(applyVisualStyle(QStringLiteral("Luna")));
        const QPalette luna = QApplication::palette();
        QCOMPARE(reopened->palette().color(QPalette::Window), luna.color(QPalette::Window));
    }

    void theSplashSwitchesWithTheWindow()
    {
        auto window = makeWindow();
        TForm2 splash(window.get());
        for (const char* name : {"Carbon", "Light", "Windows"}) {
            chooseStyle(*window, QLatin1String(name));
            QCoreApplication::processEvents();
            QCOMPARE(splash.palette().color(QPalette::Window),
                     QApplication::palette().color(QPalette::Window));
        }
    }
};

QTEST_MAIN(VisualStylesTest)
#include "visual_styles_test.moc"
