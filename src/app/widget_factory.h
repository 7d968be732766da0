// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>
#include <QWidget>

namespace ravello::app {

// Creates a child widget with the object name by which the window's code and its tests find it.
template <typename Widget> Widget* makeWidget(QWidget* parent, const char* objectName)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

// The same, for a widget that starts hidden.
template <typename Widget> Widget* makeHiddenWidget(QWidget* parent, const char* objectName)
{
    Widget* widget = makeWidget<Widget>(parent, objectName);
    widget->setVisible(false);
    return widget;
}

} // namespace ravello::app
