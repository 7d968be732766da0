// SPDX-License-Identifier: MIT
#pragma once

class QMainWindow;
class QPlainTextEdit;

namespace ravello::app {

class InterfaceLanguage;
class NamedControls;

// Gives every control of the interface texts its caption in the language, the window its title
// and `apiInstructions` the instructions for the TMDb key; then names the controls for assistive
// tools. Call it whenever the language changes.
void applyCaptions(QMainWindow& window, const NamedControls& controls,
                   const InterfaceLanguage& language, QPlainTextEdit& apiInstructions);

} // namespace ravello::app
