// The winning game saved at every tenth turn, played on, loaded back and won.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "persistence/save_commands.h"
#include "persistence/state_file.h"
#include "test_support/test_game.h"
#include "test_support/winning_game.h"

namespace kvelt {
namespace {

using testing::messageText;
using testing::paneLines;
using testing::TestGame;

std::vector<std::string> carriedWords(const std::string& pane) {
  std::vector<std::string> words = paneLines(pane);
  std::erase(words, "");
  return words;
}

// Each load must give back the game of its save: the pages from there on are byte for byte
// those of a game never interrupted, and saving the loaded game writes the same two files.
TEST(SaveRoundTripTest, EveryTenthTurnSavedPlayedOnAndLoadedPlaysAsTheStraightGame) {
  const std::vector<std::string>& lines = testing::winningLines();
  const std::vector<testing::Seen> straight = testing::straightWinningGame();
  std::vector<std::string> ending;
  for (Integer n : testing::kExpectedEnding) ending.push_back(messageText(n));
  ASSERT_EQ(paneLines(straight.back().narration), ending) << "the winning lines no longer win";

  TestGame t;
  t.start();
  int changedByPlayingOn = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0 && i % 10 == 0) {
      SCOPED_TRACE("saved after line " + std::to_string(i));
      const std::string slot = std::to_string(i / 10 % kSlotCount + 1);
      const std::string list = "/game/save" + slot + ".s", state = "/game/savex" + slot + ".s";
      const std::string atSave = encodeState(t.game);
      t.enter("save " + slot);
      const std::string savedList = t.files.files[list], savedState = t.files.files[state];
      testing::playWinningLines(t, i, std::min(i + 5, lines.size() - 1));
      if (encodeState(t.game) != atSave) ++changedByPlayingOn;
      t.enter("load " + slot);
      ASSERT_EQ(t.window.notices, "");
      EXPECT_EQ(encodeState(t.game), atSave);
      t.enter("save " + slot);
      EXPECT_EQ(t.files.files[list], savedList);
      EXPECT_EQ(t.files.files[state], savedState);
    }
    t.enter(lines[i]);
    ASSERT_EQ(t.game.Text2, straight[i].narration) << "line " << i + 1 << ": " << lines[i];
    // A loaded carried pane is drawn with eleven lines, not ten, until the next take or drop.
    ASSERT_EQ(carriedWords(t.game.Text3), carriedWords(straight[i].carried))
        << "line " << i + 1 << ": " << lines[i];
  }
  EXPECT_EQ(t.game.gameOver, kTrue);
  EXPECT_GE(changedByPlayingOn, 10) << "playing on must change the game, or a load proves nothing";
}

}  // namespace
}  // namespace kvelt
