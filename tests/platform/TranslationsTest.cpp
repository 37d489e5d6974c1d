#include <gtest/gtest.h>

#include <QProcess>
#include <QTranslator>

#include "platform/Localized.h"
#include "platform/Translations.h"
#include "support/LocalizedTexts.h"

namespace {

const char* const kLanguages[] = {"fr", "de"};

QString tsPath(const char* language) {
    return QStringLiteral(CORVANE_SOURCE_DIR "/resources/translations/corvane_%1.ts")
        .arg(QLatin1String(language));
}

// The check that keeps the translations whole: a text added to the sources without its French and
// German fails here, and so does a translation that drops a placeholder, a space a button title
// needs, an accelerator or an ellipsis. corvane-texts adds new texts to the files, unfinished.
TEST(Translations, EveryTextInTheSourcesHasAFinishedFaithfulTranslation) {
    const QList<LocalizedTexts::SourceText> texts =
        LocalizedTexts::scanFolder(QStringLiteral(CORVANE_SOURCE_DIR "/src"));
    ASSERT_GT(texts.size(), 300);
    for (const char* language : kLanguages) {
        QString error;
        const auto ts = LocalizedTexts::readTs(tsPath(language), &error);
        ASSERT_TRUE(error.isEmpty()) << language << ": " << error.toStdString();
        QStringList problems;
        for (const LocalizedTexts::SourceText& t : texts) {
            const auto found = ts.constFind(t.text);
            const QString where = QStringLiteral("%1:%2 \"%3\"").arg(t.file).arg(t.line).arg(t.text);
            if (found == ts.constEnd() || !found->finished)
                problems << where + QStringLiteral(": no finished translation");
            else if (const QString why = LocalizedTexts::mismatch(t.text, found->text); !why.isEmpty())
                problems << where + QStringLiteral(": ") + why;
        }
        EXPECT_TRUE(problems.isEmpty())
            << language << " (run corvane-texts src resources/translations/*.ts):\n"
            << problems.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(Translations, TextsAreReadFromTheSourcesAsTheCompilerJoinsThem) {
    struct Case {
        const char* source;
        QStringList texts;
    };
    const Case cases[] = {
        {R"c(localized("A") + localized ( "B" );)c", {"A", "B"}},
        {"localized(\"split \"\n    /* c */ \"over \" // c\n  \"lines\")", {"split over lines"}},
        {R"c(localized("say \"hi\"\\n\t%1"))c", {"say \"hi\"\\n\t%1"}},
        {R"c(localized("\u2212 Format"))c", {QStringLiteral("\u2212 Format")}},
        {R"c(localized("\x41\101"))c", {"AA"}},
        {"localized(\"…\")", {QStringLiteral("…")}},
        // Marked table entries count; other contexts, other functions and non-literals don't.
        {R"c({QT_TRANSLATE_NOOP("Corvane", "Name"), QT_TRANSLATE_NOOP("Other", "X")})c", {"Name"}},
        {R"c(unlocalized("X"); obj.localized("Y"); localized(title); localized("a" + b);)c", {}},
        {R"c(// localized("commented")
            /* localized("too") */ const char* s = "localized(\"in a string\")";)c",
         {}},
        {R"c(char q = '"'; n = 400'000; localized("after"))c", {"after"}},
    };
    for (const Case& c : cases) {
        QStringList got;
        for (const auto& t : LocalizedTexts::extract(QByteArray(c.source))) got << t.text;
        EXPECT_EQ(got, c.texts) << c.source;
    }
    const auto lines = LocalizedTexts::extract("\n\nx = localized(\n\"third\");");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].line, 3);
}

TEST(Translations, FaithfulnessCheckCatchesWhatATranslatorCanBreak) {
    struct Case {
        const char* source;
        const char* translation;
        bool ok;
    };
    const Case cases[] = {
        {"%1 of %2", "%2 sur %1", true},  // order may change
        {"%1 of %2", "%1 sur", false},
        {"Version %1", "Version %2", false},
        {" OK ", " OK ", true},
        {" OK ", "OK", false},
        {"Delete ", "Löschen", false},
        {"&Open", "Ö&ffnen", true},
        {"&Open", "Öffnen", false},
        {"Salt && Pepper", "Sel et poivre", true},
        {"Choose Folder…", "Choisir un dossier…", true},
        {"Choose Folder…", "Choisir un dossier", false},
        {"Quit", "Quitter…", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            LocalizedTexts::mismatch(QString::fromUtf8(c.source), QString::fromUtf8(c.translation)).isEmpty(),
            c.ok)
            << c.source << " -> " << c.translation;
}

TEST(Translations, TheProgramsCarryFrenchAndGermanAndPickThemByLocale) {
    struct Case {
        const char* locale;
        const char* emptyTrash;  // nullptr: English stays
    };
    const Case cases[] = {{"fr_FR", "Vider la Corbeille"},
                          {"fr_CA", "Vider la Corbeille"},
                          {"de_AT", "Papierkorb leeren"},
                          {"en_GB", nullptr},
                          {"ja_JP", nullptr}};
    for (const Case& c : cases) {
        QTranslator* t = Translations::install(QLocale(QLatin1String(c.locale)));
        EXPECT_EQ(t != nullptr, c.emptyTrash != nullptr) << c.locale;
        EXPECT_EQ(localized("Empty Trash"), QString::fromUtf8(c.emptyTrash ? c.emptyTrash : "Empty Trash"))
            << c.locale;
        if (t) QCoreApplication::removeTranslator(t);
        delete t;
    }
    EXPECT_EQ(localized("Empty Trash"), QStringLiteral("Empty Trash"));

    // The command line takes its language from the environment.
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(CORVANE_CLI_PATH), {QStringLiteral("frobnicate")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardError()).trimmed(),
              QStringLiteral("corvane-cli: unbekanntes Verb „frobnicate“ (siehe corvane-cli --help)"));
}

}  // namespace
