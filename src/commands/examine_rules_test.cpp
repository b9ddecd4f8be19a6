// Tests of the examine rules: every answer, the door by room, the three finds made once.
#include <gtest/gtest.h>

#include <algorithm>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

using Page = std::vector<std::string>;

class ExamineTest : public ::testing::Test {
 protected:
  void SetUp() override { t.startPlaying(); }
  Page examine(const std::string& word) { return t.command("prozkoumej", word); }
  testing::TestGame t;
  Game& game = t.game;
};

TEST_F(ExamineTest, EveryPlainWordHasItsAnswer) {
  const std::vector<std::pair<std::string, std::string>> rows = {{"dýku", "27"},
                                                                 {"Draga", "28"},
                                                                 {"listinu", "29"},
                                                                 {"pochodeň", "30"},
                                                                 {"olej", "31"},
                                                                 {"kámen", "38"},
                                                                 {"ceduli", "39"},
                                                                 {"stráž", "40"},
                                                                 {"mrtvolu", "99"},
                                                                 {"příkop", "41"},
                                                                 {"hradby", "42"},
                                                                 {"dvířka", "43"},
                                                                 {"výheň", "101"},
                                                                 {"stráž na hradbách", "44"},
                                                                 {"žebřík", "46"},
                                                                 {"uniformu", "95"},
                                                                 {"sud", "47"},
                                                                 {"klíč", "51"},
                                                                 {"vědro", "52"},
                                                                 {"kliku", "90"},
                                                                 {"studnu", "89"},
                                                                 {"páčidlo", "54"},
                                                                 {"džber", "55"},
                                                                 {"jehlu", "56"},
                                                                 {"stojan", "57"},
                                                                 {"kvelt", "58"},
                                                                 {"okno", "59"},
                                                                 {"stolek", "60"},
                                                                 {"krb", "62"},
                                                                 {"hřebík", "63"},
                                                                 {"štít", "64"},
                                                                 {"meč", "65"},
                                                                 {"zdobený klíč", "66"},
                                                                 {"stůl", "67"},
                                                                 {"lano od lustru", "68"},
                                                                 {"lustr", "69"},
                                                                 {"lano", "70"},
                                                                 {"kováře", "71"},
                                                                 {"kapitána", "72"},
                                                                 {"hořící pochodeň", "100"},
                                                                 {"soudek", "73"},
                                                                 {"nádobu", "74"},
                                                                 {"knihu", "36"},
                                                                 {"prapor", "75"},
                                                                 {"držák", "76"},
                                                                 {"žerď", "77"},
                                                                 {"látku", "78"}};
  for (const auto& [word, answer] : rows) {
    SCOPED_TRACE(word);
    EXPECT_EQ(examine(word), Page{answer});
  }
  EXPECT_EQ(examine("Dýku"), Page{});  // words compare exactly; an unknown word is not answered
}

TEST_F(ExamineTest, DoorAnswersForTheRoomItIsIn) {
  const std::vector<std::pair<Integer, std::string>> doors = {
      {1, "32"}, {2, "132"}, {3, "149"}, {4, "152"}, {5, "159"}};
  for (const auto& [code, answer] : doors) {
    game.doorRoomCode = code;
    EXPECT_EQ(examine("dveře"), Page{answer}) << "door code " << code;
  }
  game.doorRoomCode = 0;
  EXPECT_EQ(examine("dveře"), Page{});
}

TEST_F(ExamineTest, AnswersThatFollowAFlag) {
  EXPECT_EQ(examine("zařízení"), Page{"53"});
  EXPECT_EQ(examine("ohniště"), Page{"61"});
  EXPECT_EQ(examine("koně"), Page{"124"});
  game.deviceJammed = game.hearthQuenched = game.watchmanDown = kTrue;
  EXPECT_EQ(examine("zařízení"), Page{"141"});
  EXPECT_EQ(examine("ohniště"), Page{"142"});
  EXPECT_EQ(examine("koně"), Page{"49"});
  // A flag a state file left at 1 is neither True nor False: no answer.
  game.deviceJammed = 1;
  EXPECT_EQ(examine("zařízení"), Page{});
}

TEST_F(ExamineTest, DeadGuardGivesUpTheUniformOnce) {
  t.standIn(6, 4);
  EXPECT_EQ(examine("mrtvou stráž"), (Page{"45", "94 Vidíš", "mrtvou stráž", "uniformu"}));
  EXPECT_EQ(game.deadGuardSearched, kTrue);
  EXPECT_EQ(examine("mrtvou stráž"), Page{"45"});
  EXPECT_EQ(std::count(game.currentRoomObjects.begin(), game.currentRoomObjects.end(), "uniformu"),
            1);
}

TEST_F(ExamineTest, WatchmanAndHayHideTheirFindsUntilHeIsDown) {
  t.standIn(7, 3);
  EXPECT_EQ(examine("hlídače"), Page{"124"});
  EXPECT_EQ(examine("seno"), Page{"124"});
  EXPECT_EQ(game.watchmanSearched, kFalse);
  EXPECT_EQ(game.haySearched, kFalse);

  game.watchmanDown = kTrue;
  EXPECT_EQ(examine("hlídače"), (Page{"48", "126 Vidíš", "hlídače", "koně", "seno", "klíč"}));
  EXPECT_EQ(examine("hlídače"), Page{"48"});
  EXPECT_EQ(examine("seno"), (Page{"50", "127 Vidíš", "hlídače", "koně", "seno", "klíč", "jehlu"}));
  EXPECT_EQ(examine("seno"), Page{"50"});
}

TEST_F(ExamineTest, FullRoomSpendsTheFindWithoutTheWord) {
  t.standIn(6, 4);
  for (int slot = 1; slot < kRoomSlots; ++slot) game.currentRoomObjects[slot] = "seno";
  Page page = examine("mrtvou stráž");
  ASSERT_GE(page.size(), 2u);
  EXPECT_EQ(page[1], "94 Vidíš");
  EXPECT_EQ(std::count(game.currentRoomObjects.begin(), game.currentRoomObjects.end(), "uniformu"),
            0);
  EXPECT_EQ(game.deadGuardSearched, kTrue);
  EXPECT_EQ(examine("mrtvou stráž"), Page{"45"});
}

TEST_F(ExamineTest, CarriedDaggerIsExaminedOnTheStartRoomsPage) {
  t.enter("prozkoumej dýku");
  Page page = testing::readPage(game.Text2);
  EXPECT_EQ(page.back(), "27");
  EXPECT_EQ(page[page.size() - 2], "Můžeš jít na jih");
}

}  // namespace
}  // namespace kvelt
