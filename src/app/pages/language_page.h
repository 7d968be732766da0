// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include <QWidget>

class QPushButton;

namespace ravello::app {

// The settings page of the interface language (CONF_PAG_Lingua): one button per language.
class LanguagePage : public QWidget
{
public:
    static constexpr int kLanguages = 5;

    LanguagePage();

    // BTN_Italiano, BTN_Inglese, BTN_Spagnolo, BTN_Tedesco, BTN_Francese: in the order of the
    // language slots of the interface texts.
    const std::array<QPushButton*, kLanguages>& buttons() const { return m_buttons; }

private:
    std::array<QPushButton*, kLanguages> m_buttons{};
};

} // namespace ravello::app
