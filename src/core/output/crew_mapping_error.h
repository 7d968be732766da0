// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ravello::output {

// Why the rules of a crew mapping text or file are not in effect, for each interface to word
// in its own language; "word" is the CrewMappingError's word.
enum class CrewMappingErrorKind
{
    None,
    FileNotWritten,        // the missing file could not be written with the built-in rules
    FileNotRead,           // the file could not be read
    NoRules,               // no department line at all
    UnclosedQuote,         // a text in double quotes has no closing quote
    UnknownLine,           // word: the first word of a line that starts with no keyword
    BeforeFirstDepartment, // word: the keyword of a line before the first department line
    RepeatedLine,          // word: the keyword of a line the block has had already
    NoDepartmentNamed,     // the department line names no department in double quotes
    TestExpected,          // "is" or "begins" expected; word: what stands there instead
    GroupExpected,         // photography, sound, art or other expected; word: what stands there
    DispositionExpected,   // principal or custom expected; word: what stands there instead
    CreditTypeMissing,     // the credit type in double quotes is missing
    JobMissing,            // the job in double quotes is missing
    SubtypeMissing,        // the custom credit's subtype in double quotes is missing
    OtherJobsMalformed,    // a line starting with "other" does not read "other jobs custom"
    UnexpectedWord,        // word: what stands after the end of a complete line
};

// A fault of a crew mapping text or file: its line, its kind and word, and the same in an
// English sentence.
struct CrewMappingError
{
    int line = 0; // the line at fault, from 1; 0 for a fault of the whole text
    CrewMappingErrorKind kind = CrewMappingErrorKind::None;
    // The word or text at fault as the file has it (UTF-8); empty when the kind names none, or
    // when the line ended where a word was expected.
    std::string word;
    std::string message; // the fault in an English sentence, for the command line
};

// The error of this kind, its English message made from the kind and the word.
CrewMappingError crewMappingError(int line, CrewMappingErrorKind kind, std::string word = {});

} // namespace ravello::output
