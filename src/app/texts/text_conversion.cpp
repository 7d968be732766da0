// SPDX-License-Identifier: MIT
#include "app/texts/text_conversion.h"

#include "core/text/windows1252.h"

namespace ravello::app {

QString fromWindows1252(std::string_view text)
{
    return QString::fromStdString(text::windows1252ToUtf8(text));
}

std::string toWindows1252(const QString& text)
{
    return text::utf8ToWindows1252(text.toStdString());
}

} // namespace ravello::app
