// SPDX-License-Identifier: MIT
#include "app/pages/language_page.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/pages/widget_factory.h"

namespace ravello::app {

LanguagePage::LanguagePage()
{
    setObjectName(QStringLiteral("CONF_PAG_Lingua"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeWidget<QLabel>(this, "LBL_SelezionaLingua"));
    const char* const names[kLanguages] = {"BTN_Italiano", "BTN_Inglese", "BTN_Spagnolo",
                                           "BTN_Tedesco", "BTN_Francese"};
    for (int language = 0; language < kLanguages; ++language) {
        auto* button = makeWidget<QPushButton>(this, names[language]);
        layout->addWidget(button, 0, Qt::AlignLeft);
        m_buttons[static_cast<std::size_t>(language)] = button;
    }
    layout->addStretch(1);
}

} // namespace ravello::app
