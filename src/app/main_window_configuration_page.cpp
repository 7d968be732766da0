// SPDX-License-Identifier: MIT
// The control tree of the window frame and of the configuration page.
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/widget_factory.h"

using ravello::app::makeHiddenWidget;
using ravello::app::makeWidget;

namespace {

// The languages TMDb answers in, and the certification countries.
const char* const kTmdbLanguages[] = {
    "ar-AE", "ar-SA", "be-BY", "bg-BG", "bn-BD", "ca-ES", "ch-GU", "cs-CZ", "da-DK",
    "de-DE", "el-GR", "en-US", "eo-EO", "es-ES", "es-MX", "eu-ES", "fa-IR", "fi-FI",
    "fr-CA", "fr-FR", "gl-ES", "he-IL", "hi-IN", "hu-HU", "id-ID", "it-IT", "ja-JP",
    "ka-GE", "kn-IN", "ko-KR", "lt-LT", "ml-IN", "nb-NO", "nl-NL", "no-NO", "pl-PL",
    "pt-BR", "pt-PT", "ro-RO", "ru-RU", "si-LK", "sk-SK", "sl-SI", "sr-RS", "sv-SE",
    "ta-IN", "te-IN", "th-TH", "tr-TR", "uk-UA", "vi-VN", "zh-CN", "zh-HK", "zh-TW"};
const char* const kCountries[] = {"AU", "BG", "BR", "CA", "CZ", "GE", "DE", "DK", "EE", "ES",
                                  "FI", "FR", "GB", "GR", "HR", "HU", "ID", "IL", "IN", "IT",
                                  "IR", "JP", "KR", "LT", "LV", "MX", "NL", "NO", "PL", "PT",
                                  "RU", "SI", "SV", "TH", "TR", "UA", "US", "VN", "ZH"};

template <std::size_t N>
QComboBox* makeCodeBox(QWidget* parent, const char* name, const char* const (&codes)[N],
                       const char* designText)
{
    auto* box = makeWidget<QComboBox>(parent, name);
    box->setEditable(true);
    for (const char* code : codes)
        box->addItem(QLatin1String(code));
    box->setCurrentText(QLatin1String(designText));
    return box;
}

QLabel* makeWrappedLabel(QWidget* parent, const char* name)
{
    auto* label = makeWidget<QLabel>(parent, name);
    label->setWordWrap(true);
    return label;
}

} // namespace

void TForm1::buildWindow()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildMenuBar());
    m_pagine = makeWidget<QTabWidget>(central, "Pagine");
    m_pagine->setTabPosition(QTabWidget::West);
    m_programPage = buildProgramPage();
    m_configurationPage = buildConfigurationPage();
    m_pagine->addTab(m_programPage, QString());
    m_pagine->addTab(m_configurationPage, QString());
    layout->addWidget(m_pagine, 1);
    setCentralWidget(central);
    auto* status = makeWidget<QStatusBar>(this, "STB_Status");
    m_importProgress = makeHiddenWidget<QProgressBar>(status, "PRB_Importazione");
    m_importProgress->setMaximumWidth(240);
    status->addPermanentWidget(m_importProgress);
    setStatusBar(status);
    makeHiddenWidget<QFileDialog>(this, "OpenDialog1");
    makeHiddenWidget<QFileDialog>(this, "FileOpenDialog1");
    connect(m_pagine, &QTabWidget::currentChanged, this, &TForm1::PagineChange);
}

QWidget* TForm1::buildMenuBar()
{
    auto* menu = makeWidget<QFrame>(nullptr, "PAN_Menu");
    menu->setFixedHeight(30);
    auto* layout = new QHBoxLayout(menu);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addStretch(1);
    auto* exitPanel = makeWidget<QFrame>(menu, "PAN_Menu_Esci");
    auto* exitLayout = new QHBoxLayout(exitPanel);
    exitLayout->setContentsMargins(0, 0, 0, 0);
    auto* exit = makeWidget<QPushButton>(exitPanel, "BTN_Esci");
    exitLayout->addWidget(exit);
    layout->addWidget(exitPanel);
    connect(exit, &QPushButton::clicked, this, &TForm1::Btn_EsciClick);
    return menu;
}

