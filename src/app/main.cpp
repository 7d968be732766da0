// SPDX-License-Identifier: MIT
// The window program's entry point and composition root: it makes the services the window works
// with (folders, settings, endpoint, the request limiter and fetchers, caches, crew mapping)
// and hands them in.
#include <cstdlib>
#include <exception>
#include <memory>

#include <QIcon>

#include "app/frame/main_window.h"
#include "app/frame/splash_window.h"
#include "app/guarded_application.h"
#include "app/look/visual_styles.h"
#include "app/start_failure.h"
#include "app/window_services.h"
#include "core/platform/environment.h"
#include "core/platform/user_folders.h"
#include "core/settings/settings.h"

int main(int argc, char** argv)
{
    ravello::app::GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravello"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/ravello.png")));
    // The default look before any window exists; the settings may choose another one.
    ravello::app::applyVisualStyle(QString::fromLatin1(ravello::settings::kDefaultStyle));

    namespace tmdb = ravello::tmdb;
    using ravello::platform::environmentVariable;
    // The environment may point the program at other hosts than TMDb's (the offline demo).
    const auto hosts = tmdb::Hosts::withOverrides(environmentVariable(tmdb::kApiHostVariable),
                                                  environmentVariable(tmdb::kImageHostVariable));
    std::unique_ptr<ravello::app::WindowServices> services;
    std::unique_ptr<TForm1> mainWindow;
    try {
        services = std::make_unique<ravello::app::WindowServices>(
            ravello::platform::userDataFolder(), hosts);
        mainWindow = std::make_unique<TForm1>(*services);
    } catch (const std::exception& error) {
        // A start that cannot be made is told, and the program ends without a crash.
        ravello::app::showFailure("MSG_AvvioFallito", QString::fromLocal8Bit(error.what()));
        return EXIT_FAILURE;
    } catch (...) {
        ravello::app::showFailure("MSG_AvvioFallito", QString());
        return EXIT_FAILURE;
    }
    TForm2 splash(mainWindow.get());
    mainWindow->setSplash(&splash);
    mainWindow->show();
    return QApplication::exec();
}
