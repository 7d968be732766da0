// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace ravello::app {

// Shows an error box with the message of `key` ("%1" the detail), in the language of the
// settings when they can be read, else in English; for a program that cannot go on.
void showFailure(const char* key, const QString& detail);

} // namespace ravello::app
