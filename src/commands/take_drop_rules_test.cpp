// Tests of the take and drop rules: the word lists, the hands' limit, the guarded words.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/rule_groups.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

using Page = std::vector<std::string>;
using Words = std::vector<std::string>;

class TakeDropTest : public ::testing::Test {
 protected:
  void SetUp() override { t.startPlaying(); }
  Page take(const std::string& word) { return t.command("vezmi", word); }
  Page drop(const std::string& word) { return t.command("polož", word); }
  void carry(const Words& words) {
    game.inventory = {};
    for (std::size_t slot = 0; slot < words.size(); ++slot) game.inventory[slot] = words[slot];
  }
  void lying(const Words& words) {
    game.currentRoomObjects = {};
    for (std::size_t slot = 0; slot < words.size(); ++slot)
      game.currentRoomObjects[slot] = words[slot];
  }
  testing::TestGame t;
  Game& game = t.game;
};

const Words kSevenInHand = {"dýku", "olej", "knihu", "kámen", "klíč", "meč", "štít"};

TEST_F(TakeDropTest, TakeMovesEveryCopyIntoTheFirstFreeHand) {
  carry({"dýku", "", "olej"});
  lying({"listinu", "Draga", "listinu"});
  EXPECT_EQ(take("listinu"), (Page{"Vzal jsi listinu... Vidíš", "Draga"}));
  EXPECT_EQ(game.inventory[1], "listinu");
  EXPECT_EQ(game.currentRoomObjects[0], "");
  EXPECT_EQ(game.currentRoomObjects[2], "");
  EXPECT_EQ(game.itemMovedThisTurn, 1000);
  // The take writes slots 0 to 10 itself, gaps included: eleven lines.
  EXPECT_EQ(testing::paneLines(game.Text3),
            (Words{"dýku", "listinu", "olej", "", "", "", "", "", "", "", ""}));
}

TEST_F(TakeDropTest, EveryTakeableWordIsTaken) {
  const Words takeable = {"dýku",    "olej",         "knihu",        "pochodeň", "listinu",
                          "kámen",   "mrtvou stráž", "žebřík",       "klíč",     "vědro",
                          "páčidlo", "džber",        "jehlu",        "kvelt",    "hřebík",
                          "štít",    "meč",          "zdobený klíč", "lano",     "nádobu",
                          "prapor",  "žerď",         "látku",        "uniformu", "kliku"};
  game.standNeedleSet = game.standNailSet = game.ropeFree = kTrue;
  for (const std::string& word : takeable) {
    SCOPED_TRACE(word);
    game.ladderOnHolder = kTrue;  // taking the ladder lets go of it
    carry({});
    lying({word});
    EXPECT_EQ(take(word), Page{"Vzal jsi " + word + "... Není tu nic zvláštního"});
    EXPECT_EQ(t.carried(), Words{word});
  }
}

TEST_F(TakeDropTest, RefusalsComeInTheirOrder) {
  lying({"Draga", "hořící pochodeň", "olej"});
  EXPECT_EQ(take("Draga"), Page{"Draga" + std::string(kCannotTake)});
  EXPECT_EQ(take("hořící pochodeň"), Page{"hořící pochodeň si nemůžeš vzít!"});
  carry(kSevenInHand);
  // The word list is asked before the hands.
  EXPECT_EQ(take("Draga"), Page{"Draga si nemůžeš vzít!"});
  EXPECT_EQ(take("olej"), Page{"175"});
  EXPECT_EQ(game.currentRoomObjects[2], "olej");
  EXPECT_EQ(game.itemMovedThisTurn, 0);
  // Full hands come before the trap: no death with seven objects carried.
  lying({"kvelt"});
  EXPECT_EQ(take("kvelt"), Page{"175"});
  EXPECT_EQ(game.gameOver, kFalse);
}

TEST_F(TakeDropTest, KveltIsATrapUntilTheStandIsReady) {
  t.standIn(2, 1);
  game.standNeedleSet = kTrue;
  EXPECT_EQ(take("kvelt"), Page{"162"});
  EXPECT_EQ(game.gameOver, kTrue);
  EXPECT_EQ(game.kveltTaken, kFalse);
  EXPECT_EQ(game.currentRoomObjects[1], "kvelt");

  game.gameOver = kFalse;
  game.standNailSet = kTrue;
  EXPECT_EQ(take("kvelt"), (Page{"Vzal jsi kvelt... Vidíš", "stojan"}));
  EXPECT_EQ(game.kveltTaken, kTrue);
  EXPECT_EQ(drop("kvelt").front(), "Položil jsi kvelt Vidíš");
  EXPECT_EQ(game.kveltTaken, kTrue);  // the ending asks the flag, not the hands
}

