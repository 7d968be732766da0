// SPDX-License-Identifier: MIT
#include "app/texts/core_failure_text.h"

#include "app/texts/interface_language.h"
#include "core/collection/collection_import.h"
#include "core/files/path_text.h"
#include "core/output/crew_mapping_error.h"

namespace ravello::app {
namespace {

using collection::ImportFailure;
using output::CrewMappingErrorKind;

struct ImportFailureKey
{
    ImportFailure failure;
    const char* key; // "%1" the file
};
constexpr ImportFailureKey kImportFailureKeys[] = {
    {ImportFailure::ExportMissing, "MSG_ImpNonTrovato"},
    {ImportFailure::ExportNotOpened, "MSG_ImpNonAperto"},
    {ImportFailure::ExportReadError, "MSG_ImpErroreLettura"},
    {ImportFailure::ExportLineTooLong, "MSG_ImpRigaLunga"},
    {ImportFailure::IndexNotWritten, "MSG_ImpIndice"},
};

struct CrewMappingErrorKey
{
    CrewMappingErrorKind kind;
    const char* key; // "%1" the word at fault, where the text has one
};
constexpr CrewMappingErrorKey kCrewMappingErrorKeys[] = {
    {CrewMappingErrorKind::FileNotWritten, "MSG_MapNonScritto"},
    {CrewMappingErrorKind::FileNotRead, "MSG_MapNonLetto"},
    {CrewMappingErrorKind::NoRules, "MSG_MapNessunaRegola"},
    {CrewMappingErrorKind::UnclosedQuote, "MSG_MapVirgolette"},
    {CrewMappingErrorKind::UnknownLine, "MSG_MapRigaIgnota"},
    {CrewMappingErrorKind::BeforeFirstDepartment, "MSG_MapPrimaDelReparto"},
    {CrewMappingErrorKind::RepeatedLine, "MSG_MapRipetuta"},
    {CrewMappingErrorKind::NoDepartmentNamed, "MSG_MapRepartoSenzaNome"},
    {CrewMappingErrorKind::TestExpected, "MSG_MapAttesoTest"},
    {CrewMappingErrorKind::GroupExpected, "MSG_MapAttesoGruppo"},
    {CrewMappingErrorKind::DispositionExpected, "MSG_MapAttesoTipo"},
    {CrewMappingErrorKind::CreditTypeMissing, "MSG_MapTipoMancante"},
    {CrewMappingErrorKind::JobMissing, "MSG_MapRuoloMancante"},
    {CrewMappingErrorKind::SubtypeMissing, "MSG_MapSottotipoMancante"},
    {CrewMappingErrorKind::OtherJobsMalformed, "MSG_MapAltriRuoli"},
    {CrewMappingErrorKind::UnexpectedWord, "MSG_MapParolaInattesa"},
};

} // namespace

QString importFailureText(const collection::ImportResult& result, const InterfaceLanguage& language)
{
    for (const ImportFailureKey& entry : kImportFailureKeys) {
        if (entry.failure == result.failure)
            return language.text(entry.key).arg(
                QString::fromStdString(files::utf8FromPath(result.failedFile)));
    }
    return {};
}

QString crewMappingErrorText(const output::CrewMappingError& error,
                             const InterfaceLanguage& language)
{
    for (const CrewMappingErrorKey& entry : kCrewMappingErrorKeys) {
        if (entry.kind == error.kind)
            return language.text(entry.key).replace(QLatin1String("%1"),
                                                    QString::fromStdString(error.word));
    }
    return {};
}

} // namespace ravello::app
