// SPDX-License-Identifier: MIT
#pragma once

#include <span>

#include <QLatin1String>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;

namespace ravello::app {

// Creates a child widget with the object name by which the interface texts and the tests find
// it.
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

// A picture at least `size` large, centred in its label.
QLabel* makeImage(QWidget* parent, const char* objectName, QSize size);

// A list of single selection whose items are all of one height.
QListWidget* makeList(QWidget* parent, const char* objectName);

// A box holding a caption label above `content`, the label's buddy. `caption` receives the label
// when not null.
QWidget* captioned(QWidget* parent, const char* labelName, QWidget* content,
                   QLabel** caption = nullptr);

// An editable box listing `codes`, showing `shownText` to begin with.
QComboBox* makeCodeBox(QWidget* parent, const char* objectName, std::span<const char* const> codes,
                       const char* shownText);

} // namespace ravello::app