QWidget* TForm1::buildConfigurationPage()
{
    auto* page = makeWidget<QWidget>(nullptr, "Pag_Configurazione");
    auto* layout = new QVBoxLayout(page);
    m_configurationPages = makeWidget<QTabWidget>(page, "CONF_Pagine");
    m_configurationPages->addTab(buildLanguagePage(), QString());
    m_configurationPages->addTab(buildArchivePage(), QString());
    m_configurationPages->addTab(buildStylePage(), QString());
    layout->addWidget(m_configurationPages);
    return page;
}

QWidget* TForm1::buildLanguagePage()
{
    auto* page = makeWidget<QWidget>(nullptr, "CONF_PAG_Lingua");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(makeWidget<QLabel>(page, "LBL_SelezionaLingua"));
    const std::pair<const char*, void (TForm1::*)()> buttons[] = {
        {"BTN_Italiano", &TForm1::BTN_ItalianoClick},
        {"BTN_Inglese", &TForm1::BTN_IngleseClick},
        {"BTN_Spagnolo", &TForm1::BTN_SpagnoloClick},
        {"BTN_Tedesco", &TForm1::BTN_TedescoClick},
        {"BTN_Francese", &TForm1::BTN_FranceseClick}};
    for (const auto& [name, handler] : buttons) {
        auto* button = makeWidget<QPushButton>(page, name);
        connect(button, &QPushButton::clicked, this, handler);
        layout->addWidget(button, 0, Qt::AlignLeft);
    }
    layout->addStretch(1);
    return page;
}

