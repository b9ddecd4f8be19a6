// Every object word of the game taken and put down: which can be carried, which guard waits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

using Page = std::vector<std::string>;
using Words = std::vector<std::string>;

constexpr bool kTakes = true, kRefuses = false;
constexpr bool kDrops = true, kKeeps = false;

struct WordRow {
  const char* word;
  bool taken;                   // once the stand, the ladder and the well are ready
  bool dropped;                 // carried alone and put down in an empty room
  const char* guard = nullptr;  // the answer at the start of a game, where it is not that
};

// clang-format off
const std::vector<WordRow> kWordRows = {
    {"dýku", kTakes, kDrops},
    {"olej", kTakes, kDrops},
    {"knihu", kTakes, kDrops},
    {"pochodeň", kTakes, kDrops},
    {"listinu", kTakes, kDrops},
    {"kámen", kTakes, kDrops},
    {"mrtvou stráž", kTakes, kDrops},
    {"žebřík", kTakes, kDrops},
    {"klíč", kTakes, kDrops},
    {"vědro", kTakes, kDrops},
    {"páčidlo", kTakes, kDrops},
    {"džber", kTakes, kDrops},
    {"jehlu", kTakes, kDrops},
    {"kvelt", kTakes, kDrops, "162"},
    {"hřebík", kTakes, kDrops},
    {"štít", kTakes, kDrops},
    {"meč", kTakes, kDrops},
    {"zdobený klíč", kTakes, kDrops},
    {"lano", kTakes, kDrops, "119"},
    {"nádobu", kTakes, kDrops},
    {"prapor", kTakes, kDrops, "104"},
    {"žerď", kTakes, kDrops},
    {"látku", kTakes, kDrops},
    {"uniformu", kTakes, kDrops},
    {"kliku", kTakes, kDrops},
    {"hořící pochodeň", kRefuses, kDrops},
    {"Draga", kRefuses, kKeeps},
    {"dveře", kRefuses, kKeeps},
    {"ceduli", kRefuses, kKeeps},
    {"stráž", kRefuses, kKeeps},
    {"mrtvolu", kRefuses, kKeeps},
    {"hradby", kRefuses, kKeeps},
    {"příkop", kRefuses, kKeeps},
    {"dvířka", kRefuses, kKeeps},
    {"stráž na hradbách", kRefuses, kKeeps},
    {"sud", kRefuses, kKeeps},
    {"hlídače", kRefuses, kKeeps},
    {"koně", kRefuses, kKeeps},
    {"seno", kRefuses, kKeeps},
    {"studnu", kRefuses, kKeeps},
    {"zařízení", kRefuses, kKeeps},
    {"stojan", kRefuses, kKeeps},
    {"okno", kRefuses, kKeeps},
    {"stolek", kRefuses, kKeeps},
    {"krb", kRefuses, kKeeps},
    {"ohniště", kRefuses, kKeeps},
    {"lustr", kRefuses, kKeeps},
    {"lano od lustru", kRefuses, kKeeps},
    {"stůl", kRefuses, kKeeps},
    {"kapitána", kRefuses, kKeeps},
    {"kováře", kRefuses, kKeeps},
    {"soudek", kRefuses, kKeeps},
    {"výheň", kRefuses, kKeeps},
    {"držák", kRefuses, kKeeps},
};
// clang-format on

constexpr const char* kEmptyRoom = " Není tu nic zvláštního";

// A new game with nothing carried and `word` alone in the room, or alone in the hands.
struct Scene : testing::TestGame {
  Scene(const std::string& word, bool inHand) {
    startPlaying();
    game.inventory = {};
    game.currentRoomObjects = {};
    (inHand ? game.inventory[0] : game.currentRoomObjects[0]) = word;
  }
};

TEST(TakeWordsTest, EveryObjectWordTaken) {
  ASSERT_EQ(kWordRows.size(), 54u);
  for (const WordRow& row : kWordRows) {
    SCOPED_TRACE(row.word);
    const std::string word = row.word;
    const Page refusal = {word + " si nemůžeš vzít!"};
    const Page took = {"Vzal jsi " + word + "..." + kEmptyRoom};

    Scene ready(word, false);
    ready.game.standNeedleSet = ready.game.standNailSet = kTrue;
    ready.game.ladderOnHolder = ready.game.ropeFree = kTrue;
    EXPECT_EQ(ready.command("vezmi", word), row.taken ? took : refusal);
    EXPECT_EQ(ready.carried(), row.taken ? Words{word} : Words{});

    Scene atStart(word, false);
    const Page answer = row.guard != nullptr ? Page{row.guard} : row.taken ? took : refusal;
    EXPECT_EQ(atStart.command("vezmi", word), answer);
    EXPECT_EQ(atStart.carried().size(), row.taken && row.guard == nullptr ? 1u : 0u);
  }
}

TEST(TakeWordsTest, EveryObjectWordPutDown) {
  for (const WordRow& row : kWordRows) {
    SCOPED_TRACE(row.word);
    const std::string word = row.word;
    const std::string lying = word == "hořící pochodeň" ? "pochodeň" : word;
    Scene scene(word, true);
    const Page put = {"Položil jsi " + word + " Vidíš", lying};
    EXPECT_EQ(scene.command("polož", word), row.dropped ? put : Page{});
    EXPECT_EQ(scene.carried(), row.dropped ? Words{} : Words{word});
  }
}

}  // namespace
}  // namespace kvelt
