// SPDX-License-Identifier: MIT
// The window's frame around its two pages, and the wiring of the settings' controls.
#include <QFileDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/language_page.h"
#include "app/main_window.h"
#include "app/program_page.h"
#include "app/row_activation.h"
#include "app/settings_pages.h"
#include "app/style_page.h"
#include "app/tmdb_wait.h"
#include "app/widget_factory.h"

using ravello::app::makeHiddenWidget;
using ravello::app::makeWidget;

void TForm1::buildWindow()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildMenuBar());
    m_pagine = makeWidget<QTabWidget>(central, "Pagine");
    m_pagine->setTabPosition(QTabWidget::West);
    m_programPage = new ravello::app::ProgramPage;
    m_settingsPages = new ravello::app::SettingsPages;
    m_search = m_programPage->search();
    m_filmPages = m_programPage->film();
    m_archive = m_settingsPages->archive();
    m_pagine->addTab(m_programPage, QString());
    m_pagine->addTab(m_settingsPages, QString());
    layout->addWidget(m_pagine, 1);
    setCentralWidget(central);
    auto* status = makeWidget<QStatusBar>(this, "STB_Status");
    m_importProgress = makeHiddenWidget<QProgressBar>(status, "PRB_Importazione");
    m_importProgress->setMaximumWidth(240);
    status->addPermanentWidget(m_importProgress);
    m_wait = new ravello::app::TmdbWait(*status, m_busy);
    setStatusBar(status);
    makeHiddenWidget<QFileDialog>(this, "OpenDialog1");
    makeHiddenWidget<QFileDialog>(this, "FileOpenDialog1");
    connectSettingsHandlers();
    m_namedControls = ravello::app::NamedControls(*this);
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

void TForm1::connectSettingsHandlers()
{
    connect(m_pagine, &QTabWidget::currentChanged, this, &TForm1::PagineChange);
    // In the order of the language buttons.
    void (TForm1::*const languageHandlers[])() = {
        &TForm1::BTN_ItalianoClick, &TForm1::BTN_IngleseClick, &TForm1::BTN_SpagnoloClick,
        &TForm1::BTN_TedescoClick, &TForm1::BTN_FranceseClick};
    const auto& buttons = m_settingsPages->language()->buttons();
    for (std::size_t language = 0; language < buttons.size(); ++language)
        connect(buttons[language], &QPushButton::clicked, this, languageHandlers[language]);
    ravello::app::RowActivation::attach(m_settingsPages->style()->styleList(),
                                        [this] { CONF_PROG_LIS_Lista_StiliDblClick(); });
}
