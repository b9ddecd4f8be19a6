// Tests of completing the input line from the words on screen.
#include "common/completion.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/utf8.h"
#include "common/shown_words.h"
#include "test_support/test_game.h"
#include "test_support/winning_game.h"

namespace kvelt {
namespace {

using Words = std::vector<std::string>;

bool offers(const std::vector<std::string>& words, const std::string& word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

class CompletionTest : public ::testing::Test {
 protected:
  std::vector<std::string> words_ = {
      "prozkoumej", "vezmi", "polož",    "otevři", "zavři",  "použij",        "s",
      "j",          "z",     "v",        "na",     "hradby", "dvířka",        "stráž na hradbách",
      "stráž",      "kámen", "pochodeň", "Draga",  "lano",   "lano od lustru"};
};

TEST_F(CompletionTest, IgnoresDiacriticsAndCase) {
  EXPECT_EQ(completeLine("vezmi pochoden", words_).line, "vezmi pochodeň");
  EXPECT_EQ(completeLine("VEZMI POCH", words_).line, "vezmi pochodeň");
  EXPECT_EQ(completeLine("prozkoumej dr", words_).line, "prozkoumej Draga");
  EXPECT_EQ(completeLine("otevri dvi", words_).line, "otevři dvířka");
  EXPECT_EQ(completeLine("vezmi pochodeň", words_).line, "vezmi pochodeň");
  // Capital diacritics fold too.
  EXPECT_EQ(completeLine("ZAVŘI DVÍŘ", words_).line, "zavři dvířka");
  EXPECT_EQ(completeLine("polo", words_).line, "polož");
}

TEST_F(CompletionTest, CompletesObjectsOfSeveralWords) {
  Completion done = completeLine("pouzij kamen na straz na h", words_);
  EXPECT_EQ(done.line, "použij kámen na stráž na hradbách");
  EXPECT_EQ(done.candidates, (Words{"stráž na hradbách"}));
  EXPECT_EQ(completeLine("pouzij   kamen na lano od", words_).line,
            "použij kámen na lano od lustru");
  // A blank after a whole word still completes the object it begins.
  EXPECT_EQ(completeLine("pouzij kamen na straz ", words_).line,
            "použij kámen na stráž na hradbách");
  // A finished line gains no blank: the game would not know "vezmi kámen ".
  EXPECT_EQ(completeLine("vezmi kamen", words_).line, "vezmi kámen");
}

TEST_F(CompletionTest, SeveralMatchesExtendToTheirCommonPrefix) {
  Completion done = completeLine("pouzij kamen na str", words_);
  EXPECT_EQ(done.line, "použij kámen na stráž");
  EXPECT_EQ(done.candidates, (Words{"stráž na hradbách", "stráž"}));

  done = completeLine("vezmi l", words_);
  EXPECT_EQ(done.line, "vezmi lano");
  EXPECT_EQ(done.candidates, (Words{"lano", "lano od lustru"}));

  done = completeLine("p", words_);
  EXPECT_EQ(done.line, "p");
  EXPECT_EQ(done.candidates, (Words{"prozkoumej", "polož", "použij", "pochodeň"}));

  // Where the candidates write a shared letter differently, the typed letter stays.
  done = completeLine("vezmi ka", {"vezmi", "kámen", "kamna"});
  EXPECT_EQ(done.line, "vezmi kam");
  done = completeLine("vezmi ka", {"vezmi", "kámen", "Kamen"});
  EXPECT_EQ(done.line, "vezmi kamen");
  EXPECT_EQ(done.candidates.size(), 2u);
}

TEST_F(CompletionTest, NoMatchLeavesTheLineAlone) {
  Completion done = completeLine("vezmi  meč", words_);
  EXPECT_EQ(done.line, "vezmi  meč");
  EXPECT_TRUE(done.candidates.empty());
  EXPECT_EQ(completeLine("xyz", words_).line, "xyz");
  EXPECT_EQ(completeLine("vezmi k", {}).line, "vezmi k");
  // Bytes that are not UTF-8 neither crash nor vanish.
  EXPECT_EQ(completeLine("vezmi \xff\xfe", words_).line, "vezmi \xff\xfe");
}

TEST_F(CompletionTest, EmptyWordAfterBlankOffersEverything) {
  Completion done = completeLine("vezmi ", {"vezmi", "kámen", "lano"});
  EXPECT_EQ(done.line, "vezmi ");
  EXPECT_EQ(done.candidates, (Words{"vezmi", "kámen", "lano"}));
}

TEST_F(CompletionTest, FoldsOnlyCzechLettersAndAscii) {
  EXPECT_EQ(foldLetter(U'Ů'), U'u');
  EXPECT_EQ(foldLetter(U'ť'), U't');
  EXPECT_EQ(foldLetter(U'Q'), U'q');
  EXPECT_EQ(foldLetter(U'ß'), U'ß');
  EXPECT_EQ(foldLetter(U'7'), U'7');
}

class VisibleWordsTest : public ::testing::Test {
 protected:
  testing::TestGame test_;
};

TEST_F(VisibleWordsTest, StartRoomOffersItsListingAndTheCarriedDagger) {
  test_.startPlaying();
  test_.enter("");
  std::vector<std::string> words = visibleWords(test_.game);
  for (const char* word :
       {"prozkoumej", "vezmi", "polož", "otevři", "zavři", "použij", "s", "j", "z", "v", "na",
        "Draga", "listinu", "pochodeň", "olej", "dveře", "dýku"}) {
    EXPECT_TRUE(offers(words, word)) << word;
  }
  // Nothing from the narration itself, the ways out or a room not shown.
  EXPECT_FALSE(offers(words, "jih"));
  EXPECT_FALSE(offers(words, "kámen"));
  for (const std::string& word : words) EXPECT_EQ(word.find("žluťoučký"), std::string::npos);

  EXPECT_EQ(completeLine("vezmi pochoden", words).line, "vezmi pochodeň");
  EXPECT_EQ(completeLine("prozkoumej dyk", words).line, "prozkoumej dýku");
}

TEST_F(VisibleWordsTest, AfterAVerbTheObjectsComeFirstAndAfterAnObjectTheJoiningWord) {
  test_.startPlaying();
  test_.enter("");
  const std::vector<std::string> words = visibleWords(test_.game);
  const std::vector<std::string> objects{"Draga", "listinu", "pochodeň", "olej", "dveře", "dýku"};
  auto first = [&](const char* line, std::size_t count) {
    const std::vector<std::string> offered = completeLine(line, words).candidates;
    return Words(offered.begin(), offered.begin() + std::min(count, offered.size()));
  };
  EXPECT_EQ(first("vezmi ", objects.size()), objects);
  EXPECT_EQ(first("použij dýku na ", objects.size()), objects);
  EXPECT_EQ(first("použij dýku ", 1), Words{"na"});
  EXPECT_EQ(first("p", 3), (Words{"prozkoumej", "polož", "použij"}));
}

TEST_F(VisibleWordsTest, BeforeTheFirstRoomOnlyVerbsAndTheDagger) {
  test_.start();
  std::vector<std::string> words = visibleWords(test_.game);
  EXPECT_TRUE(offers(words, "dýku"));
  EXPECT_FALSE(offers(words, "pochodeň"));
  EXPECT_EQ(completeLine("vezmi poch", words).line, "vezmi poch");
}

TEST_F(VisibleWordsTest, TakenObjectMovesToTheCarriedPane) {
  test_.startPlaying();
  test_.enter("");
  test_.enter("vezmi pochodeň");
  std::vector<std::string> words = visibleWords(test_.game);
  EXPECT_TRUE(offers(words, "pochodeň"));
  EXPECT_TRUE(offers(words, "olej"));
  // The reply after the listing ("Vzal jsi pochodeň...") is no object.
  for (const std::string& word : words) EXPECT_EQ(word.find("Vzal"), std::string::npos);
}

TEST_F(VisibleWordsTest, DarkRoomShowsNoObjects) {
  test_.startPlaying();
  test_.game.posX = 5;
  test_.game.posY = 3;
  test_.enter("");
  ASSERT_EQ(test_.game.Text2.find(" Vidíš"), std::string::npos);
  std::vector<std::string> words = visibleWords(test_.game);
  EXPECT_FALSE(offers(words, "džber"));
  EXPECT_FALSE(offers(words, "páčidlo"));
  EXPECT_EQ(completeLine("vezmi pa", words).line, "vezmi pa");
  EXPECT_TRUE(completeLine("vezmi pa", words).candidates.empty());
}

// The whole winning game typed on a keyboard without Czech letters: each line typed plainly and
// completed with Tab at its end is the line the game needs. The winning lines take the torch
// while the first-turn page is still up; a new player looks around first, with one more Enter.
TEST_F(VisibleWordsTest, WholeGamePlaysWithoutTypingADiacritic) {
  std::vector<std::string> lines = testing::winningLines();
  ASSERT_FALSE(lines.empty());
  ASSERT_EQ(lines.front(), "");
  lines.insert(lines.begin(), "");

  test_.start();
  for (const std::string& line : lines) {
    std::u32string plain = decodeUtf8(line);
    for (char32_t& letter : plain) letter = foldLetter(letter);
    EXPECT_EQ(completeLine(encodeUtf8(plain), visibleWords(test_.game)).line, line)
        << "in room (" << test_.game.posX << "," << test_.game.posY << ")";
    test_.enter(line);
  }
  EXPECT_NE(test_.game.gameOver, kFalse) << "the winning lines no longer win";
}

}  // namespace
}  // namespace kvelt
