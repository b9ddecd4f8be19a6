// Tests of the answers to near misses: a table of lines played in the start room, each with the
// status answer it gets.
#include <gtest/gtest.h>

#include <string>

#include "common/turn_status.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

TEST(NearMissTest, EachSlipIsNamedAndNothingElseIs) {
  const std::string meant = "Tomu nerozumím: ";
  const struct {
    const char* line;
    std::string answer;
  } rows[] = {
      {"vezmi pochoden",
       meant + "hra potřebuje háčky a čárky, Tab je doplní. Myslíš „vezmi pochodeň“?"},
      {"vezmi  pochodeň", meant + "slova odděluj jednou mezerou. Myslíš „vezmi pochodeň“?"},
      {" vezmi pochodeň ", meant + "slova odděluj jednou mezerou. Myslíš „vezmi pochodeň“?"},
      {"Vezmi Pochodeň", meant + "na velkých a malých písmenech záleží. Myslíš „vezmi pochodeň“?"},
      {"prozkoumej draga",
       meant + "na velkých a malých písmenech záleží. Myslíš „prozkoumej Draga“?"},
      {"použij pochodeň", meant + "pochodeň neneseš."},
      {"pouzij  pochoden na dvere", meant + "pochodeň neneseš."},
      {"použij dýku na stráž", meant + "stráž tu nevidíš."},
      {"VEZMI KÁMEN", meant + "piš malými písmeny."},
      {"vezmi  kámen", meant + "slova odděluj jednou mezerou."},
      {"nesmysl", kNotUnderstood},
      {"vezmi kamen", kNotUnderstood},
  };
  for (const auto& row : rows) {
    testing::TestGame t;
    t.startPlaying();
    t.enter("");
    const std::string page = t.game.Text2;
    t.enter(row.line);
    EXPECT_EQ(turnAnswer(t.game, row.line).value_or(""), row.answer) << row.line;
    EXPECT_EQ(t.game.Text2, page) << row.line;
  }
}

TEST(NearMissTest, TheDarkSaysNothingMoreThanThatItIsNotUnderstood) {
  testing::TestGame t;
  t.startPlaying();
  t.standIn(5, 3);
  t.enter("vezmi pochoden");
  EXPECT_EQ(turnAnswer(t.game, "vezmi pochoden"), turnAnswer(t.game.turn, "vezmi pochoden"));
}

}  // namespace
}  // namespace kvelt
