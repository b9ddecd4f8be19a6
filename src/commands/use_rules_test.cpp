// Tests of the use rules: every row once, the silent and printing fallbacks, the puzzle chains.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/rule_groups.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

using Page = std::vector<std::string>;
using Words = std::vector<std::string>;
using Flag = Integer Game::*;

class UseTest : public ::testing::Test {
 protected:
  void SetUp() override { t.startPlaying(); }
  Page use(const std::string& object, const std::string& target = "") {
    return t.command("použij", object, target);
  }
  void carry(const Words& words) {
    game.inventory = {};
    for (std::size_t slot = 0; slot < words.size(); ++slot) game.inventory[slot] = words[slot];
  }
  testing::TestGame t;
  Game& game = t.game;
};

// One row of a rule: the object carried alone, the room empty, the flags named set True.
struct UseCase {
  const char* object;
  const char* target;
  Integer posY;
  std::vector<Flag> trueBefore;
  Page answer;
  std::vector<Flag> trueAfter;
  Words carriedAfter;
};

constexpr const char* kEmpty = " Není tu nic zvláštního";  // the listing of an empty room

// clang-format off
const std::vector<UseCase> kRowCases = {
    // 1: oil
    {"olej", "dvířka", 5, {}, {"92"}, {&Game::gameOver}, {"olej"}},
    {"olej", "dvířka", 5, {&Game::wallGuardDown}, {"83"}, {&Game::hatchOiled}, {}},
    // 2: dagger (the banner has a test of its own)
    {"dýku", "dvířka", 5, {&Game::hatchOiled}, {"84"}, {&Game::hatchPried}, {"dýku"}},
    {"dýku", "dvířka", 5, {}, {"92"}, {&Game::gameOver}, {"dýku"}},
    {"dýku", "dvířka", 5, {&Game::wallGuardDown}, {"88"}, {}, {"dýku"}},
    {"dýku", "stráž", 2, {}, {std::string("147") + kEmpty}, {&Game::guardKilled}, {"dýku"}},
    {"dýku", "kámen", 5, {}, {"128"}, {}, {"dýku"}},
    // 3: stone
    {"kámen", "stráž na hradbách", 5, {}, {std::string("93") + kEmpty}, {&Game::wallGuardDown}, {}},
    // 4: uniform
    {"uniformu", "", 4, {}, {"96"}, {&Game::uniformWorn}, {"uniformu"}},
    // 5: torch
    {"pochodeň", "výheň", 4, {}, {"102"}, {}, {"hořící pochodeň"}},
    // 6: ladder
    {"žebřík", "držák", 4, {}, {"105 Vidíš", "žebřík"}, {&Game::ladderOnHolder}, {}},
    // 7: crowbar
    {"páčidlo", "sud", 4, {}, {"108"}, {&Game::barrelOpened}, {"páčidlo"}},
    {"páčidlo", "kováře", 4, {}, {"109"}, {}, {"páčidlo"}},
    {"páčidlo", "kováře", 4, {&Game::barrelOpened, &Game::smithServed}, {"110"}, {}, {"kliku"}},
    {"páčidlo", "kováře", 4, {&Game::barrelOpened}, {"111"}, {}, {"páčidlo"}},
    // 8: vessel
    {"nádobu", "sud", 4, {}, {"112"}, {&Game::vesselFilled}, {"nádobu"}},
    {"nádobu", "sud", 4, {&Game::vesselFilled}, {"117"}, {}, {"nádobu"}},
    {"nádobu", "kováře", 4, {}, {"113"}, {}, {"nádobu"}},
    {"nádobu", "kováře", 4, {&Game::vesselFilled}, {"114"}, {&Game::smithServed}, {}},
    // 9: pail
    {"džber", "soudek", 4, {&Game::smithServed}, {"115"}, {&Game::pailFilled}, {"džber"}},
    {"džber", "soudek", 4, {}, {"111"}, {}, {"džber"}},
    {"džber", "soudek", 4, {&Game::smithServed, &Game::pailFilled}, {"116"}, {}, {"džber"}},
    {"džber", "hlídače", 3, {&Game::pailFilled}, {"125"}, {&Game::watchmanDown}, {}},
    // 10: crank
    {"kliku", "studnu", 4, {}, {"120"}, {&Game::wellCrankFitted}, {}},
    // 11: bucket
    {"vědro", "ohniště", 2, {&Game::bucketFull}, {"139 Vidíš", "hřebík"}, {&Game::hearthQuenched}, {}},
    {"vědro", "ohniště", 2, {}, {"140"}, {}, {"vědro"}},
    {"vědro", "studnu", 4, {&Game::wellCrankFitted}, {"121"}, {&Game::bucketFull, &Game::ropeFree}, {"vědro"}},
    {"vědro", "studnu", 4, {}, {"122"}, {}, {"vědro"}},
    {"vědro", "studnu", 4, {&Game::wellCrankFitted, &Game::bucketFull}, {"123"}, {}, {"vědro"}},
    // 12: pole
    {"žerď", "zařízení", 4, {}, {"131"}, {&Game::deviceJammed}, {}},
    // 13: key
    {"klíč", "dveře", 3, {}, {"133"}, {&Game::door33Unlocked}, {"klíč"}},
    {"klíč", "dveře", 3, {&Game::door33Unlocked}, {"134"}, {}, {"klíč"}},
    // 14: rope
    {"lano", "okno", 2, {}, {"143"}, {&Game::windowRopeTied}, {}},
    // 15, 16: shield and sword (the captain's chain has a test of its own)
    {"štít", "kapitána", 2, {}, {"153"}, {&Game::captainShielded}, {"štít"}},
    {"meč", "kapitána", 2, {}, {"154"}, {&Game::captainStruck}, {"meč"}},
    {"meč", "lano od lustru", 2, {&Game::captainDefeated}, {"156"}, {&Game::chandelierCut}, {"meč"}},
    // 17: ornate key
    {"zdobený klíč", "dveře", 1, {}, {"160"}, {&Game::door31Unlocked}, {"zdobený klíč"}},
    {"zdobený klíč", "dveře", 1, {&Game::door31Unlocked}, {"134"}, {}, {"zdobený klíč"}},
    // 18, 19: the stand
    {"jehlu", "stojan", 1, {}, {"163"}, {&Game::standNeedleSet}, {}},
    {"hřebík", "stojan", 1, {}, {"164"}, {&Game::standNailSet}, {}},
    // 20: no use at all
    {"knihu", "stůl", 2, {}, {"knihu nemůžeš nikterak použít!"}, {}, {"knihu"}},
};

