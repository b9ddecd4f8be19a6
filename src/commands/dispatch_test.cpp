// Tests of the dispatch: a command acts once and unknown verbs do nothing.
#include "commands/dispatch.h"

#include <gtest/gtest.h>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

TEST(DispatchTest, WordsAreSpentOnEveryPath) {
  testing::TestGame t;
  t.start();
  for (const char* verb : {"", "save", "load", "prozkoumej", "použij"}) {
    t.game.commandVerb = verb;
    t.game.commandObject = "nic";
    t.game.commandTarget = "nic";
    prikazy(t.game);
    EXPECT_EQ(t.game.commandVerb, "");
    EXPECT_EQ(t.game.commandObject, "");
    EXPECT_EQ(t.game.commandTarget, "");
  }
}

TEST(DispatchTest, NoVerbPrintsNothing) {
  testing::TestGame t;
  t.start();
  std::string before = t.game.Text2;
  prikazy(t.game);
  EXPECT_EQ(t.game.Text2, before);
}

}  // namespace
}  // namespace kvelt
