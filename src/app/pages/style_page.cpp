// SPDX-License-Identifier: MIT
#include "app/pages/style_page.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/look/selected_row_delegate.h"
#include "app/look/visual_styles.h"
#include "app/pages/widget_factory.h"

namespace ravello::app {

StylePage::StylePage()
{
    setObjectName(QStringLiteral("CONF_PAG_Stili"));
    auto* layout = new QVBoxLayout(this);
    m_styleList = makeList(this, "CONF_PROG_LIS_Lista_Stili");
    m_styleList->setItemDelegate(new SelectedRowDelegate(m_styleList));
    auto* caption = makeWidget<QLabel>(this, "CONF_PROG_LBL_SelezionaStile");
    caption->setBuddy(m_styleList);
    layout->addWidget(caption);
    // A column of names down the left of the page, as wide as the longest name needs.
    m_styleList->setMaximumWidth(280);
    layout->addWidget(m_styleList, 1, Qt::AlignLeft);
    m_styleList->addItems(visualStyleNames());
}

} // namespace ravello::app
