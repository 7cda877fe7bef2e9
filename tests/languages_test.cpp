// The game in other languages than English: each language's letters, how its rounds mask, fold
// and reveal them, and how a switch of language keeps each language's puzzles apart. Texts are
// Windows-1252 bytes: \xC9 is É, \xD1 Ñ, \xDF ß.
#include "test_support.h"

#include "app/language_choice.h"
#include "app/routing.h"
#include "app/start_up.h"
#include "storage/puzzle_store.h"
#include "text/catalogue.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace tallyrope {
namespace {

using test::readBytes;
using test::writeBytes;

struct Round : test::Table {
    Round(const char* code, const std::string& record) {
        session.language = findLanguage(code);
        // Record 0 is never drawn: it keeps the record under test drawable.
        puzzles("first;x:" + record + "last;x:");
        newRound(1);
    }
    void key(char typed) { letterKey(session, typed); }
};

bool tileShown(const test::Table& t, char letter) {
    return t.ui.visible(id::letterTile(tileIndex(letter)));
}

TEST(Languages, EachFolderGivesItsLedgeAndEnglishKeepsTheTwentySix) {
    std::vector<std::string> codes;
    for (const Language& language : languages()) {
        codes.push_back(language.code);
    }
    EXPECT_EQ(codes, (std::vector<std::string>{"en", "de", "es", "fr", "it", "nl", "pt_BR"}));
    for (const LettersFile& file : shippedLettersFiles()) {
        std::vector<std::string> problems;
        readLetters(file.code, file.bytes, tileSet, problems);
        EXPECT_EQ(problems, std::vector<std::string>{}) << file.code;
    }
    EXPECT_EQ(english().tiles, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(findLanguage("de")->tiles, "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC");
    EXPECT_EQ(findLanguage("es")->tiles, "ABCDEFGHIJKLMN\xD1OPQRSTUVWXYZ");
    EXPECT_EQ(findLanguage("es")->name, "Espa\xF1ol");
    EXPECT_EQ(findLanguage("pt_BR")->name, "Portugu\xEAs (Brasil)");
}

TEST(Languages, ALettersFileSaysWhatIsWrongWithIt) {
    std::vector<std::string> problems;
    readLetters("xx", "name X\ntiles A B \xC5\nfolds \xC9=E \xC0=A\ncolour red\nmarks ;\n", tileSet,
                problems);
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "line 2: \"\xC5\" has no tile",
                            "line 3: \"\xC9=E\" folds onto a letter without a tile",
                            "line 4: \"colour\" is not a setting",
                            "line 5: \";\" cannot be a mark",
                        }));
}

TEST(Languages, TheSystemsFirstLanguageTheGameHasIsTaken) {
    EXPECT_EQ(preferredLanguage({"fr_FR.UTF-8"}).code, "fr");
    EXPECT_EQ(preferredLanguage({"C", "xx-XX", "de-AT", "fr"}).code, "de");
    EXPECT_EQ(preferredLanguage({"pt-PT"}).code, "pt_BR") << "the only Portuguese there is";
    EXPECT_EQ(preferredLanguage({"NL"}).code, "nl");
    EXPECT_EQ(preferredLanguage({"ja-JP", "POSIX"}).code, "en");
    EXPECT_EQ(preferredLanguage({}).code, "en");
}

TEST(LanguageRounds, FrenchAccentsAreMaskedAndTheirBaseTileRevealsThemAsWritten) {
    Round t("fr", "\xE9t\xE9 \xE0 No\xEBl;Saison:");
    EXPECT_EQ(t.game.solveword, "\xC9T\xC9 \xC0 NO\xCBL");
    EXPECT_EQ(t.ui.text(id::hPuzzler), " _ _ _   _   _ _ _ _");
    t.click('E');
    EXPECT_EQ(t.ui.text(id::hPuzzler), " \xC9 _ \xC9   _   _ _ \xCB _");
    EXPECT_EQ(t.game.usedletters, "");
    t.key('\xE0'); // à guesses A
    EXPECT_EQ(t.ui.text(id::hPuzzler), " \xC9 _ \xC9   \xC0   _ _ \xCB _");
    EXPECT_FALSE(tileShown(t, 'A'));
    t.key('Z');
    EXPECT_EQ(t.game.usedletters, "Z ");
    // The accents may be left out of a solve.
    t.solve("ete a noel");
    EXPECT_EQ(t.game.gameRunning, 0);
    EXPECT_EQ(t.ui.text(id::hPuzzler), " \xC9 T \xC9   \xC0   N O \xCB L");
    EXPECT_EQ(t.stats.pscoreone, 90) << "ten points a byte of the phrase, less one miss";
}

