// Tests of the status answers: a table of turns, each line with the answer it gets.
#include "common/turn_status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/session.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

struct Turn {
  std::vector<std::string> before;  // lines played first, from the start room
  std::string line;
  std::string answer;  // empty: no answer, the page speaks for itself
};

TEST(TurnStatusTest, EveryLineGetsTheAnswerItsTurnCallsFor) {
  const std::string understood = kNotUnderstood, nothing = kNothingHappened, noWay = kNoWayThere;
  const Turn turns[] = {
      {{}, "", ""},
      {{}, "vezmi pochodeň", ""},
      {{"vezmi pochodeň"}, "použij pochodeň", nothing},  // a sentence no rule answers
      {{}, "prozkoumej listinu", ""},
      {{}, "vezmi pochoden", understood},
      {{}, "Vezmi pochodeň", understood},
      {{}, "polož olej", ""},  // lying in the room: the carry check answers
      {{}, "vezmi dýku", ""},  // the carry check answers
      {{}, "s", noWay},        // the door is shut
      {{}, "z", noWay},
      {{}, "j", ""},  // the start room answers the way south itself
      {{"otevři dveře"}, "s", ""},
      {{}, "save 3", "Hra je uložena do pozice 3."},
      {{"save 10"}, "load 10", "Hra z pozice 10 je nahrána."},
      {{}, "load 9", ""},  // never saved: the notice tells
      {{}, "save 11", understood},
      {{}, "exit", ""},
      {{"otevři dveře", "s", "vezmi kámen", "s"}, "s", ""},  // a death
  };
  for (const Turn& turn : turns) {
    testing::TestGame t;
    t.startPlaying();
    for (const std::string& line : turn.before) t.enter(line);
    t.enter(turn.line);
    EXPECT_EQ(turnAnswer(t.game.turn, turn.line).value_or(""), turn.answer) << turn.line;
  }
}

TEST(TurnStatusTest, TheFirstEnterAndASaveBeforeADeathAnswerAsThePageCannot) {
  testing::TestGame t;
  t.start();
  t.enter("nesmysl");
  EXPECT_FALSE(turnAnswer(t.game.turn, "nesmysl"));
  t.enter("");
  t.game.posX = 5;  // the captain's hall, where a save is fatal
  t.game.posY = 2;
  t.enter("save 2");
  EXPECT_EQ(t.game.gameOver, kTrue);
  EXPECT_EQ(turnAnswer(t.game.turn, "save 2"), "Hra je uložena do pozice 2.");
}

// A line past the limit is played cut at a letter's boundary, and the player is told.
TEST(TurnStatusTest, ALineTooLongIsPlayedCutAndSaysSo) {
  testing::TestGame t;
  t.startPlaying();
  const std::string line = "vezmi " + std::string(kLineLimit, 'x');
  t.enter(line);
  EXPECT_EQ(turnAnswer(t.game.turn, line).value_or(""), kLineCut);
  t.enter(std::string(kLineLimit, 'x'));
  EXPECT_FALSE(t.game.turn.lineCut);
}

TEST(TurnStatusTest, TheKeysAreNamedAsTheFrontEndCallsThem) {
  KeyNames keys;
  keys.undo = "Ctrl+Z";
  EXPECT_NE(afterEndStatus(keys).find("Ctrl+Z vezme poslední tah zpět"), std::string::npos);
  EXPECT_NE(afterEndStatus(keys).find("Alt+N začne novou hru"), std::string::npos);
  EXPECT_NE(afterEndStatus(keys).find("cokoli, i „load N“"), std::string::npos);
  EXPECT_NE(startStatus(keys).find("Ctrl+Z tah zpět"), std::string::npos);
}

}  // namespace
}  // namespace kvelt
