// Tests of recalling earlier lines with Up and Down.
#include "common/input_history.h"

#include <gtest/gtest.h>

namespace kvelt {
namespace {

TEST(InputHistoryTest, UpAndDownWalkTheLinesAndReturnToTheDraft) {
  InputHistory history;
  EXPECT_FALSE(history.older("x"));
  history.add("vezmi pochodeň");
  history.add("");
  history.add("s");
  history.add("s");
  history.add("vezmi kámen");

  EXPECT_EQ(history.older("pou"), "vezmi kámen");
  EXPECT_EQ(history.older("ignored"), "s");
  EXPECT_EQ(history.older("ignored"), "vezmi pochodeň");
  EXPECT_FALSE(history.older("ignored"));
  EXPECT_EQ(history.newer(), "s");
  EXPECT_EQ(history.newer(), "vezmi kámen");
  EXPECT_EQ(history.newer(), "pou");
  EXPECT_FALSE(history.newer());
}

TEST(InputHistoryTest, SendingALineEndsTheRecall) {
  InputHistory history;
  history.add("j");
  history.add("v");
  EXPECT_EQ(history.older(""), "v");
  EXPECT_EQ(history.older(""), "j");
  history.add("j");
  EXPECT_FALSE(history.newer());
  EXPECT_EQ(history.older("draft"), "j");
  EXPECT_EQ(history.older(""), "v");
  EXPECT_EQ(history.newer(), "j");
  EXPECT_EQ(history.newer(), "draft");
}

}  // namespace
}  // namespace kvelt