TEST(LanguageRounds, SpanishNIsNotTheEnyeAndASolveWithoutItsTildeIsAMiss) {
    Round t("es", "\xBF"
                  "el ni\xF1o?;Peque\xF1o:");
    EXPECT_EQ(t.ui.text(id::hPuzzler), " \xBF _ _   _ _ _ _ ?");
    EXPECT_TRUE(tileShown(t, '\xD1'));
    EXPECT_FALSE(tileShown(t, '\xC4'));
    t.click('N');
    EXPECT_EQ(t.ui.text(id::hPuzzler), " \xBF _ _   N _ _ _ ?");
    t.solve("\xBF"
            "el nino?");
    EXPECT_EQ(t.game.usedletters, "# ");
    EXPECT_EQ(t.game.numwrong, 1);
    t.key('\xF1');
    EXPECT_EQ(t.ui.text(id::hPuzzler), " \xBF _ _   N _ \xD1 _ ?");
    t.solve("\xBF"
            "EL NI\xD1O?");
    EXPECT_EQ(t.game.gameRunning, 0);
    EXPECT_EQ(t.stats.pwinsone, 1);
}

TEST(LanguageRounds, GermanUmlautsHaveTilesAndEszettShowsAsDoubleS) {
    Round t("de", "stra\xDF"
                  "e \xFC"
                  "ber;Weg:");
    EXPECT_EQ(t.game.solveword, "STRASSE \xDC"
                                "BER");
    EXPECT_TRUE(tileShown(t, '\xC4') && tileShown(t, '\xD6') && tileShown(t, '\xDC'));
    EXPECT_FALSE(tileShown(t, '\xD1'));
    t.key('\xDF'); // ß guesses S
    EXPECT_EQ(t.ui.text(id::hPuzzler), " S _ _ _ S S _   _ _ _ _");
    t.click('U');
    EXPECT_EQ(t.game.usedletters, "U ") << "U does not find \xDC";
    t.click('\xDC');
    EXPECT_EQ(t.ui.text(id::hPuzzler), " S _ _ _ S S _   \xDC _ _ _");
    EXPECT_FALSE(tileShown(t, '\xDC'));
    t.solve("stra\xDF"
            "e uber");
    EXPECT_EQ(t.game.numwrong, 2) << "Ü is a letter of its own";
    t.solve("strasse \xFC"
            "ber");
    EXPECT_EQ(t.game.gameRunning, 0);
}

TEST(LanguageRounds, AnEnglishRoundLeavesAccentedLettersShownAndUnguessed) {
    Round t("en", "caf\xE9;Coffee:");
    EXPECT_EQ(t.ui.text(id::hPuzzler), " _ _ _ \xE9");
    t.key('\xE9');
    EXPECT_EQ(t.game.KillLet[tileIndex('E')], 0);
    EXPECT_EQ(t.ui.text(id::hPuzzler), " _ _ _ \xE9");
}