TEST_F(TakeDropTest, BannerNeedsTheLadderAtTheHolder) {
  t.standIn(1, 4);
  EXPECT_EQ(take("prapor"), Page{"104"});
  game.ladderOnHolder = kTrue;
  game.currentRoomObjects[2] = "žebřík";
  EXPECT_EQ(take("prapor"), (Page{"Vzal jsi prapor... Vidíš", "držák", "žebřík"}));
  take("žebřík");
  EXPECT_EQ(game.ladderOnHolder, kFalse);
  drop("prapor");
  EXPECT_EQ(take("prapor"), Page{"104"});
}

TEST_F(TakeDropTest, WellRopeIsFreeOnlyAfterTheBucket) {
  t.standIn(4, 4);
  EXPECT_EQ(take("lano"), Page{"119"});
  EXPECT_EQ(game.currentRoomObjects[1], "lano");
  game.ropeFree = kTrue;
  EXPECT_EQ(take("lano"), (Page{"Vzal jsi lano... Vidíš", "studnu"}));
}

TEST_F(TakeDropTest, DeadGuardIsHiddenUntilDroppedNorthOfTheWalls) {
  t.standIn(6, 4);
  take("mrtvou stráž");
  EXPECT_EQ(game.deadGuardHidden, kTrue);
  game.posY = 5;
  drop("mrtvou stráž");
  EXPECT_EQ(game.deadGuardHidden, kTrue);
  take("mrtvou stráž");
  game.posY = 4;
  EXPECT_EQ(drop("mrtvou stráž"), (Page{"Položil jsi mrtvou stráž Vidíš", "mrtvou stráž"}));
  EXPECT_EQ(game.deadGuardHidden, kFalse);
}

TEST_F(TakeDropTest, DroppedUniformIsNoLongerWorn) {
  carry({"dýku", "uniformu"});
  game.uniformWorn = kTrue;
  drop("uniformu");
  EXPECT_EQ(game.uniformWorn, kFalse);
}

TEST_F(TakeDropTest, BurningTorchGoesOutWhenPutDown) {
  carry({"dýku", "hořící pochodeň", "olej"});
  lying({});
  EXPECT_EQ(drop("hořící pochodeň"), (Page{"Položil jsi hořící pochodeň Vidíš", "pochodeň"}));
  EXPECT_EQ(t.carried(), (Words{"dýku", "olej"}));
  EXPECT_EQ(game.itemMovedThisTurn, 1000);
  take("pochodeň");
  EXPECT_EQ(game.inventory[2], "pochodeň");
}

TEST_F(TakeDropTest, DropPutsDownEveryCopyFromAllSlots) {
  carry({"olej", "dýku", "olej"});
  game.inventory[15] = "olej";
  lying({"Draga"});
  EXPECT_EQ(drop("olej"), (Page{"Položil jsi olej", "Položil jsi olej", "Položil jsi olej Vidíš",
                                "Draga", "olej", "olej", "olej"}));
  EXPECT_EQ(t.carried(), Words{"dýku"});
  EXPECT_EQ(testing::paneLines(game.Text3).size(), 10u);  // inv writes slots 0 to 9
}

TEST_F(TakeDropTest, FullRoomKeepsTheWordButStillChangesTheFlags) {
  carry({"dýku", "uniformu"});
  game.uniformWorn = kTrue;
  for (std::string& slot : game.currentRoomObjects) slot = "seno";
  Page page = drop("uniformu");
  EXPECT_EQ(page.front(), " Vidíš");  // no reply of its own, only the listing
  EXPECT_EQ(t.carried(), (Words{"dýku", "uniformu"}));
  EXPECT_EQ(game.uniformWorn, kFalse);
}

TEST_F(TakeDropTest, WordThatCannotBeCarriedIsNotDropped) {
  carry({"dýku", "Draga"});
  EXPECT_EQ(drop("Draga"), Page{});
  EXPECT_EQ(game.itemMovedThisTurn, 0);
}

TEST_F(TakeDropTest, CarryChecksStaySilentAfterATakeInPlay) {
  t.enter("vezmi pochodeň");
  Page page = testing::readPage(game.Text2);
  EXPECT_EQ(page.back(), "dveře");
  EXPECT_NE(std::find(page.begin(), page.end(), "Vzal jsi pochodeň... Vidíš"), page.end());
  EXPECT_EQ(game.room37Objects[2], "");
  EXPECT_EQ(game.itemMovedThisTurn, 0);  // the turn loop resets it
}

}  // namespace
}  // namespace kvelt
