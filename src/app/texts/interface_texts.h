// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include <QString>

namespace ravello::app {

// One row of the interface texts: the control it captions (or the message key), and its
// Italian and English texts. Spanish, German and French translate the English text
// (interface_translations.h).
struct InterfaceTextRow
{
    const char* key;
    const char* italian;
    const char* english;
};

inline constexpr int kInterfaceTextRows = 177;

const std::array<InterfaceTextRow, kInterfaceTextRows>& interfaceTextRows();

// The interface texts in five language slots (0 Italian, 1 English, 2 Spanish, 3 German,
// 4 French). The table stays empty until fill(): a text read before reads empty.
class MessageTable
{
public:
    void fill() { m_filled = true; }

    QString text(int row, int languageIndex) const;
    // The text of the first row with this key (a message key such as "MSG_Errore").
    QString text(std::string_view key, int languageIndex) const;

private:
    bool m_filled = false;
};

} // namespace ravello::app
