// SPDX-License-Identifier: MIT
#include <cstdlib>
#include <exception>
#include <memory>

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "app/interface_texts.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/visual_styles.h"
#include "core/files/program_folders.h"
#include "core/platform/environment.h"
#include "core/platform/user_folders.h"
#include "core/settings/settings.h"
#include "core/settings/settings_file.h"

namespace {

// The message of a start that failed, in the language of the settings when they can be read.
void showStartFailure(const QString& detail)
{
    int languageIndex = ravello::settings::kEnglish;
    try {
        const auto folders =
            ravello::files::ProgramFolders::under(ravello::platform::userDataFolder());
        languageIndex = ravello::settings::loadSettings(folders.settingsFile()).languageIndex;
    } catch (...) {
        // The English text then.
    }
    ravello::app::MessageTable texts;
    texts.fill();
    QMessageBox::critical(nullptr, texts.text("MSG_Errore", languageIndex),
                          texts.text("MSG_AvvioFallito", languageIndex).arg(detail));
}

} // namespace

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
    std::unique_ptr<TForm1> mainWindow;
    try {
        mainWindow = std::make_unique<TForm1>(ravello::platform::userDataFolder(), hosts);
    } catch (const std::exception& error) {
        // A start that cannot be made is told, and the program ends without a crash.
        showStartFailure(QString::fromLocal8Bit(error.what()));
        return EXIT_FAILURE;
    } catch (...) {
        showStartFailure(QString());
        return EXIT_FAILURE;
    }
    TForm2 splash(mainWindow.get());
    mainWindow->setSplash(&splash);
    mainWindow->show();
    return QApplication::exec();
}