QWidget* TForm1::buildArchivePage()
{
    auto* page = makeWidget<QWidget>(nullptr, "CONF_PAG_FileArchivio");
    auto* grid = new QGridLayout(page);
    int row = 0;
    auto addPathRow = [&](const char* label, const char* edit, const char* browse) {
        auto* box = makeWidget<QLineEdit>(page, edit);
        auto* caption = makeWidget<QLabel>(page, label);
        caption->setBuddy(box);
        grid->addWidget(caption, row++, 0, 1, 3);
        grid->addWidget(box, row, 0, 1, 2);
        grid->addWidget(makeWidget<QPushButton>(page, browse), row++, 2);
        return box;
    };
    auto addNotes = [&](std::initializer_list<const char*> names) {
        for (const char* name : names)
            grid->addWidget(makeWrappedLabel(page, name), row++, 0, 1, 3);
    };
    m_exportFileEdit = addPathRow("LBL_NomeFile", "EDT_NomeAppoggioDVDProfiler", "BTN_Cerca1");
    addNotes({"LBL_NomeFileIstruzioni1", "LBL_NomeFileIstruzioni2", "LBL_NomeFileIstruzioni3",
              "LBL_NomeFileIstruzioni4", "LBL_NomeFileIstruzioni5", "LBL_NomeFileIstruzioni6",
              "LBL_NomeFileIstruzioni7"});
    m_dvdProfilerFolderEdit = addPathRow("LBL_PosizioneDVDP", "EDT_PathDatabaseDVDP", "BTN_Cerca2");
    addNotes({"LBL_PosizioneDVDPIstruzioni1", "LBL_PosizioneDVDPIstruzioni2"});
    grid->addWidget(makeWidget<QPushButton>(page, "BTN_Rielabora"), row++, 0, Qt::AlignLeft);

    m_tmdbLanguageBox = makeCodeBox(page, "CBO_Linguaggio", kTmdbLanguages, "en-US");
    auto* languageLabel = makeWidget<QLabel>(page, "LBL_Linguaggio");
    languageLabel->setBuddy(m_tmdbLanguageBox);
    grid->addWidget(languageLabel, row, 0);
    grid->addWidget(m_tmdbLanguageBox, row++, 1);
    auto* copy = makeWidget<QCheckBox>(page, "CHB_Copy");
    copy->setChecked(true);
    auto* copyLabel = makeWidget<QLabel>(page, "LBL_CopiaAuto");
    copyLabel->setBuddy(copy);
    grid->addWidget(copyLabel, row, 0);
    grid->addWidget(copy, row++, 1);

    // The user's own TMDb key: the built-in one cannot search.
    grid->addWidget(makeWrappedLabel(page, "LBL_API1"), row++, 0, 1, 3);
    m_keyEdit = makeWidget<QLineEdit>(page, "EDT_Key");
    m_keyEdit->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    auto* keyLabel = makeWidget<QLabel>(page, "LBL_API2");
    keyLabel->setBuddy(m_keyEdit);
    grid->addWidget(keyLabel, row, 0);
    grid->addWidget(m_keyEdit, row++, 1, 1, 2);
    m_apiInstructions = makeWidget<QPlainTextEdit>(page, "MEM_API");
    m_apiInstructions->setReadOnly(true);
    grid->addWidget(m_apiInstructions, row++, 0, 1, 3);

    auto* artwork = makeWidget<QLabel>(page, "Image1");
    artwork->setFixedSize(185, 185);
    artwork->setScaledContents(true);
    artwork->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.jpg")));
    grid->addWidget(artwork, 0, 3, 6, 1, Qt::AlignTop);
    grid->addWidget(buildHiddenArchiveControls(page), row++, 0);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget* TForm1::buildHiddenArchiveControls(QWidget* page)
{
    // Controls of earlier versions that no code shows; they still get their captions.
    auto* hidden = makeHiddenWidget<QWidget>(page, "PAN_Nascosti");
    for (const char* name :
         {"LBL_PosizioneProg", "LBL_PosizioneProgIstruzioni1", "LBL_Data1", "LBL_Data2",
          "LBL_Data3", "LBL_Data4", "LBL_Data5", "LBL_Data6", "LBL_PosizioneScreen", "LBL_Paese"})
        makeWidget<QLabel>(hidden, name);
    makeWidget<QLineEdit>(hidden, "EDT_PathDatabaseProgramma");
    makeWidget<QCheckBox>(hidden, "CHB_Screen")->setChecked(true);
    m_countryBox = makeCodeBox(hidden, "CBO_Paese", kCountries, "US");
    makeWidget<QPushButton>(hidden, "BTN_Auto1");
    makeWidget<QPushButton>(hidden, "BTN_Cerca3");
    auto* drives = makeWidget<QFrame>(hidden, "Pan_Dischi");
    auto* drivesLayout = new QVBoxLayout(drives);
    drivesLayout->addWidget(makeWidget<QLabel>(drives, "LBL_Dischi"));
    for (int box = 1; box <= 18; ++box) {
        const QByteArray name = "CHB_Disco" + QByteArray::number(box);
        drivesLayout->addWidget(makeWidget<QCheckBox>(drives, name.constData()));
    }
    return hidden;
}

QWidget* TForm1::buildStylePage()
{
    auto* page = makeWidget<QWidget>(nullptr, "CONF_PAG_Stili");
    auto* layout = new QVBoxLayout(page);
    m_styleList = makeWidget<QListWidget>(page, "CONF_PROG_LIS_Lista_Stili");
    m_styleList->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* caption = makeWidget<QLabel>(page, "CONF_PROG_LBL_SelezionaStile");
    caption->setBuddy(m_styleList);
    layout->addWidget(caption);
    // A column of names down the left of the page, as wide as the longest name needs.
    m_styleList->setMaximumWidth(280);
    layout->addWidget(m_styleList, 1, Qt::AlignLeft);
    connect(m_styleList, &QListWidget::itemDoubleClicked, this,
            &TForm1::CONF_PROG_LIS_Lista_StiliDblClick);
    return page;
}
