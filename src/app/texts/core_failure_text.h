// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace ravello::collection {
struct ImportResult;
} // namespace ravello::collection

namespace ravello::output {
struct CrewMappingError;
} // namespace ravello::output

namespace ravello::app {

class InterfaceLanguage;

// Why an import failed, in the interface language, naming the file concerned; empty for an
// import that did not fail.
QString importFailureText(const collection::ImportResult& result,
                          const InterfaceLanguage& language);

// What is wrong with the crew mapping file, in the interface language, quoting the word at
// fault where there is one.
QString crewMappingErrorText(const output::CrewMappingError& error,
                             const InterfaceLanguage& language);

} // namespace ravello::app
