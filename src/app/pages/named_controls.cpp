// SPDX-License-Identifier: MIT
#include "app/pages/named_controls.h"

#include <QWidget>

namespace ravello::app {

NamedControls::NamedControls(const QWidget& window)
{
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->objectName().isEmpty() && !m_controls.contains(control->objectName()))
            m_controls.insert(control->objectName(), control);
    }
}

QWidget* NamedControls::control(std::string_view name) const
{
    return m_controls.value(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

} // namespace ravello::app
