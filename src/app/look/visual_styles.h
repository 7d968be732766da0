// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace ravello::app {

// The plain look of the platform.
inline constexpr const char* kSystemStyle = "Windows";

// Every style the user can choose, the system look included, sorted by name.
QStringList visualStyleNames();

// Dresses the whole application in the named style; owner-drawn lists take their colours from
// the application palette it sets. False, and nothing changed, when no style
// has that name.
bool applyVisualStyle(const QString& name);

} // namespace ravello::app
