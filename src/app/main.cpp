// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/visual_styles.h"
#include "core/platform/environment.h"
#include "core/platform/user_folders.h"
#include "core/settings/settings.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravello"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/ravello.png")));
    // The default look before any window exists; the settings may choose another one.
    ravello::app::applyVisualStyle(QString::fromLatin1(ravello::settings::kDefaultStyle));

    namespace tmdb = ravello::tmdb;
    using ravello::platform::environmentVariable;
    // The environment may point the program at other hosts than TMDb's (the offline demo).
    const auto hosts = tmdb::Hosts::withOverrides(environmentVariable(tmdb::kApiHostVariable),
                                                  environmentVariable(tmdb::kImageHostVariable));
    TForm1 mainWindow(ravello::platform::userDataFolder(), hosts);
    TForm2 splash(&mainWindow);
    mainWindow.setSplash(&splash);
    mainWindow.show();
    return QApplication::exec();
}
