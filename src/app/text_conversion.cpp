// SPDX-License-Identifier: MIT
#include "app/text_conversion.h"

#include "core/encoding/windows1252.h"

namespace ravello::app {

QString fromWindows1252(std::string_view text)
{
    return QString::fromStdString(encoding::windows1252ToUtf8(text));
}

std::string toWindows1252(const QString& text)
{
    return encoding::utf8ToWindows1252(text.toStdString());
}

} // namespace ravello::app
