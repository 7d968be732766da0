// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <QHash>
#include <QString>

class QWidget;

namespace ravello::app {

// The window's controls by object name, for the tables keyed by those names: the interface
// texts and the accessible names. Taken once, when every control exists; the tables name each
// control once, and where two controls share a name the first met keeps it.
class NamedControls
{
public:
    NamedControls() = default;
    explicit NamedControls(const QWidget& window);

    // The control of that object name, or null.
    QWidget* control(std::string_view name) const;

private:
    QHash<QString, QWidget*> m_controls;
};

} // namespace ravello::app
