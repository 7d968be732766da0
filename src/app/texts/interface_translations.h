// SPDX-License-Identifier: MIT
#pragma once

namespace ravello::app {

// The Spanish, German and French texts of the interface, keyed by the English text they
// translate: the English of the interface texts and of the screen-reader names. Texts are
// UTF-8.
struct InterfaceTranslation
{
    const char* english;
    const char* spanish;
    const char* german;
    const char* french;
};

// The text for the English one in language 2 (Spanish), 3 (German) or 4 (French); null for
// another language or an English text without a translation.
const char* translationOf(const char* english, int languageIndex);

// A text given in Italian and English, in language 0 (Italian), 1 (English) or a translated
// one; the English where a language has no translation.
const char* localizedText(const char* italian, const char* english, int languageIndex);

} // namespace ravello::app
