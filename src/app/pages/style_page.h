// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QListWidget;

namespace ravello::app {

// The settings page of the visual styles (CONF_PAG_Stili): the list of their names.
class StylePage : public QWidget
{
public:
    StylePage();

    QListWidget* styleList() const { return m_styleList; } // CONF_PROG_LIS_Lista_Stili

private:
    QListWidget* m_styleList = nullptr;
};

} // namespace ravello::app