TEST(LanguageSwitch, EachLanguageKeepsItsOwnStoreAndTheScoresStayOneSet) {
    test::Table t;
    const std::string folder = t.folder.prefix();
    t.puzzles("first;x:sun rise;Dawn:last;x:");
    writeBytes(folder + "OnLoad-de.dat", scramble("erst;x:guten tag;Gru\xDF:letzt;x:"));
    t.stats.pscoreone = 120;
    t.newRound(1);
    t.random.draws.push_back(1);

    chooseLanguage(t.session, "de");
    EXPECT_EQ(readBytes(folder + "TRLanguage.dat"), "Language= de\r\n");
    EXPECT_EQ(readBytes(folder + "OnLoad.dat"), scramble("first;x:sun rise;Dawn:last;x:"));
    EXPECT_EQ(readBytes(folder + "TRData.dat"), "Data purged...");
    EXPECT_EQ(readBytes(folder + "TRData-de.dat"), "erst;x:guten tag;Gru\xDF:letzt;x:");
    EXPECT_EQ(t.game.solveword, "GUTEN TAG") << "a new round, in German";
    EXPECT_EQ(t.ui.text(id::hGiveHint), "Gru\xDF");
    EXPECT_TRUE(tileShown(t, '\xD6'));
    EXPECT_EQ(t.stats.pscoreone, 120);

    // A puzzle added now is German, and so is the hint given for one without; the next start is
    // in German whatever the system says.
    t.ui.type(Window::AddPuzzles, id::hEditWord, "\xC4PFEL");
    t.ui.type(Window::AddPuzzles, id::hEditHint, "Obst");
    t.session.settings.ConsoleUse = 0;
    t.press(id::hAddPuzzle);
    t.ui.type(Window::AddPuzzles, id::hEditWord, "TEE");
    t.press(id::hAddPuzzle);
    const std::string added =
        "erst;x:guten tag;Gru\xDF:letzt;x:\xE4pfel;Obst:tee;kein Hinweis vorhanden:";
    EXPECT_EQ(readBytes(folder + "TRData-de.dat"), added);
    saveOnQuit(t.session);

    RecordingUi ui;
    test::FixedRandom random;
    Session next(ui, random, Paths::inFolder(folder));
    struct Maker final : WindowMaker {
        bool createWindows() override { return true; }
        void showMainWindow() override {}
    } maker;
    ASSERT_TRUE(startUp(next, maker, {"fr-FR"}));
    EXPECT_EQ(next.language->code, "de");
    EXPECT_EQ(readBytes(folder + "TRData-de.dat"), added);
    EXPECT_EQ(readBytes(folder + "TRData.dat"), "Data purged...");
    EXPECT_TRUE(ui.visible(id::letterTile(tileIndex('\xC4'))));
}

// \xE4 is ä, \xE9 é, and \xA0 the no-break space French puts before a colon.
TEST(Catalogues, TextsComeInTheCodePageWithEachLanguagesPluralsAndTheirValuesInPlace) {
    EXPECT_STREQ(translate("de", "New Puzzle"), "Neues R\xE4tsel");
    EXPECT_STREQ(translate("fr", "Solve: type the whole phrase"),
                 "R\xE9soudre\xA0: tapez toute la phrase");
    EXPECT_STREQ(translate("en", "New Puzzle"), "New Puzzle");
    EXPECT_STREQ(translate("de", "A text of no catalogue"), "A text of no catalogue");

    const auto missesLeft = [](const char* code, long count) {
        return std::string(translatePlural(code, "%d miss left.", "%d misses left.", count));
    };
    EXPECT_EQ(missesLeft("de", 1), "Noch %d Fehlversuch.");
    EXPECT_EQ(missesLeft("de", 0), "Noch %d Fehlversuche.");
    EXPECT_EQ(missesLeft("fr", 0), "Il vous reste %d erreur.") << "French counts 0 as one";
    EXPECT_EQ(missesLeft("fr", 2), "Il vous reste %d erreurs.");
    EXPECT_EQ(missesLeft("en", 0), "%d misses left.");

    EXPECT_EQ(withValues(translatePlural("de", "%1$s is in the phrase once.",
                                         "%1$s is in the phrase %2$d times.", 3),
                         {"E", "3"}),
              "E kommt 3-mal vor.");
    EXPECT_EQ(withValues("100%% of %2$s, %1$s", {"a", "b"}), "100% of b, a");
}

TEST(LanguageSwitch, TheLanguageButtonOffersTheLanguagesAndAnUnknownChoiceChangesNothing) {
    test::Table t;
    t.press(id::hLanguage);
    EXPECT_EQ(t.ui.languagesOffered, std::vector<std::string>{"en"});
    chooseLanguage(t.session, "tlh");
    EXPECT_EQ(t.session.language->code, "en");
    EXPECT_EQ(readBytes(t.session.paths.LanguageFile), "<missing>");
}

} // namespace
} // namespace tallyrope
