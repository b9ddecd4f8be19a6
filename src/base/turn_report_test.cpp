// Tests of the turn report: what each kind of line did, as the turn loop tells it.
#include "base/turn_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

// The report's facts in one comparable string, so that a row reads like a line of a table.
std::string facts(const TurnReport& r) {
  std::string out;
  auto add = [&](bool on, const std::string& name) {
    if (on) out += (out.empty() ? "" : " ") + name;
  };
  add(r.exitRequested, "exit");
  add(r.slotCommand == SlotCommand::save, "save" + std::to_string(r.slot));
  add(r.slotCommand == SlotCommand::load, "load" + std::to_string(r.slot));
  add(r.slotDone, "done");
  add(r.direction, "direction");
  add(r.moved, "moved");
  add(r.firstTurn, "first");
  add(r.roomVisited, "visited");
  add(r.recognised, "recognised");
  add(r.answers > 0, "answered");
  add(r.gameEnded, "ended");
  return out;
}

struct Row {
  std::vector<std::string> before;  // lines played first, from the start room
  std::string line;
  std::string expected;
};

TEST(TurnReportTest, EachKindOfLineIsReportedAsTheEngineSawIt) {
  const Row rows[] = {
      {{}, "", "visited"},
      {{}, "vezmi pochodeň", "visited recognised answered"},
      {{}, "vezmi pochoden", "visited"},
      {{}, "vezmi dýku", "visited answered"},   // the carry check answers what recognition refuses
      {{}, "s", "direction visited"},           // the door is shut
      {{}, "j", "direction visited answered"},  // the start room answers the south itself
      {{"otevři dveře"}, "s", "direction moved visited"},
      {{}, "save 3", "save3 done visited"},
      {{}, "load 9", "load9 visited"},  // never saved: the notice tells
      {{"save 2"}, "load 2", "load2 done visited"},
      {{}, "save 11", "visited"},
      {{}, "exit", "exit"},
      {{"otevři dveře", "s", "vezmi kámen", "s"}, "s", "direction ended"},  // the gate
  };
  for (const Row& row : rows) {
    testing::TestGame t;
    t.startPlaying();
    for (const std::string& line : row.before) t.enter(line);
    t.enter(row.line);
    EXPECT_EQ(facts(t.game.turn), row.expected) << row.line;
  }
}

TEST(TurnReportTest, TheFirstEnterIsTheFirstTurnWhateverIsTyped) {
  testing::TestGame t;
  t.start();
  t.enter("nesmysl");
  EXPECT_EQ(facts(t.game.turn), "first");
}

TEST(TurnReportTest, AnEnterAfterTheEndOnlyLeaves) {
  testing::TestGame t;
  t.startPlaying();
  t.game.posX = 3;
  t.game.posY = 2;
  t.enter("s");
  EXPECT_EQ(facts(t.game.turn), "direction ended");
  t.enter("load 1");
  EXPECT_EQ(facts(t.game.turn), "exit");
}

}  // namespace
}  // namespace kvelt