// Objects that have a rule, on a target or in a state their rule does not name: silence.
const std::vector<UseCase> kSilentCases = {
    {"olej", "sud", 5, {}, {}, {}, {"olej"}},
    {"olej", "", 5, {}, {}, {}, {"olej"}},
    {"dýku", "dvířka", 5, {&Game::hatchOiled, &Game::hatchPried}, {}, {}, {"dýku"}},
    {"dýku", "stráž", 5, {}, {}, {}, {"dýku"}},
    {"kámen", "stráž", 5, {}, {}, {}, {"kámen"}},
    {"páčidlo", "sud", 4, {&Game::barrelOpened}, {}, {}, {"páčidlo"}},
    {"džber", "hlídače", 3, {}, {}, {}, {"džber"}},
    {"vědro", "", 4, {}, {}, {}, {"vědro"}},
    {"meč", "stůl", 2, {}, {}, {}, {"meč"}},
    {"meč", "lano od lustru", 2, {}, {}, {}, {"meč"}},
    {"klíč", "dveře", 1, {}, {}, {}, {"klíč"}},
    {"zdobený klíč", "dveře", 3, {}, {}, {}, {"zdobený klíč"}},
};
// clang-format on

void runCases(const std::vector<UseCase>& cases) {
  for (const UseCase& c : cases) {
    SCOPED_TRACE(std::string(c.object) + " na " + c.target + ", row " + std::to_string(c.posY));
    testing::TestGame fresh;
    fresh.startPlaying();
    Game& g = fresh.game;
    g.inventory = {};
    g.inventory[0] = c.object;
    g.currentRoomObjects = {};
    g.posY = c.posY;
    for (Flag flag : c.trueBefore) g.*flag = kTrue;
    EXPECT_EQ(fresh.command("použij", c.object, c.target), c.answer);
    for (Flag flag : c.trueAfter) EXPECT_EQ(g.*flag, kTrue);
    EXPECT_EQ(fresh.carried(), c.carriedAfter);
  }
}

TEST_F(UseTest, EveryRowOfEveryRule) {
  runCases(kRowCases);
}

TEST_F(UseTest, WrongTargetsOfARuleAreSilent) {
  runCases(kSilentCases);
}

TEST_F(UseTest, FallbackNamesTheObjectAsTyped) {
  carry({"dýku", "listinu"});
  EXPECT_EQ(use("listinu"), Page{"listinu" + std::string(kCannotUse)});
  EXPECT_EQ(use("dýku"), Page{"128"});  // the dagger's last row takes any other word, none too
}

TEST_F(UseTest, BannerIsCutOnlyWhenCarried) {
  t.standIn(1, 4);
  carry({"dýku", "olej", "kámen"});
  EXPECT_EQ(use("dýku", "prapor"), Page{"130"});
  EXPECT_EQ(game.bannerCut, kFalse);
  EXPECT_EQ(game.currentRoomObjects[1], "prapor");

  carry({"dýku", "prapor", "olej"});
  EXPECT_EQ(use("dýku", "prapor"), Page{"129"});
  EXPECT_EQ(game.bannerCut, kTrue);
  EXPECT_EQ(t.carried(), (Words{"dýku", "žerď", "olej", "látku"}));
}

