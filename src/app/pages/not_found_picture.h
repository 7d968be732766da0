// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

#include <QPixmap>

class QLabel;

namespace ravello::app {

// The picture shown for a cover that is not there: the user's "NonTrovata.jpg" in the folder the
// program was started from, else the one built into the program.
QPixmap notFoundPicture(const std::filesystem::path& startupFolder);

// Shows the picture scaled into the label, keeping its proportions.
void showPicture(QLabel* image, const QPixmap& picture);

} // namespace ravello::app
