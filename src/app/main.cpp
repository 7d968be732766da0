// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/visual_styles.h"
#include "core/platform/user_folders.h"
#include "core/settings/settings.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravello"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/ravello.png")));
    // The default look before any window exists; the settings may choose another one.
    ravello::app::applyVisualStyle(QString::fromLatin1(ravello::settings::kDefaultStyle));

    TForm1 mainWindow(ravello::platform::userDataFolder());
    TForm2 splash(&mainWindow);
    mainWindow.setSplash(&splash);
    mainWindow.show();
    return QApplication::exec();
}
