// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace ravello::app {

// The program's 8-bit texts are Windows-1252; the toolkit's are Unicode.
QString fromWindows1252(std::string_view text);
std::string toWindows1252(const QString& text);

} // namespace ravello::app
