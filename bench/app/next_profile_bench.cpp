// SPDX-License-Identifier: MIT
// "Next profile" onto a prepared profile: the time from the key to the Cast & Crew page with the
// film shown, against the fake TMDb answering each request after 150 ms. The profile after the
// one shown is prepared in the background first; stepping onto it then asks TMDb nothing. The
// goal is under 50 ms. Run on Qt's offscreen platform: QT_QPA_PLATFORM=offscreen.
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QThread>

#include "tests/app/test_window.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace {

template <typename Widget> Widget* named(const QWidget& window, const char* name)
{
    return window.findChild<Widget*>(QString::fromLatin1(name));
}

// Lets the window take the preparation's outcomes until the server has answered `requests`.
void waitForRequests(const ravello::testing::FakeTmdbServer& server, std::size_t requests)
{
    QElapsedTimer waited;
    waited.start();
    while (server.requestCount() < requests && waited.elapsed() < 20'000) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    for (int round = 0; round < 20; ++round) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
}

// An export of profiles numbered from 1, each with its title, released in 2004.
std::string exportOf(std::initializer_list<const char*> titles)
{
    std::string body = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<Collection>\r\n";
    int number = 0;
    for (const char* title : titles) {
        const std::string n = std::to_string(++number);
        body += "  <DVD>\r\n    <ID>P" + n + "</ID>\r\n    <CollectionNumber>" + n +
                "</CollectionNumber>\r\n    <Title>" + title +
                "</Title>\r\n    <OriginalTitle/>\r\n    <ProductionYear>2004</ProductionYear>\r\n"
                "    <MyLinks>\r\n    </MyLinks>\r\n  </DVD>\r\n";
    }
    return body + "</Collection>\r\n";
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ravello::testing::FakeTmdbServer server;
    server.setDelay(std::chrono::milliseconds(150));
    ravello::testing::TemporaryFolder base;
    ravello::testing::writeFileBytes(base.path() / "Orvanet" / "RAVELLO" / "Ravello.INI",
                                     "[Dati]\r\nChiaveTMDb=0123456789abcdef0123456789abcdef\r\n");
    TestWindow window(base.path(), ravello::tmdb::Hosts{server.url(), server.url()});
    window.FormActivate();
    window.setErrorShower([](const QString& text, const QString&) {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    });
    // Profile 1 is shown; profile 2, a certain match, is prepared meanwhile.
    const std::filesystem::path exportFile = base.path() / "Collection.xml";
    ravello::testing::writeFileBytes(exportFile, exportOf({"House", "Sample Film"}));
    named<QLineEdit>(window, "EDT_NomeAppoggioDVDProfiler")
        ->setText(QString::fromStdString(exportFile.string()));
    named<QPushButton>(window, "BTN_Rielabora")->click();
    auto* number = named<QSpinBox>(window, "SPN_Numero");
    number->setValue(2);
    number->setValue(1);
    waitForRequests(server, 4); // the search, the details, the credits and the poster
    const std::size_t before = server.requestCount();
    QElapsedTimer timer;
    timer.start();
    named<QPushButton>(window, "BTN_Successivo")->click();
    const qint64 elapsed = timer.elapsed();
    auto* pages = named<QTabWidget>(window, "PAG_Pagine");
    const bool onCast = pages->currentWidget() == named<QWidget>(window, "Pag_Cast");
    std::printf("Next profile onto a prepared profile: %lld ms, %zu requests, %s\n",
                static_cast<long long>(elapsed), server.requestCount() - before,
                onCast ? "on the Cast & Crew page" : "NOT on the Cast & Crew page");
    return onCast ? 0 : 1;
}
