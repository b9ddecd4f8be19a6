// Tests of taking turns back and playing them again.
#include "common/undo_stack.h"

#include <gtest/gtest.h>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

class UndoStackTest : public ::testing::Test {
 protected:
  void SetUp() override { t.startPlaying(); }
  void play(const std::string& line) {
    undo.record(t.game);
    t.enter(line);
  }
  testing::TestGame t;
  UndoStack undo;
};

TEST_F(UndoStackTest, UndoRestoresTheWholeRecordAndRedoPlaysItAgain) {
  const Game before = t.game;
  play("vezmi pochodeň");
  const Game after = t.game;
  ASSERT_NE(after.inventory, before.inventory);

  ASSERT_TRUE(undo.undo(t.game));
  EXPECT_EQ(t.game.inventory, before.inventory);
  EXPECT_EQ(t.game.room37Objects, before.room37Objects);
  EXPECT_EQ(t.game.Text2, before.Text2);
  EXPECT_EQ(t.game.Text3, before.Text3);
  EXPECT_FALSE(undo.undo(t.game));

  ASSERT_TRUE(undo.redo(t.game));
  EXPECT_EQ(t.game.inventory, after.inventory);
  EXPECT_EQ(t.game.Text2, after.Text2);
  EXPECT_FALSE(undo.redo(t.game));
}

TEST_F(UndoStackTest, TheLiveGameKeepsItsPlatform) {
  play("vezmi pochodeň");
  Game stale = t.game;
  RecordingWindow otherWindow;
  stale.platform.window = &otherWindow;
  undo.record(stale);
  ASSERT_TRUE(undo.undo(t.game));
  EXPECT_EQ(t.game.platform.window, &t.window);
  EXPECT_EQ(t.game.platform.files, &t.files);
}

TEST_F(UndoStackTest, ADeathIsTakenBackAndTheGameGoesOn) {
  for (const char* line : {"otevři dveře", "s", "vezmi kámen", "s"}) play(line);
  play("s");
  ASSERT_EQ(t.game.gameOver, kTrue);
  ASSERT_TRUE(undo.undo(t.game));
  EXPECT_EQ(t.game.gameOver, kFalse);
  t.enter("j");
  EXPECT_FALSE(t.game.windowClosed);
  EXPECT_EQ(t.game.posY, 6);
}

TEST_F(UndoStackTest, ANewTurnForgetsWhatWasTakenBack) {
  play("vezmi pochodeň");
  ASSERT_TRUE(undo.undo(t.game));
  play("vezmi olej");
  EXPECT_FALSE(undo.canRedo());
  EXPECT_EQ(undo.depth(), 1u);
}

TEST_F(UndoStackTest, OnlyTheLastTurnsUpToTheLimitAreKept) {
  UndoStack small(3);
  Integer firstKept = 0;
  for (int turn = 0; turn < 5; ++turn) {
    t.game.k = static_cast<Integer>(turn);
    small.record(t.game);
    if (turn == 2) firstKept = t.game.k;
  }
  int taken = 0;
  while (small.undo(t.game)) ++taken;
  EXPECT_EQ(taken, 3);
  EXPECT_EQ(t.game.k, firstKept);
  EXPECT_GE(UndoStack::kDefaultLimit, 100u);
}

TEST_F(UndoStackTest, NothingOnDiskIsTouched) {
  play("save 4");
  const auto files = t.files.files;
  play("vezmi pochodeň");
  ASSERT_TRUE(undo.undo(t.game));
  ASSERT_TRUE(undo.undo(t.game));
  ASSERT_TRUE(undo.redo(t.game));
  EXPECT_EQ(t.files.files, files);
}

}  // namespace
}  // namespace kvelt
