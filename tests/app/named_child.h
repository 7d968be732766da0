// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QtGlobal>

namespace ravello::testing {

// The control of that object name below `root`; the test stops when there is none.
template <typename Widget = QWidget> Widget* child(const QObject& root, const char* name)
{
    auto* widget = root.findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no control named %s", name);
    return widget;
}

} // namespace ravello::testing
