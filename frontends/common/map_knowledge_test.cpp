// Tests of the map of what was seen: along whole games, after deaths, undo and a resumed game.
#include "common/map_knowledge.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>
#include <utility>

#include "base/utf8.h"
#include "common/map_description.h"
#include "common/map_layout.h"
#include "common/map_svg.h"
#include "common/map_text.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

using testing::TestGame;
using Place = std::pair<int, int>;

std::vector<std::string> winningLines() {
  std::ifstream in(KVELT_TEST_DATA_DIR "/winning_sequence.txt");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Plays `lines` until the game ends, checking after every turn that the map holds exactly the
// places stood in, that only their ways are known, and that every drawing of it fits.
void playAndCheck(const std::vector<std::string>& lines) {
  TestGame t;
  t.start();
  MapKnowledge known;
  known.startOver(t.game);
  std::set<Place> stoodIn = {{t.game.posX, t.game.posY}};
  for (const std::string& line : lines) {
    t.enter(line);
    known.afterTurn(t.game, line);
    if (isFalse(t.game.gameOver)) stoodIn.insert({t.game.posX, t.game.posY});
    std::set<Place> mapped;
    for (const SeenRoom& room : known.rooms()) mapped.insert({room.x, room.y});
    ASSERT_EQ(mapped, stoodIn) << "after " << line;
    const MapPicture picture = layoutMap(known);
    const std::vector<std::string> text = mapText(picture, MapGlyphs::boxDrawing);
    ASSERT_EQ(text.size(), static_cast<std::size_t>(kMapTextLines));
    for (const std::string& row : text) ASSERT_LE(decodeUtf8(row).size(), 78u) << row;
    ASSERT_EQ(MapKnowledge::fromText(known.toText()), known);
    if (isTrue(t.game.gameOver)) return;
  }
}

TEST(MapKnowledgeTest, HoldsExactlyTheRoomsStoodInAlongWholeGames) {
  const std::vector<std::string> winning = winningLines();
  ASSERT_GT(winning.size(), 100u);
  playAndCheck(winning);
  const std::vector<std::string> words = {
      "s", "j", "z", "v", "otevři dveře", "", "vezmi pochodeň", "použij lano na okno"};
  std::mt19937 random(27);
  for (int game = 0; game < 40; ++game) {
    std::vector<std::string> lines(winning.begin(), winning.begin() + random() % winning.size());
    for (int turn = 0; turn < 60; ++turn) lines.push_back(words[random() % words.size()]);
    playAndCheck(lines);
  }
}

TEST(MapKnowledgeTest, AWayThatKilledIsMarkedAndTheRoomBehindItStaysUnseen) {
  TestGame t;
  t.start();
  MapKnowledge known;
  known.startOver(t.game);
  for (const char* line : {"", "", "otevři dveře", "s", "vezmi kámen", "s", "s"}) {
    t.enter(line);
    known.afterTurn(t.game, line);
  }
  ASSERT_TRUE(isTrue(t.game.gameOver));
  const SeenRoom* gate = known.room(3, 5);
  ASSERT_NE(gate, nullptr);
  EXPECT_TRUE(gate->deadly[north]);
  EXPECT_FALSE(known.seen(3, 4));
  const std::string words = mapDescription(layoutMap(known));
  EXPECT_NE(words.find("Brána (tady): na sever (smrt), na jih do místa Cesta"), std::string::npos)
      << words;
  EXPECT_NE(mapSvg(layoutMap(known)).find("deadly"), std::string::npos);
}

TEST(MapKnowledgeTest, TheRopeIsDrawnAsARopeOnceClimbed) {
  TestGame t;
  t.startPlaying();
  t.standIn(2, 2);
  t.game.windowRopeTied = kTrue;
  t.game.deviceJammed = kTrue;
  t.game.deadGuardHidden = kTrue;
  t.game.door32Open = kTrue;
  MapKnowledge known;
  known.startOver(t.game);
  t.enter("");
  known.afterTurn(t.game, "");
  EXPECT_EQ(layoutMap(known).cells[0].ways[south], WayLook::stub);
  t.enter("j");
  known.afterTurn(t.game, "j");
  ASSERT_TRUE(known.ropeClimbed());
  EXPECT_EQ(layoutMap(known).cells[0].ways[south], WayLook::rope);
  const std::vector<std::string> text = mapText(layoutMap(known), MapGlyphs::ascii);
  EXPECT_NE(text[5].find("lano"), std::string::npos);
  EXPECT_NE(text[7].find("ZA BRANOU"), std::string::npos);
  EXPECT_EQ(text[0], "Mapa - jsi tady: Za branou");
}

TEST(MapKnowledgeTest, UndoTakesAFirstVisitBackAndRedoGivesItAgain) {
  TestGame t;
  t.start();
  MapHistory history;
  history.startOver(t.game);
  for (const char* line : {"", "", "otevři dveře", "s"}) {
    t.enter(line);
    history.afterTurn(t.game, line);
  }
  ASSERT_TRUE(history.now().seen(3, 6));
  ASSERT_TRUE(history.undo());
  EXPECT_FALSE(history.now().seen(3, 6));
  EXPECT_EQ(history.now().hereY(), 7);
  ASSERT_TRUE(history.redo());
  EXPECT_TRUE(history.now().seen(3, 6));
  history.startOver(t.game);
  EXPECT_FALSE(history.undo());
  EXPECT_EQ(history.now().rooms().size(), 1u);
}

TEST(MapKnowledgeTest, TextFormRefusesWhatItDidNotWrite) {
  for (const char* text : {"", "mapa 2\nzde 3 7\n", "mapa 1\n", "mapa 1\nzde 3 7\nmisto 2 3 s -\n",
                           "mapa 1\nzde 3 7\nmisto 3 7 sx -\n", "mapa 1\nzde 3 7\nmisto 3 7 ss -\n",
                           "mapa 1\nzde 3 7\nmisto 3 7 j -\nmisto 3 7 j -\n"}) {
    EXPECT_EQ(MapKnowledge::fromText(text), std::nullopt) << text;
  }
  const auto known = MapKnowledge::fromText("mapa 1\nzde 3 6\nmisto 3 7 ? -\nmisto 3 6 sj j\n");
  ASSERT_TRUE(known);
  EXPECT_FALSE(known->room(3, 7)->waysKnown);
  EXPECT_TRUE(known->room(3, 6)->deadly[south]);
}

}  // namespace
}  // namespace kvelt
