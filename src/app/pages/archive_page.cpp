// SPDX-License-Identifier: MIT
#include "app/pages/archive_page.h"

#include <tuple>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/pages/hidden_settings_panel.h"
#include "app/pages/widget_factory.h"

namespace ravello::app {
namespace {

// The languages TMDb answers in.
constexpr const char* kTmdbLanguages[] = {
    "ar-AE", "ar-SA", "be-BY", "bg-BG", "bn-BD", "ca-ES", "ch-GU", "cs-CZ", "da-DK",
    "de-DE", "el-GR", "en-US", "eo-EO", "es-ES", "es-MX", "eu-ES", "fa-IR", "fi-FI",
    "fr-CA", "fr-FR", "gl-ES", "he-IL", "hi-IN", "hu-HU", "id-ID", "it-IT", "ja-JP",
    "ka-GE", "kn-IN", "ko-KR", "lt-LT", "ml-IN", "nb-NO", "nl-NL", "no-NO", "pl-PL",
    "pt-BR", "pt-PT", "ro-RO", "ru-RU", "si-LK", "sk-SK", "sl-SI", "sr-RS", "sv-SE",
    "ta-IN", "te-IN", "th-TH", "tr-TR", "uk-UA", "vi-VN", "zh-CN", "zh-HK", "zh-TW"};

QLabel* makeWrappedLabel(QWidget* parent, const char* name)
{
    auto* label = makeWidget<QLabel>(parent, name);
    label->setWordWrap(true);
    return label;
}

// A caption in the first column and its control in the second.
void addCaptionedRow(QGridLayout* grid, int row, QLabel* caption, QWidget* control,
                     int controlColumns = 1)
{
    caption->setBuddy(control);
    grid->addWidget(caption, row, 0);
    grid->addWidget(control, row, 1, 1, controlColumns);
}

} // namespace

ArchivePage::ArchivePage()
{
    setObjectName(QStringLiteral("CONF_PAG_FileArchivio"));
    auto* grid = new QGridLayout(this);
    int row = addLocationRows(grid, 0);
    row = addTmdbRows(grid, row);
    auto* artwork = makeWidget<QLabel>(this, "Image1");
    artwork->setFixedSize(185, 185);
    artwork->setScaledContents(true);
    artwork->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.jpg")));
    grid->addWidget(artwork, 0, 3, 6, 1, Qt::AlignTop);
    m_hidden = new HiddenSettingsPanel(this);
    grid->addWidget(m_hidden, row++, 0);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
}

int ArchivePage::addLocationRows(QGridLayout* grid, int row)
{
    auto addPathRow = [&](const char* label, const char* edit, const char* browse) {
        auto* box = makeWidget<QLineEdit>(this, edit);
        auto* caption = makeWidget<QLabel>(this, label);
        caption->setBuddy(box);
        grid->addWidget(caption, row++, 0, 1, 3);
        grid->addWidget(box, row, 0, 1, 2);
        auto* button = makeWidget<QPushButton>(this, browse);
        grid->addWidget(button, row++, 2);
        return std::pair{box, button};
    };
    auto addNotes = [&](std::initializer_list<const char*> names) {
        for (const char* name : names)
            grid->addWidget(makeWrappedLabel(this, name), row++, 0, 1, 3);
    };
    std::tie(m_exportFileEdit, m_exportFileBrowse) =
        addPathRow("LBL_NomeFile", "EDT_NomeAppoggioDVDProfiler", "BTN_Cerca1");
    addNotes({"LBL_NomeFileIstruzioni1", "LBL_NomeFileIstruzioni2", "LBL_NomeFileIstruzioni3",
              "LBL_NomeFileIstruzioni4", "LBL_NomeFileIstruzioni5", "LBL_NomeFileIstruzioni6",
              "LBL_NomeFileIstruzioni7"});
    std::tie(m_dvdProfilerFolderEdit, m_dvdProfilerFolderBrowse) =
        addPathRow("LBL_PosizioneDVDP", "EDT_PathDatabaseDVDP", "BTN_Cerca2");
    addNotes({"LBL_PosizioneDVDPIstruzioni1", "LBL_PosizioneDVDPIstruzioni2"});
    m_importButton = makeWidget<QPushButton>(this, "BTN_Rielabora");
    grid->addWidget(m_importButton, row++, 0, Qt::AlignLeft);
    return row;
}

int ArchivePage::addTmdbRows(QGridLayout* grid, int row)
{
    m_tmdbLanguageBox = makeCodeBox(this, "CBO_Linguaggio", kTmdbLanguages, "en-US");
    addCaptionedRow(grid, row++, makeWidget<QLabel>(this, "LBL_Linguaggio"), m_tmdbLanguageBox);
    auto* copy = makeWidget<QCheckBox>(this, "CHB_Copy");
    copy->setChecked(true);
    addCaptionedRow(grid, row++, makeWidget<QLabel>(this, "LBL_CopiaAuto"), copy);

    // The user's own TMDb key: the built-in one cannot search.
    grid->addWidget(makeWrappedLabel(this, "LBL_API1"), row++, 0, 1, 3);
    m_keyEdit = makeWidget<QLineEdit>(this, "EDT_Key");
    m_keyEdit->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    addCaptionedRow(grid, row++, makeWidget<QLabel>(this, "LBL_API2"), m_keyEdit, 2);
    // While a profile is shown, the next ones are searched and their certain films cached.
    m_prepareBox = makeWidget<QCheckBox>(this, "CHB_PreparaProfili");
    m_prepareBox->setChecked(true);
    grid->addWidget(m_prepareBox, row++, 0, 1, 3);
    m_apiInstructions = makeWidget<QPlainTextEdit>(this, "MEM_API");
    m_apiInstructions->setReadOnly(true);
    grid->addWidget(m_apiInstructions, row++, 0, 1, 3);
    return row;
}

} // namespace ravello::app
