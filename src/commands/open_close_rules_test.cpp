// Tests of the open and close rules: every row of both verbs, and the way out moving with it.
#include <gtest/gtest.h>

#include "commands/rule_groups.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

using Page = std::vector<std::string>;
using Flag = Integer Game::*;

class OpenCloseTest : public ::testing::Test {
 protected:
  void SetUp() override { t.startPlaying(); }
  testing::TestGame t;
  Game& game = t.game;
};

struct PassageCase {
  const char* verb;
  const char* word;
  Integer doorCode;
  std::vector<Flag> trueBefore;
  const char* answer;
  Flag passage;  // its value afterwards is checked, and the way's with it
  Way way;
  Integer after;
};

// clang-format off
const std::vector<PassageCase> kPassageCases = {
    {"otevři", "dveře", 1, {}, "79", &Game::door37Open, north, kTrue},
    {"otevři", "dveře", 1, {&Game::door37Open}, "81", &Game::door37Open, north, kTrue},
    {"otevři", "dveře", 2, {&Game::door33Unlocked}, "135", &Game::door33Open, north, kTrue},
    {"otevři", "dveře", 2, {}, "136", &Game::door33Open, north, kFalse},
    {"otevři", "dveře", 2, {&Game::door33Open}, "81", &Game::door33Open, north, kTrue},
    {"otevři", "dveře", 3, {}, "150", &Game::door32Open, east, kTrue},
    {"otevři", "dveře", 3, {&Game::door32Open}, "81", &Game::door32Open, east, kTrue},
    {"otevři", "dveře", 4, {}, "150", &Game::door42Open, east, kTrue},
    {"otevři", "dveře", 4, {&Game::door42Open}, "81", &Game::door42Open, east, kTrue},
    {"otevři", "dveře", 5, {&Game::door31Unlocked}, "161", &Game::door31Open, west, kTrue},
    {"otevři", "dveře", 5, {&Game::door31Open}, "81", &Game::door31Open, west, kTrue},
    {"otevři", "dveře", 5, {}, "136", &Game::door31Open, west, kFalse},
    {"otevři", "dvířka", 0, {&Game::hatchOpen}, "87", &Game::hatchOpen, north, kTrue},
    {"otevři", "dvířka", 0, {&Game::hatchPried, &Game::hatchOpen}, "81", &Game::hatchOpen, north, kTrue},
    {"otevři", "dvířka", 0, {&Game::hatchPried}, "85", &Game::hatchOpen, north, kTrue},
    {"zavři", "dveře", 1, {&Game::door37Open}, "80", &Game::door37Open, north, kFalse},
    {"zavři", "dveře", 1, {}, "82", &Game::door37Open, north, kFalse},
    {"zavři", "dveře", 2, {&Game::door33Open}, "137", &Game::door33Open, north, kFalse},
    {"zavři", "dveře", 2, {}, "82", &Game::door33Open, north, kFalse},
    {"zavři", "dveře", 3, {&Game::door32Open}, "151", &Game::door32Open, east, kFalse},
    {"zavři", "dveře", 3, {}, "82", &Game::door32Open, east, kFalse},
    {"zavři", "dveře", 4, {&Game::door42Open}, "151", &Game::door42Open, east, kFalse},
    {"zavři", "dveře", 4, {}, "81", &Game::door42Open, east, kFalse},
    {"zavři", "dveře", 5, {&Game::door31Open}, "151", &Game::door31Open, west, kFalse},
    {"zavři", "dveře", 5, {}, "81", &Game::door31Open, west, kFalse},
    {"zavři", "dvířka", 3, {&Game::hatchOpen}, "86", &Game::hatchOpen, north, kFalse},
    {"zavři", "dvířka", 3, {}, "82", &Game::hatchOpen, north, kFalse},
};
// clang-format on

TEST_F(OpenCloseTest, EveryRowOfBothVerbs) {
  for (const PassageCase& c : kPassageCases) {
    SCOPED_TRACE(std::string(c.verb) + " " + c.word + " code " + std::to_string(c.doorCode) +
                 " answers " + c.answer);
    testing::TestGame fresh;
    fresh.startPlaying();
    Game& g = fresh.game;
    g.doorRoomCode = c.doorCode;
    for (Flag flag : c.trueBefore) g.*flag = kTrue;
    // The way starts as the room handler would have set it from the flag.
    g.exits[c.way] = g.*c.passage;
    EXPECT_EQ(fresh.command(c.verb, c.word), Page{c.answer});
    EXPECT_EQ(g.*c.passage, c.after);
    EXPECT_EQ(g.exits[c.way], c.after);
  }
}

TEST_F(OpenCloseTest, OtherWordsGetOneRefusalForBothVerbs) {
  EXPECT_EQ(t.command("otevři", "dýku"), Page{"dýku" + std::string(kCannotOpen)});
  EXPECT_EQ(t.command("zavři", "sud"), Page{"sud nemůžeš otevřít!"});
}

TEST_F(OpenCloseTest, ClosingNeverLocksAgain) {
  game.doorRoomCode = 2;
  game.door33Unlocked = kTrue;
  t.command("otevři", "dveře");
  t.command("zavři", "dveře");
  EXPECT_EQ(t.command("otevři", "dveře"), Page{"135"});
}

TEST_F(OpenCloseTest, OpenedDoorLetsTheNextTurnThrough) {
  t.enter("s");
  EXPECT_EQ(game.posY, 7);
  t.enter("otevři dveře");
  EXPECT_EQ(testing::readPage(game.Text2).back(), "79");
  t.enter("s");
  EXPECT_EQ(game.posY, 6);
  t.enter("s");
  t.enter("j");
  t.enter("j");
  t.enter("zavři dveře");
  EXPECT_EQ(game.posY, 7);
  EXPECT_EQ(testing::readPage(game.Text2).back(), "80");
  t.enter("s");
  EXPECT_EQ(game.posY, 7);
}

}  // namespace
}  // namespace kvelt
