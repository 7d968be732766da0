// SPDX-License-Identifier: MIT
#include <cstring>

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
