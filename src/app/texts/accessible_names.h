// SPDX-License-Identifier: MIT
#pragma once

#include <span>

#include <QString>

class QWidget;

namespace ravello::app {

class NamedControls;

// A caption for assistive tools, for a control that has no label of its own or shares its
// caption with another control: its Italian and English texts. Spanish, German and French
// translate the English text, as the interface texts do.
struct AccessibleNameRow
{
    const char* control;
    const char* italian;
    const char* english;
};

// The row's name in the language (0..4), as UTF-8.
const char* accessibleName(const AccessibleNameRow& row, int languageIndex);

// Every row of the name table.
std::span<const AccessibleNameRow> accessibleNameRows();

// The label's text as a screen reader says it: mnemonic markers dropped, "&&" read as "&".
QString withoutMnemonics(const QString& text);

// Names every control a label of the window is the buddy of after that label's current text,
// then the window's controls of the name table in the language (0..4). Call it whenever
// captions change.
void applyAccessibleNames(const QWidget& window, const NamedControls& controls, int languageIndex);

} // namespace ravello::app
