// Tests of reading earlier pages back.
#include "common/page_history.h"

#include <gtest/gtest.h>

namespace kvelt {
namespace {

Page page(const char* line, const char* narration) {
  return Page{line ? std::optional<std::string>(line) : std::nullopt, narration, ""};
}

std::string shown(const PageHistory& history) {
  return history.shown() ? history.shown()->narration : "live";
}

TEST(PageHistoryTest, BackAndForwardWalkThePagesAndEndOnTheLivePage) {
  PageHistory history;
  EXPECT_FALSE(history.back());
  history.add(page(nullptr, "opening"));
  EXPECT_FALSE(history.back());  // the opening is live
  history.add(page("", "first"));
  history.add(page("s", "second"));

  const struct {
    bool forward;
    bool moves;
    const char* shows;
  } steps[] = {{false, true, "first"}, {false, true, "opening"}, {false, false, "opening"},
               {true, true, "first"},  {true, true, "live"},     {true, false, "live"}};
  for (const auto& step : steps) {
    EXPECT_EQ(step.forward ? history.forward() : history.back(), step.moves) << step.shows;
    EXPECT_EQ(shown(history), step.shows);
  }
  history.back();
  history.add(page("j", "third"));
  EXPECT_FALSE(history.browsing());
}

TEST(PageHistoryTest, TheHeadingIsTheLineThatProducedThePage) {
  EXPECT_EQ(pageHeading(page("vezmi olej", "x")), "> vezmi olej");
  EXPECT_EQ(pageHeading(page("", "x")), "> ");
  EXPECT_EQ(pageHeading(page(nullptr, "x")), "");
}

TEST(PageHistoryTest, TheOldestPagesGoFirstAndATakenBackPageLeaves) {
  PageHistory history(200);
  for (int n = 0; n < 250; ++n) history.add(page("s", std::to_string(n).c_str()));
  EXPECT_EQ(history.size(), 200u);
  while (history.back()) {
  }
  EXPECT_EQ(shown(history), "50");
  EXPECT_EQ(history.dropLatest()->narration, "249");
  EXPECT_FALSE(history.browsing());
  history.back();
  EXPECT_EQ(shown(history), "247");
}

}  // namespace
}  // namespace kvelt
