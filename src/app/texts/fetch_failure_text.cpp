// SPDX-License-Identifier: MIT
#include "app/texts/fetch_failure_text.h"

namespace ravello::app {
namespace {

using tmdb::FetchProblem;

// What fills a message's "%1".
enum class Detail
{
    None,
    TransferErrorCode,
    HttpStatus, // "HTTP status <n>", with ": <TMDb's message>" when the answer had one
};

struct ProblemText
{
    FetchProblem problem;
    const char* key;
    Detail detail;
};

constexpr ProblemText kProblemTexts[] = {
    {FetchProblem::Session, "MSG_ConnessioneFallita", Detail::None},
    {FetchProblem::Transport, "MSG_URLNonAperto", Detail::TransferErrorCode},
    {FetchProblem::HttpStatus, "MSG_RispostaTMDb", Detail::HttpStatus},
    {FetchProblem::NotJson, "MSG_RispostaNonJSON", Detail::HttpStatus},
    {FetchProblem::TooLarge, "MSG_RispostaTroppoGrande", Detail::None},
    {FetchProblem::File, "MSG_CacheNonScritta", Detail::None},
    {FetchProblem::Busy, "MSG_RichiestaInCorso", Detail::None},
};

QString statusText(const tmdb::FetchResult& result, const MessageTable& messages, int languageIndex)
{
    QString text = messages.text("MSG_StatoHTTP", languageIndex)
                       .replace(QLatin1String("%1"), QString::number(result.httpStatus));
    if (!result.tmdbStatusMessage.empty()) {
        text += QLatin1String(": ");
        text += QString::fromStdString(result.tmdbStatusMessage);
    }
    return text;
}

QString detailText(Detail detail, const tmdb::FetchResult& result, const MessageTable& messages,
                   int languageIndex)
{
    switch (detail) {
    case Detail::None:
        return {};
    case Detail::TransferErrorCode:
        return QString::number(result.transportError.code);
    case Detail::HttpStatus:
        return statusText(result, messages, languageIndex);
    }
    return {};
}

} // namespace

QString fetchFailureText(const tmdb::FetchResult& result, const MessageTable& messages,
                         int languageIndex)
{
    // A wait given up at its limit says the limit first; the transfer's code comes second.
    if (result.problem == FetchProblem::Transport && result.timedOut()) {
        return messages.text("MSG_NessunaRispostaEntro", languageIndex)
            .replace(QLatin1String("%1"),
                     QString::fromStdString(tmdb::timeLimitText(result.timeLimit)))
            .replace(QLatin1String("%2"), QString::number(result.transportError.code));
    }
    for (const ProblemText& entry : kProblemTexts) {
        if (entry.problem != result.problem)
            continue;
        return messages.text(entry.key, languageIndex)
            .replace(QLatin1String("%1"),
                     detailText(entry.detail, result, messages, languageIndex));
    }
    return {};
}

QString openingFailureTitle(tmdb::OpeningStep step, const MessageTable& messages, int languageIndex)
{
    return messages.text(step == tmdb::OpeningStep::Cover ? "MSG_Errore" : "MSG_ErroreDatiFilm",
                         languageIndex);
}

} // namespace ravello::app