TEST_F(UseTest, BannerInAHighSlotIsCutButNotFound) {
  // The test for the banner looks at slots 0 to 10; the exchange looks at all 21.
  carry({"dýku"});
  game.inventory[12] = "prapor";
  EXPECT_EQ(use("dýku", "prapor"), Page{"130"});
  EXPECT_EQ(game.inventory[12], "prapor");
  game.bannerCut = kTrue;
  EXPECT_EQ(use("dýku", "prapor"), Page{"129"});
  EXPECT_EQ(game.inventory[1], "látku");
  EXPECT_EQ(game.inventory[12], "prapor");  // the scan stopped at the first empty slot
}

TEST_F(UseTest, StoneTakesTheWallGuardOffTheRoom) {
  t.standIn(6, 5);
  carry({"dýku", "kámen", "olej"});
  EXPECT_EQ(use("kámen", "stráž na hradbách"), (Page{"93 Vidíš", "hradby", "dvířka"}));
  EXPECT_EQ(t.carried(), (Words{"dýku", "olej"}));
}

TEST_F(UseTest, LadderFindsRoomOnlyInTheFirstElevenSlots) {
  carry({"dýku", "žebřík"});
  for (int slot = 0; slot <= 10; ++slot) game.currentRoomObjects[slot] = "seno";
  use("žebřík", "držák");
  EXPECT_EQ(game.ladderOnHolder, kTrue);
  EXPECT_EQ(t.carried(), Words{"dýku"});
  EXPECT_EQ(std::count(game.currentRoomObjects.begin(), game.currentRoomObjects.end(), "žebřík"),
            0);
}

TEST_F(UseTest, DaggerKillsTheGuardOfRowTwoOnly) {
  t.standIn(3, 2);
  EXPECT_EQ(use("dýku", "stráž"), (Page{"147 Vidíš", "dveře", "mrtvolu"}));
  EXPECT_EQ(game.guardKilled, kTrue);
}

TEST_F(UseTest, UniformGoesOnAndOff) {
  carry({"dýku", "uniformu"});
  EXPECT_EQ(use("uniformu"), Page{"96"});
  EXPECT_EQ(use("uniformu", "sud"), Page{"97"});  // the target is not looked at
  EXPECT_EQ(use("uniformu"), Page{"96"});
  EXPECT_EQ(game.uniformWorn, kTrue);
}

TEST_F(UseTest, PoleJamsTheDeviceAndShutsTheWaySouth) {
  carry({"dýku", "žerď"});
  game.exits[south] = kTrue;
  use("žerď", "zařízení");
  EXPECT_EQ(game.exits[south], kFalse);
}

TEST_F(UseTest, RopeFromTheWindowOpensTheWaySouth) {
  carry({"dýku", "lano"});
  use("lano", "okno");
  EXPECT_EQ(game.exits[south], kTrue);
}

TEST_F(UseTest, HatchChain) {
  carry({"dýku", "olej", "kámen"});
  t.standIn(6, 5);
  EXPECT_EQ(use("dýku", "dvířka"), Page{"92"});  // before the stone: death
  game.gameOver = kFalse;
  use("kámen", "stráž na hradbách");
  EXPECT_EQ(use("dýku", "dvířka"), Page{"88"});  // not oiled yet
  EXPECT_EQ(t.command("otevři", "dvířka"), Page{"87"});
  EXPECT_EQ(use("olej", "dvířka"), Page{"83"});
  EXPECT_EQ(use("dýku", "dvířka"), Page{"84"});
  EXPECT_EQ(use("dýku", "dvířka"), Page{});
  EXPECT_EQ(t.command("otevři", "dvířka"), Page{"85"});
  EXPECT_EQ(game.exits[north], kTrue);
}

