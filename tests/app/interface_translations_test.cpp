// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>

#include <QtTest>

#include "app/texts/accessible_names.h"
#include "app/texts/interface_texts.h"
#include "app/texts/interface_translations.h"

using ravello::app::translationOf;

namespace {

constexpr int kLanguages[] = {2, 3, 4}; // Spanish, German, French

// What is missing from the translations of one English text: a language without a text, or a
// text that drops or adds the "%1" the program fills in.
QStringList problemsOf(const char* key, const char* english)
{
    QStringList problems;
    const bool takesArgument = std::strstr(english, "%1") != nullptr;
    for (const int language : kLanguages) {
        const char* translation = translationOf(english, language);
        if (!translation || !*translation)
            problems << QStringLiteral("%1 has no text in language %2")
                            .arg(QString::fromUtf8(key))
                            .arg(language);
        else if ((std::strstr(translation, "%1") != nullptr) != takesArgument)
            problems << QStringLiteral("%1 in language %2 changes the %3")
                            .arg(QString::fromUtf8(key))
                            .arg(language)
                            .arg(QStringLiteral("%1"));
    }
    return problems;
}

// English texts that say the same thing in two places of the window: they may share their
// translations. Any other two texts with one translation show one text in the place of another.
constexpr std::pair<const char*, const char*> kSameMeaning[] = {
    {"Error", "Errore"},
    {"DVD Profiler Cover", "DVD Profiler cover"},
    {"TMDb Cover", "Film cover"},
    {"Data retrieved from The Movie Database", "Data from The Movie Database"},
    {"Data backup archive DVDProfiler", "Archive Exported from DVD Profiler"},
};

bool sameMeaning(const std::string& one, const std::string& other)
{
    return std::any_of(std::begin(kSameMeaning), std::end(kSameMeaning), [&](const auto& pair) {
        return (one == pair.first && other == pair.second) ||
               (one == pair.second && other == pair.first);
    });
}

// Two different English texts of the window (interface texts and screen-reader names) that
// read the same in Italian or a translated language.
QStringList sharedTranslations()
{
    std::set<std::pair<std::string, std::string>> texts; // English and Italian
    for (const auto& row : ravello::app::interfaceTextRows())
        texts.emplace(row.english, row.italian);
    for (const auto& row : ravello::app::accessibleNameRows())
        texts.emplace(row.english, row.italian);
    QStringList problems;
    for (const int language : {0, 2, 3, 4}) {
        std::map<std::string, std::string> englishOf; // by the text in the language
        for (const auto& [english, italian] : texts) {
            const std::string text =
                ravello::app::localizedText(italian.c_str(), english.c_str(), language);
            const auto [known, added] = englishOf.emplace(text, english);
            if (!added && known->second != english && !sameMeaning(known->second, english))
                problems << QStringLiteral("\"%1\" and \"%2\" both read \"%3\" in language %4")
                                .arg(QString::fromStdString(known->second),
                                     QString::fromStdString(english), QString::fromStdString(text))
                                .arg(language);
        }
    }
    return problems;
}

} // namespace

class InterfaceTranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextAndNameIsInEveryLanguage()
    {
        QStringList problems;
        for (const auto& row : ravello::app::interfaceTextRows())
            problems << problemsOf(row.key, row.english);
        for (const auto& row : ravello::app::accessibleNameRows())
            problems << problemsOf(row.control, row.english);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    void differentTextsReadDifferentlyInEveryLanguage()
    {
        const QStringList problems = sharedTranslations();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    void theTableGivesEachLanguageItsText()
    {
        ravello::app::MessageTable messages;
        messages.fill();
        QCOMPARE(messages.text("MSG_Errore", 0), QStringLiteral("Errore"));
        QCOMPARE(messages.text("MSG_Errore", 1), QStringLiteral("Error"));
        QCOMPARE(messages.text("MSG_Errore", 2), QStringLiteral("Error"));
        QCOMPARE(messages.text("MSG_Errore", 3), QStringLiteral("Fehler"));
        QCOMPARE(messages.text("MSG_Errore", 4), QStringLiteral("Erreur"));
        QCOMPARE(translationOf("Error", 1), nullptr);
        QCOMPARE(translationOf("A text nobody wrote", 3), nullptr);
    }
};

QTEST_MAIN(InterfaceTranslationsTest)
#include "interface_translations_test.moc"
