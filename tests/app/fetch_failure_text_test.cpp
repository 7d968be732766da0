// SPDX-License-Identifier: MIT
#include <QtTest>

#include "app/texts/core_failure_text.h"
#include "app/texts/fetch_failure_text.h"
#include "app/texts/interface_language.h"
#include "core/collection/collection_import.h"
#include "core/output/crew_mapping_error.h"

using ravello::app::fetchFailureText;
using ravello::app::MessageTable;
using ravello::app::openingFailureTitle;
using ravello::tmdb::FetchProblem;
using ravello::tmdb::FetchResult;
using ravello::tmdb::OpeningStep;

namespace {

constexpr int kItalian = 0;
constexpr int kEnglish = 1;
constexpr int kGerman = 3;

FetchResult failed(FetchProblem problem, long httpStatus = 0, const char* statusMessage = "")
{
    FetchResult result;
    result.problem = problem;
    result.httpStatus = httpStatus;
    result.tmdbStatusMessage = statusMessage;
    result.transportError = {7, "Couldn't connect to server"};
    return result;
}

} // namespace

// The texts of a failed retrieval, which the window composes from the interface texts.
class FetchFailureTextTest : public QObject
{
    Q_OBJECT

private:
    MessageTable m_messages;

private slots:
    void initTestCase() { m_messages.fill(); }

    void eachProblemHasItsText_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<QString>("statusMessage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("germanText");
        const auto row = [](const char* name, FetchProblem problem, int status,
                            const char* statusMessage, const char* text, const char* german) {
            QTest::newRow(name) << static_cast<int>(problem) << status
                                << QString::fromUtf8(statusMessage) << QString::fromUtf8(text)
                                << QString::fromUtf8(german);
        };
        row("none", FetchProblem::None, 200, "", "", "");
        row("session", FetchProblem::Session, 0, "", "Connection Failed or Syntax error",
            "Verbindung fehlgeschlagen oder Syntaxfehler");
        row("transport", FetchProblem::Transport, 0, "",
            "No complete answer from The Movie Database\nError No:7",
            "Keine vollständige Antwort von The Movie Database\nFehler Nr. 7");
        row("status with TMDb's message", FetchProblem::HttpStatus, 401, "Invalid API key",
            "TMDb answered with HTTP status 401: Invalid API key",
            "TMDb antwortete mit HTTP-Status 401: Invalid API key");
        row("status alone", FetchProblem::HttpStatus, 502, "", "TMDb answered with HTTP status 502",
            "TMDb antwortete mit HTTP-Status 502");
        row("not JSON", FetchProblem::NotJson, 200, "",
            "TMDb's answer is not a JSON document (HTTP status 200)",
            "Die Antwort von TMDb ist kein JSON-Dokument (HTTP-Status 200)");
        row("too large", FetchProblem::TooLarge, 200, "", "TMDb's answer is too large",
            "Die Antwort von TMDb ist zu groß");
        row("file", FetchProblem::File, 200, "", "The answer could not be written to the cache",
            "Die Antwort konnte nicht im Cache gespeichert werden");
        row("busy", FetchProblem::Busy, 0, "",
            "Another request to The Movie Database is still running: nothing was sent.",
            "Eine andere Anfrage an The Movie Database läuft noch: es wurde nichts gesendet.");
    }

    void eachProblemHasItsText()
    {
        QFETCH(int, problem);
        QFETCH(int, httpStatus);
        QFETCH(QString, statusMessage);
        QFETCH(QString, text);
        QFETCH(QString, germanText);
        const FetchResult result = failed(static_cast<FetchProblem>(problem), httpStatus,
                                          statusMessage.toUtf8().constData());
        QCOMPARE(fetchFailureText(result, m_messages, kEnglish), text);
        QCOMPARE(fetchFailureText(result, m_messages, kGerman), germanText);
    }

    void italianTextsKeepTheDetail()
    {
        QCOMPARE(fetchFailureText(failed(FetchProblem::HttpStatus, 404, "Not found"), m_messages,
                                  kItalian),
                 QStringLiteral("TMDb ha risposto con stato HTTP 404: Not found"));
    }

    void aTimeOutSaysItsLimitBeforeTheCode()
    {
        FetchResult result = failed(FetchProblem::Transport);
        result.transportError = {28, "Timeout was reached"};
        result.timeLimit = std::chrono::milliseconds(30'000);
        QCOMPARE(
            fetchFailureText(result, m_messages, kEnglish),
            QStringLiteral("The Movie Database did not answer within 30 seconds\nError No:28"));
        result.timeLimit = std::chrono::milliseconds(1'500);
        QCOMPARE(
            fetchFailureText(result, m_messages, kItalian),
            QStringLiteral("The Movie Database non ha risposto entro 1.5 secondi\nErrore n.:28"));
    }

    // What the core reports of an import or a crew mapping file is worded in the interface's
    // language, not in the command line's English.
    void coreFailuresAreToldInTheInterfaceLanguage()
    {
        ravello::app::InterfaceLanguage language;
        language.setIndex(kGerman);
        ravello::collection::ImportResult import;
        import.failure = ravello::collection::ImportFailure::ExportNotOpened;
        import.failedFile = "/daten/Collection.xml";
        import.detail = "cannot open the export";
        QCOMPARE(ravello::app::importFailureText(import, language),
                 QStringLiteral("/daten/Collection.xml lässt sich nicht öffnen."));
        import.failure = ravello::collection::ImportFailure::None;
        QVERIFY(ravello::app::importFailureText(import, language).isEmpty());

        const auto error = ravello::output::crewMappingError(
            3, ravello::output::CrewMappingErrorKind::TestExpected, "sounds");
        QCOMPARE(ravello::app::crewMappingErrorText(error, language),
                 QStringLiteral("\"is\" oder \"begins\" erwartet, nicht \"sounds\""));
        language.setIndex(kItalian);
        QCOMPARE(ravello::app::crewMappingErrorText(error, language),
                 QStringLiteral("atteso \"is\" o \"begins\", non \"sounds\""));
    }

    void theCoverBoxIsTitledInEnglishTheOthersInItalian()
    {
        QCOMPARE(openingFailureTitle(OpeningStep::Cover, m_messages, kEnglish),
                 QStringLiteral("Error"));
        QCOMPARE(openingFailureTitle(OpeningStep::Details, m_messages, kEnglish),
                 QStringLiteral("Errore"));
        QCOMPARE(openingFailureTitle(OpeningStep::Credits, m_messages, kEnglish),
                 QStringLiteral("Errore"));
    }
};

QTEST_GUILESS_MAIN(FetchFailureTextTest)
#include "fetch_failure_text_test.moc"