TEST_F(UseTest, DrinkAndWellChain) {
  carry({"dýku", "nádobu", "páčidlo", "vědro"});
  EXPECT_EQ(use("páčidlo", "kováře"), Page{"109"});
  EXPECT_EQ(use("nádobu", "kováře"), Page{"113"});
  EXPECT_EQ(use("páčidlo", "sud"), Page{"108"});
  EXPECT_EQ(use("páčidlo", "kováře"), Page{"111"});
  EXPECT_EQ(use("nádobu", "sud"), Page{"112"});
  EXPECT_EQ(use("nádobu", "kováře"), Page{"114"});
  EXPECT_EQ(use("páčidlo", "kováře"), Page{"110"});
  EXPECT_EQ(t.carried(), (Words{"dýku", "kliku", "vědro"}));
  EXPECT_EQ(use("vědro", "studnu"), Page{"122"});
  EXPECT_EQ(use("kliku", "studnu"), Page{"120"});
  EXPECT_EQ(use("vědro", "ohniště"), Page{"140"});
  EXPECT_EQ(use("vědro", "studnu"), Page{"121"});
  EXPECT_EQ(use("vědro", "studnu"), Page{"123"});
  t.standIn(4, 4);
  EXPECT_EQ(t.command("vezmi", "lano").front(), "Vzal jsi lano... Vidíš");
  t.standIn(2, 2);
  EXPECT_EQ(use("vědro", "ohniště"),
            (Page{"139 Vidíš", "okno", "stolek", "krb", "ohniště", "hřebík"}));
  EXPECT_EQ(use("lano", "okno"), Page{"143"});
  EXPECT_EQ(t.carried(), Words{"dýku"});
  EXPECT_EQ(game.windowRopeTied, kTrue);
}

TEST_F(UseTest, WatchmanChain) {
  carry({"dýku", "džber"});
  EXPECT_EQ(use("džber", "soudek"), Page{"111"});
  EXPECT_EQ(use("džber", "hlídače"), Page{});
  game.smithServed = kTrue;
  EXPECT_EQ(use("džber", "soudek"), Page{"115"});
  EXPECT_EQ(use("džber", "soudek"), Page{"116"});
  t.standIn(7, 3);
  EXPECT_EQ(use("džber", "hlídače"), Page{"125"});
  EXPECT_EQ(t.command("prozkoumej", "seno")[1], "127 Vidíš");
}

TEST_F(UseTest, BannerChain) {
  t.standIn(1, 4);
  carry({"dýku", "žebřík"});
  EXPECT_EQ(t.command("vezmi", "prapor"), Page{"104"});
  use("žebřík", "držák");
  t.command("vezmi", "prapor");
  EXPECT_EQ(use("dýku", "prapor"), Page{"129"});
  EXPECT_EQ(use("žerď", "zařízení"), Page{"131"});
  EXPECT_EQ(game.deviceJammed, kTrue);
  EXPECT_EQ(t.carried(), (Words{"dýku", "látku"}));
}

TEST_F(UseTest, CaptainFallsToShieldAndSwordInEitherOrder) {
  carry({"dýku", "štít", "meč"});
  EXPECT_EQ(use("meč", "lano od lustru"), Page{});
  EXPECT_EQ(use("meč", "kapitána"), Page{"154"});
  EXPECT_EQ(use("štít", "kapitána"), (Page{"153", "155"}));
  EXPECT_EQ(use("meč", "kapitána"), (Page{"154", "155"}));  // each repeat tells it again
  EXPECT_EQ(use("meč", "lano od lustru"), Page{"156"});
  EXPECT_EQ(game.chandelierCut, kTrue);

  testing::TestGame other;
  other.startPlaying();
  other.game.inventory[1] = "štít";
  other.game.inventory[2] = "meč";
  EXPECT_EQ(other.command("použij", "štít", "kapitána"), Page{"153"});
  EXPECT_EQ(other.command("použij", "meč", "kapitána"), (Page{"154", "155"}));
  EXPECT_EQ(other.game.captainDefeated, kTrue);
}

TEST_F(UseTest, StandTakesNeedleAndNailInEitherOrder) {
  t.standIn(2, 1);
  carry({"dýku", "jehlu", "hřebík"});
  use("hřebík", "stojan");
  EXPECT_EQ(t.command("vezmi", "kvelt"), Page{"162"});
  game.gameOver = kFalse;
  use("jehlu", "stojan");
  EXPECT_EQ(t.command("vezmi", "kvelt").front(), "Vzal jsi kvelt... Vidíš");
  EXPECT_EQ(game.kveltTaken, kTrue);
}

TEST_F(UseTest, DoorKeysHoldInTheirRowOnly) {
  carry({"dýku", "klíč", "zdobený klíč"});
  t.standIn(3, 3);
  EXPECT_EQ(t.command("otevři", "dveře"), Page{"136"});
  EXPECT_EQ(use("zdobený klíč", "dveře"), Page{});
  EXPECT_EQ(use("klíč", "dveře"), Page{"133"});
  EXPECT_EQ(t.command("otevři", "dveře"), Page{"135"});
  t.standIn(3, 1);
  EXPECT_EQ(t.command("otevři", "dveře"), Page{"136"});
  EXPECT_EQ(use("klíč", "dveře"), Page{});
  EXPECT_EQ(use("zdobený klíč", "dveře"), Page{"160"});
  EXPECT_EQ(t.command("otevři", "dveře"), Page{"161"});
  EXPECT_EQ(game.exits[west], kTrue);
}

}  // namespace
}  // namespace kvelt
