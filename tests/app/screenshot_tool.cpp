// SPDX-License-Identifier: MIT
// ravello-screenshots OUTPUT_FOLDER: walks the road of one film through the window against the
// fake TMDb server and the sample collection, offscreen, and saves each step as a PNG picture,
// then the film's cast and crew page once in every visual style.
#include <filesystem>
#include <iostream>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTabWidget>

#include "app/frame/main_window.h"
#include "app/handover/handover_area.h"
#include "app/look/visual_styles.h"
#include "app/search/search_area.h"
#include "app/settings/settings_area.h"
#include "test_window.h"
#include "tests/app/named_child.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace fs = std::filesystem;
using ravello::testing::child;
using ravello::testing::FakeTmdbServer;
using ravello::testing::TemporaryFolder;

namespace {

constexpr const char* kDemoKey = "0123456789abcdef0123456789abcdef";
constexpr const char* kPickedTitle = "Nuovo Cinema Paradiso";
constexpr const char* kSearchText = "Sample Film";

// A data folder whose settings point at a copy of the sample export, with a key.
void prepareDataFolder(const fs::path& base)
{
    const fs::path program = base / "Orvanet" / "RAVELLO";
    const fs::path dvdProfiler = base / "DVD Profiler";
    fs::create_directories(program);
    fs::create_directories(dvdProfiler / "Images");
    fs::copy_file(ravello::testing::fixturePath("collection/collection.xml"),
                  dvdProfiler / "Collection.xml");
    const std::string ini =
        "[Impostazioni]\nTema=Glow\nLingua=1\n[Dati]\nFileAppoggioDVDP=" +
        (dvdProfiler / "Collection.xml").string() + "\nPathDatabaseDVDP=" + dvdProfiler.string() +
        "\nChiaveTMDb=" + kDemoKey + "\n[Posizione]\nTop=0\nLeft=0\nWidth=1056\nHeight=1036\n";
    ravello::testing::writeFileBytes(program / "Ravello.INI", ini);
}

class Photographer
{
public:
    Photographer(TForm1& window, fs::path folder) : m_window(window), m_folder(std::move(folder)) {}

    void showFilmPage(int index)
    {
        child<QTabWidget>(m_window, "PAG_Pagine")->setCurrentIndex(index);
    }

    QPixmap take(const QString& name)
    {
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
        const QPixmap picture = m_window.grab();
        save(picture, name);
        return picture;
    }

    void save(const QPixmap& picture, const QString& name) const
    {
        const QString file =
            QString::fromStdString((m_folder / (name.toStdString() + ".png")).string());
        if (!picture.save(file))
            qFatal("cannot write %s", qPrintable(file));
        std::cout << file.toStdString() << '\n';
    }

private:
    TForm1& m_window;
    fs::path m_folder;
};

void walkTheRoad(TForm1& window, Photographer& camera)
{
    camera.take(QStringLiteral("01-title-list"));
    auto* titles = child<QComboBox>(window, "CBB_TitoliDVDP");
    const int picked = titles->findText(QLatin1String(kPickedTitle), Qt::MatchContains);
    titles->setCurrentIndex(picked);
    emit titles->activated(picked);
    camera.take(QStringLiteral("02-title-picked"));
    child<QLineEdit>(window, "EDT_CercaManuale")->setText(QLatin1String(kSearchText));
    child<QAbstractButton>(window, "BTN_Cerca")->click();
    camera.take(QStringLiteral("03-search"));
    child<QListWidget>(window, "ListaFilmTrovati")->setCurrentRow(0);
    window.searchArea().ListaFilmTrovatiDblClick();
    camera.take(QStringLiteral("04-film-cover"));
    camera.showFilmPage(1);
    camera.take(QStringLiteral("05-film-data"));
    camera.showFilmPage(2);
    camera.take(QStringLiteral("06-cast-and-crew"));
    camera.showFilmPage(3);
    child<QListWidget>(window, "LST_CastMDB2")->setCurrentRow(0);
    window.handoverArea().LST_CastMDB2DblClick();
    camera.take(QStringLiteral("07-cast-photo"));
    child<QTabWidget>(window, "Pagine")->setCurrentIndex(1);
    child<QTabWidget>(window, "CONF_Pagine")->setCurrentIndex(1);
    camera.take(QStringLiteral("08-settings"));
    child<QTabWidget>(window, "CONF_Pagine")->setCurrentIndex(2);
    camera.take(QStringLiteral("09-styles"));
    child<QTabWidget>(window, "Pagine")->setCurrentIndex(0);
}

// Every style's picture a quarter of its size, five to a row, each with its name below.
QPixmap contactSheet(const QList<std::pair<QString, QPixmap>>& pictures)
{
    constexpr int kColumns = 5;
    constexpr int kCaption = 22;
    const QSize cell = pictures.front().second.size() / 4;
    const int rows = (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns;
    QPixmap sheet(cell.width() * kColumns, (cell.height() + kCaption) * rows);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int at = 0; at < pictures.size(); ++at) {
        const QRect place(
            QPoint((at % kColumns) * cell.width(), (at / kColumns) * (cell.height() + kCaption)),
            cell);
        painter.drawPixmap(place, pictures[at].second);
        painter.setPen(Qt::black);
        painter.drawText(QRect(place.bottomLeft(), QSize(cell.width(), kCaption)), Qt::AlignCenter,
                         pictures[at].first);
    }
    return sheet;
}

void photographEveryStyle(Photographer& camera)
{
    camera.showFilmPage(2);
    QList<std::pair<QString, QPixmap>> pictures;
    for (const QString& style : ravello::app::visualStyleNames()) {
        ravello::app::applyVisualStyle(style);
        QString name = style.toLower();
        name.replace(QLatin1Char(' '), QLatin1Char('-'));
        pictures.append({style, camera.take(QStringLiteral("style-") + name)});
    }
    ravello::app::applyVisualStyle(QStringLiteral("Glow"));
    camera.save(contactSheet(pictures), QStringLiteral("styles"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: ravello-screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    const fs::path output = fs::absolute(argv[1]);
    fs::create_directories(output);
    FakeTmdbServer server;
    if (!server.isListening()) {
        std::cerr << "ravello-screenshots: the fake TMDb server did not start\n";
        return 1;
    }
    TemporaryFolder base;
    prepareDataFolder(base.path());
    ravello::app::applyVisualStyle(QStringLiteral("Glow"));

    TestWindow window(base.path(), ravello::tmdb::Hosts{server.url(), server.url()});
    QStringList errors;
    window.setErrorShower([&](const QString& text, const QString&) { errors << text; });
    window.setInformationShower([&](const QString& text, const QString&) { errors << text; });
    window.setQuestionAsker([](const QString&, const QString&) { return false; });
    window.show();
    window.FormActivate();
    Photographer camera(window, output);
    walkTheRoad(window, camera);
    photographEveryStyle(camera);
    for (const QString& error : errors)
        std::cerr << "ravello-screenshots: the window reported: " << error.toStdString() << '\n';
    return errors.isEmpty() ? 0 : 1;
}
