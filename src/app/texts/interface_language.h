// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "app/texts/interface_texts.h"

namespace ravello::app {

// The language the window speaks and its texts: every area words its captions, status lines and
// messages through the one object the window holds, so a change of language reaches them all.
class InterfaceLanguage
{
public:
    InterfaceLanguage() { m_table.fill(); }

    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }
    const MessageTable& table() const { return m_table; }

    // The text of a message key ("MSG_Errore") in the language.
    QString text(const char* key) const { return m_table.text(key, m_index); }

private:
    MessageTable m_table;
    int m_index = 0;
};

} // namespace ravello::app
