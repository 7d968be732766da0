// SPDX-License-Identifier: MIT
#include "core/output/crew_mapping_error.h"

#include <string_view>

namespace ravello::output {
namespace {

using Kind = CrewMappingErrorKind;

// The English sentence of each kind, "%w" standing for the word at fault in double quotes. For
// an expectation, the sentence names what was expected.
constexpr struct
{
    Kind kind;
    std::string_view sentence;
    bool expectation;
} kSentences[] = {
    {Kind::FileNotWritten, "the file could not be written", false},
    {Kind::FileNotRead, "the file could not be read", false},
    {Kind::NoRules, "no department line: the mapping has no rules", false},
    {Kind::UnclosedQuote, "a text in double quotes has no closing quote", false},
    {Kind::UnknownLine,
     "unknown line: a line starts with department, type, group, job, minor or other", false},
    {Kind::BeforeFirstDepartment, "%w comes before the first department line", false},
    {Kind::RepeatedLine, "the block has a %w line already", false},
    {Kind::NoDepartmentNamed, "the department line names no department in double quotes", false},
    {Kind::TestExpected, "\"is\" or \"begins\"", true},
    {Kind::GroupExpected, "a group (photography, sound, art or other)", true},
    {Kind::DispositionExpected, "principal or custom", true},
    {Kind::CreditTypeMissing, "the credit type in double quotes is missing", false},
    {Kind::JobMissing, "the job in double quotes is missing", false},
    {Kind::SubtypeMissing, "the custom credit's subtype in double quotes is missing", false},
    {Kind::OtherJobsMalformed, "the line reads \"other jobs custom\"", false},
    {Kind::UnexpectedWord, "unexpected %w at the end of the line", false},
};

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string englishMessage(Kind kind, const std::string& word)
{
    for (const auto& entry : kSentences) {
        if (entry.kind != kind)
            continue;
        std::string sentence(entry.sentence);
        if (entry.expectation)
            return (word.empty() ? "missing " : "unknown " + quoted(word) + ": expected ") +
                   sentence;
        if (const std::size_t at = sentence.find("%w"); at != std::string::npos)
            sentence.replace(at, 2, quoted(word));
        return sentence;
    }
    return {};
}

} // namespace

CrewMappingError crewMappingError(int line, CrewMappingErrorKind kind, std::string word)
{
    std::string message = englishMessage(kind, word);
    return {line, kind, std::move(word), std::move(message)};
}

} // namespace ravello::output
