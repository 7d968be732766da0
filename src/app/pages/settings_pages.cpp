// SPDX-License-Identifier: MIT
#include "app/pages/settings_pages.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "app/pages/archive_page.h"
#include "app/pages/language_page.h"
#include "app/pages/style_page.h"
#include "app/pages/widget_factory.h"

namespace ravello::app {

SettingsPages::SettingsPages()
{
    setObjectName(QStringLiteral("Pag_Configurazione"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = makeWidget<QTabWidget>(this, "CONF_Pagine");
    m_language = new LanguagePage;
    m_tabs->addTab(m_language, QString());
    m_archive = new ArchivePage;
    m_tabs->addTab(m_archive, QString());
    m_style = new StylePage;
    m_tabs->addTab(m_style, QString());
    layout->addWidget(m_tabs);
}

} // namespace ravello::app
