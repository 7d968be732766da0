// SPDX-License-Identifier: MIT
#include "app/start_failure.h"

#include <QMessageBox>

#include "app/texts/interface_texts.h"
#include "core/files/program_folders.h"
#include "core/platform/user_folders.h"
#include "core/settings/settings.h"
#include "core/settings/settings_file.h"

namespace ravello::app {

void showFailure(const char* key, const QString& detail)
{
    int languageIndex = settings::kEnglish;
    try {
        const auto folders = files::ProgramFolders::under(platform::userDataFolder());
        languageIndex = settings::loadSettings(folders.settingsFile()).languageIndex;
    } catch (...) {
        // The English text then.
    }
    MessageTable texts;
    texts.fill();
    QMessageBox::critical(nullptr, texts.text("MSG_Errore", languageIndex),
                          texts.text(key, languageIndex).arg(detail));
}

} // namespace ravello::app
