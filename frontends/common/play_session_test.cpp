// Tests of a game as the interactive front ends play it: statuses, undo, new game, pages.
#include "common/play_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "test_support/session_record.h"
#include "test_support/test_game.h"
#include "test_support/winning_game.h"

namespace kvelt {
namespace {

using testing::messageText;

class PlaySessionTest : public ::testing::Test {
 protected:
  PlaySessionTest()
      : session(Platform{&t.window, &t.display, &t.files, testing::TestGame::kDir,
                         testing::TestGame::kDir}) {}
  void SetUp() override { ASSERT_TRUE(session.start().isOk()); }
  void play(std::initializer_list<const char*> lines) {
    for (const char* line : lines) ASSERT_TRUE(session.enter(line).isOk());
  }
  void dieAtTheGate() { play({"", "", "otevři dveře", "s", "vezmi kámen", "s", "s"}); }
  bool statusSays(const std::string& text) const {
    return status().find(text) != std::string::npos;
  }
  std::string status() const { return session.view().statusLine; }
  const Game& game() const { return recordOf(session); }
  bool pageBack() { return session.comfort(Comfort::pageBack).changed; }
  testing::TestGame t;  // only its fake services
  PlaySession session;
};

TEST_F(PlaySessionTest, TheStatusLineShowsTheKeysAtStartThenTheAnswers) {
  EXPECT_TRUE(statusSays("Alt+U tah zpět"));
  const struct {
    const char* line;
    std::string status;
  } turns[] = {{"", ""},
               {"", ""},
               {"nesmysl", kNotUnderstood},
               {"s", kNoWayThere},
               {"save 1", "Hra je uložena do pozice 1."},
               {"vezmi pochodeň", ""}};
  for (const auto& turn : turns) {
    ASSERT_TRUE(session.enter(turn.line).isOk());
    EXPECT_EQ(status(), turn.status) << turn.line;
  }
}

TEST_F(PlaySessionTest, ADeathIsTakenBackWithItsPageAndPlayedAgain) {
  dieAtTheGate();
  EXPECT_EQ(game().Text2, messageText(91));
  EXPECT_TRUE(statusSays("Enter ukončí program"));
  EXPECT_TRUE(statusSays("Alt+U"));
  EXPECT_TRUE(statusSays("Alt+N"));
  const std::string afterEnd = status();
  session.press({.f1 = true}, true);
  EXPECT_EQ(status(), afterEnd) << "F1 after the end says what the status says";

  session.comfort(Comfort::undo);
  EXPECT_EQ(game().gameOver, kFalse);
  EXPECT_EQ(status(), kTakenBack);
  EXPECT_EQ(game().posY, 5);
  ASSERT_TRUE(pageBack());
  EXPECT_EQ(testing::paneLines(session.view().narration).front(), "> vezmi kámen");
  session.comfort(Comfort::livePage);

  session.comfort(Comfort::redo);
  EXPECT_EQ(game().Text2, messageText(91));
  EXPECT_TRUE(statusSays("Enter ukončí program"));
  // The Enter after the end ends the program; a page that stays can still take the death back.
  play({"load 1"});
  EXPECT_TRUE(session.view().ended);
  session.comfort(Comfort::undo);
  EXPECT_FALSE(session.view().ended);
  EXPECT_EQ(game().gameOver, kFalse);
  EXPECT_EQ(game().posY, 5);
  EXPECT_EQ(testing::paneLines(session.view().narration), testing::paneLines(game().Text2));
  play({"j"});  // the way back south instead
  EXPECT_FALSE(session.view().ended);
  EXPECT_EQ(game().posY, 6);
  session.comfort(Comfort::redo);
  EXPECT_EQ(status(), kNothingToRedo);
}

TEST_F(PlaySessionTest, EarlierPagesComeWithTheirLines) {
  play({"", "", "vezmi pochodeň"});
  const std::string live = session.view().narration;
  // The start room and the first turn, both after an empty line, then the opening.
  for (const std::string& first : {std::string("> "), std::string("> "), messageText(1)}) {
    ASSERT_TRUE(pageBack());
    EXPECT_EQ(testing::paneLines(session.view().narration).front(), first);
  }
  EXPECT_EQ(session.view().carried, "dýku");
  EXPECT_FALSE(pageBack());
  EXPECT_TRUE(statusSays("PgDn"));
  while (session.comfort(Comfort::pageForward).changed) {
  }
  EXPECT_EQ(session.view().narration, live);
  session.comfort(Comfort::map);
  ASSERT_TRUE(pageBack());
  EXPECT_FALSE(session.view().mapShown);  // a page moved to hides the map too
  // F1 from an earlier page answers on the live one, where its answer can be read.
  EXPECT_TRUE(session.comfort(Comfort::hint).changed);
  EXPECT_EQ(session.view().narration, live);
  EXPECT_FALSE(statusSays("PgDn"));
}

TEST_F(PlaySessionTest, ANewGameIsAskedForThenStartsAsTheProgramDoes) {
  play({"", "", "vezmi pochodeň"});
  ASSERT_TRUE(session.comfort(Comfort::newGame).status.isOk());
  EXPECT_TRUE(statusSays("Alt+N"));
  session.comfort(Comfort::dismiss);
  EXPECT_EQ(game().posY, 7);
  EXPECT_EQ(game().inventory[1], "pochodeň");

  ASSERT_TRUE(session.comfort(Comfort::newGame).status.isOk());
  ASSERT_TRUE(session.comfort(Comfort::newGame).status.isOk());
  EXPECT_EQ(status(), kNewGameStarted);
  EXPECT_EQ(game().inventory[1], "");
  EXPECT_EQ(game().Text3, "dýku");
  EXPECT_EQ(game().firstTurnShown, kFalse);
  EXPECT_FALSE(pageBack());
  session.comfort(Comfort::undo);
  EXPECT_EQ(status(), kNothingToTakeBack);

  // The screen size put back at the end is still the one found at program start.
  play({"exit"});
  EXPECT_TRUE(session.view().ended);
  EXPECT_EQ(t.display.width, 1024u);
  EXPECT_EQ(t.display.height, 768u);
}

TEST_F(PlaySessionTest, NoticesReachTheWindowAndTheSession) {
  play({"", "", "load 9"});
  EXPECT_EQ(status(), "Pozice 9 je prázdná.");
  EXPECT_EQ(t.window.notices, "Pozice 9 je prázdná.");
  play({"nesmysl"});
  EXPECT_EQ(status(), kNotUnderstood);
}

TEST_F(PlaySessionTest, KeysReachTheComfortsAndTabsChoicesStandUntilTheNextKey) {
  play({"", ""});
  const std::string before = status();
  EXPECT_FALSE(session.press({.letter = 'z', .ctrl = true}, false));  // the line's own undo
  ASSERT_TRUE(session.press({.letter = 'n', .alt = true}, true));
  EXPECT_TRUE(session.view().newGameAsked);
  EXPECT_EQ(session.complete("po"), "po");
  EXPECT_NE(status().find(", "), std::string::npos) << status();
  pageBack();
  session.comfort(Comfort::livePage);
  EXPECT_NE(status().find(", "), std::string::npos) << status();
  session.comfort(Comfort::dismiss);
  EXPECT_FALSE(session.view().newGameAsked);
  EXPECT_EQ(status(), before);
}

TEST_F(PlaySessionTest, HintsAndTheMapStandBesideThePageAndALostGameIsToldOnce) {
  // The opening page only needs Enter; the three steps start on the next page.
  session.press({.f1 = true}, true);
  EXPECT_EQ(status(), "Stiskni Enter.");
  play({""});
  const View before = session.view();
  std::vector<std::string> steps;
  for (int press = 0; press < 3; ++press) {
    session.press({.f1 = true}, true);
    steps.push_back(status());
  }
  EXPECT_NE(steps[0], before.statusLine);
  EXPECT_NE(steps[0], steps[1]);
  EXPECT_NE(steps[1], steps[2]);
  EXPECT_EQ(session.view().narration, before.narration);

  // F3 shows the map until F3 again, Esc or typing (the live page), or an Enter.
  session.press({.f3 = true}, true);
  EXPECT_TRUE(session.view().mapShown);
  EXPECT_EQ(session.view().narration, before.narration);
  session.comfort(Comfort::dismiss);  // sent before every key: the map stays
  EXPECT_TRUE(session.view().mapShown);
  session.press({.f3 = true}, true);
  EXPECT_FALSE(session.view().mapShown);
  session.press({.f3 = true}, true);
  EXPECT_TRUE(session.comfort(Comfort::livePage).changed);
  EXPECT_FALSE(session.view().mapShown);
  session.press({.f3 = true}, true);
  play({""});
  EXPECT_FALSE(session.view().mapShown);
  ASSERT_EQ(session.map().cells.size(), 1U);

  // Leaving the needle behind loses the game once the chandelier has come down: the warning
  // stands on that turn only, and comes back with the turn after an undo.
  const std::vector<std::string>& lines = testing::winningLines();
  bool warned = false;
  for (std::size_t i = 1; i < lines.size() && !warned; ++i) {
    if (lines[i] == "vezmi jehlu") continue;
    ASSERT_TRUE(session.enter(lines[i]).isOk());
    warned = statusSays("Alt+U vezme tahy zpět.");
  }
  ASSERT_TRUE(warned);
  play({"i"});
  EXPECT_FALSE(statusSays("Alt+U vezme tahy zpět."));
  session.comfort(Comfort::undo);
  session.comfort(Comfort::undo);
  session.comfort(Comfort::redo);
  EXPECT_TRUE(statusSays("Alt+U vezme tahy zpět."));
  session.press({.f1 = true}, true);
  EXPECT_TRUE(statusSays("Jehl")) << status();
}

TEST(PlaySessionHintTest, ThePlannerLookingLaterGivesTheSameHints) {
  testing::TestGame a, b;
  const std::string dir = testing::TestGame::kDir;
  PlaySession now(Platform{&a.window, &a.display, &a.files, dir, dir});
  PlaySession later(Platform{&b.window, &b.display, &b.files, dir, dir});
  later.lookLater();
  ASSERT_TRUE(now.start().isOk());
  ASSERT_TRUE(later.start().isOk());
  // The three steps before the look came, after an Enter, and after the look itself.
  for (const char* line : {"", "", "vezmi pochodeň"}) {
    if (line == std::string("vezmi pochodeň")) later.lookAtGame();
    for (int step = 1; step <= 3; ++step) {
      now.comfort(Comfort::hint);
      later.comfort(Comfort::hint);
      EXPECT_FALSE(now.view().statusLine.empty());
      EXPECT_EQ(later.view().statusLine, now.view().statusLine) << line << " step " << step;
    }
    ASSERT_TRUE(now.enter(line).isOk());
    ASSERT_TRUE(later.enter(line).isOk());
  }
}

TEST(PlaySessionTranscriptTest, EveryTurnIsAppendedWithItsStatus) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("kvelt-session-" + std::to_string(std::random_device{}()) + ".txt");
  testing::TestGame t;
  {
    PlaySession session(Platform{&t.window, &t.display, &t.files, t.kDir, t.kDir});
    session.setTranscript(path.string());
    ASSERT_TRUE(session.start().isOk());
    for (const char* line : {"", "", "nesmysl"}) ASSERT_TRUE(session.enter(line).isOk());
    session.comfort(Comfort::undo);
    ASSERT_TRUE(session.enter("exit").isOk());
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::filesystem::remove(path);
  const std::string m2 = messageText(2);
  const std::string expected = messageText(1) + "\n" + messageText(33) + "\n" + messageText(35) +
                               "\n" + messageText(37) + "\n\n" + "> \n" + messageText(174) + "\n\n";
  EXPECT_EQ(text.str().substr(0, expected.size()), expected);
  EXPECT_NE(text.str().find("> nesmysl\n" + m2), std::string::npos);
  EXPECT_NE(text.str().find(std::string("(") + kNotUnderstood + ")\n\n" + m2), std::string::npos);
  EXPECT_NE(text.str().find(std::string("(") + kTakenBack + ")\n\n> exit\n\n"), std::string::npos);
}

TEST(PlaySessionTranscriptTest, ATranscriptThatCannotBeWrittenIsToldOnceAndTheGameGoesOn) {
  testing::TestGame t;
  PlaySession session(Platform{&t.window, &t.display, &t.files, t.kDir, t.kDir});
  session.setTranscript("/nonexistent-folder/t.txt");
  ASSERT_TRUE(session.start().isOk());
  EXPECT_NE(session.view().statusLine.find("/nonexistent-folder/t.txt"), std::string::npos);
  ASSERT_TRUE(session.enter("").isOk());
  EXPECT_EQ(session.view().statusLine, "");
  EXPECT_EQ(recordOf(session).Text2, messageText(174));
}

}  // namespace
}  // namespace kvelt
