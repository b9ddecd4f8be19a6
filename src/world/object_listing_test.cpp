// Tests of the room's object listing and of the recognition of typed commands.
#include "world/object_listing.h"

#include <gtest/gtest.h>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

class ObjectListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.verbs = {"prozkoumej", "vezmi", "polož", "otevři", "zavři", "použij"};
  }
  // Runs the listing and recognition on a fresh pane with `line` typed.
  void run(const std::string& line) {
    game.Text1 = line;
    game.Text2 = "D";
    popisyx(game);
  }
  void expectCommand(const std::string& verb, const std::string& object,
                     const std::string& target = "") {
    EXPECT_EQ(game.commandVerb, verb);
    EXPECT_EQ(game.commandObject, object);
    EXPECT_EQ(game.commandTarget, target);
  }
  Game game;
};

TEST_F(ObjectListingTest, EmptyRoomSaysSoOnceAndShowsNoHeader) {
  run("");
  EXPECT_EQ(game.Text2, std::string("D") + kNothingHere);
  EXPECT_EQ(game.k, 28);
}

TEST_F(ObjectListingTest, ListsEveryFilledSlotOfAllTwentyEight) {
  game.currentRoomObjects[7] = "olej";
  game.currentRoomObjects[25] = "lano";
  run("");
  EXPECT_EQ(game.Text2, std::string("D") + kSeeHeader + "\r\nolej\r\nlano");
}

TEST_F(ObjectListingTest, StartRoomListsItsFiveObjectsInSlotOrder) {
  game.currentRoomObjects = {"Draga", "listinu", "pochodeň", "olej", "dveře"};
  run("");
  EXPECT_EQ(game.Text2, "D Vidíš\r\nDraga\r\nlistinu\r\npochodeň\r\nolej\r\ndveře");
}

TEST_F(ObjectListingTest, TakeNamesOnlyWhatLiesInTheRoom) {
  game.inventory[0] = "dýku";
  run("vezmi dýku");
  expectCommand("", "");
  game.currentRoomObjects[0] = "olej";
  game.inventory[1] = "olej";
  run("vezmi olej");
  expectCommand("vezmi", "olej");
}

TEST_F(ObjectListingTest, DropAndUseNameOnlyWhatIsCarried) {
  game.currentRoomObjects[0] = "olej";
  run("polož olej");
  expectCommand("", "");
  run("použij olej");
  expectCommand("", "");
  game.inventory[3] = "olej";
  run("polož olej");
  expectCommand("polož", "olej");
}

TEST_F(ObjectListingTest, ExamineOpenAndCloseNameBothRoomAndCarriedObjects) {
  game.currentRoomObjects[2] = "dveře";
  game.inventory[0] = "dýku";
  for (const char* verb : {"prozkoumej", "otevři", "zavři"}) {
    game.commandVerb.clear();
    run(std::string(verb) + " dveře");
    expectCommand(verb, "dveře");
    game.commandVerb.clear();
    run(std::string(verb) + " dýku");
    expectCommand(verb, "dýku");
  }
}

TEST_F(ObjectListingTest, UseOnATargetInTheRoomOrCarried) {
  game.inventory[3] = "olej";
  game.currentRoomObjects[1] = "dvířka";
  run("použij olej na dvířka");
  expectCommand("použij", "olej", "dvířka");
  game.commandVerb = game.commandObject = game.commandTarget = "";
  game.inventory[4] = "vědro";
  run("použij olej na vědro");
  expectCommand("použij", "olej", "vědro");
}

TEST_F(ObjectListingTest, ObjectWordsWithBlanksAreMatchedWhole) {
  game.inventory[0] = "kámen";
  game.currentRoomObjects[0] = "stráž";
  game.currentRoomObjects[1] = "stráž na hradbách";
  run("použij kámen na stráž na hradbách");
  expectCommand("použij", "kámen", "stráž na hradbách");
}

TEST_F(ObjectListingTest, TheUniformIsRecognisedFromAnyCarriedSlot) {
  game.inventory[15] = "uniformu";
  run("použij uniformu");
  expectCommand("použij", "uniformu");
  game.commandVerb = game.commandObject = "";
  run("polož uniformu");
  expectCommand("", "");
}

TEST_F(ObjectListingTest, TargetBeyondSlotTenOfTheRoomIsStillRecognised) {
  game.inventory[0] = "meč";
  game.currentRoomObjects[27] = "lano od lustru";
  run("použij meč na lano od lustru");
  expectCommand("použij", "meč", "lano od lustru");
}

TEST_F(ObjectListingTest, ComparisonIsExactAndWhole) {
  game.currentRoomObjects[0] = "olej";
  for (const char* line : {"Vezmi olej", "vezmi  olej", "vezmi olej ", " vezmi olej", "vezmi"}) {
    run(line);
    expectCommand("", "");
  }
}

TEST_F(ObjectListingTest, UnrecognisedLineKeepsEarlierWords) {
  game.commandVerb = "save";
  run("s");
  EXPECT_EQ(game.commandVerb, "save");
}

}  // namespace
}  // namespace kvelt
