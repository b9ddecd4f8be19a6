// The input line's history: Up walks back, Down walks forward to what was being typed.
#include "input_history.h"

#include <gtest/gtest.h>

namespace kvelt::fltk {
namespace {

TEST(InputHistoryTest, UpAndDownWalkTheSentLinesAndComeBackToTheTypedOne) {
  InputHistory history;
  EXPECT_EQ("vez", history.older("vez"));  // nothing sent yet
  history.add("vezmi pochodeň");
  history.add("s");
  EXPECT_EQ("s", history.older("otev"));
  EXPECT_EQ("vezmi pochodeň", history.older("s"));
  EXPECT_EQ("vezmi pochodeň", history.older("vezmi pochodeň"));  // stops at the oldest
  EXPECT_EQ("s", history.newer());
  EXPECT_EQ("otev", history.newer());
  EXPECT_EQ("otev", history.newer());  // stays on the typed line
}

TEST(InputHistoryTest, EmptyLinesAndRepeatsAreNotKeptTwice) {
  InputHistory history;
  history.add("");
  history.add("v");
  history.add("v");
  history.add("");
  EXPECT_EQ("v", history.older(""));
  EXPECT_EQ("v", history.older("v"));
  EXPECT_EQ("", history.newer());
}

TEST(InputHistoryTest, SendingALineStartsTheWalkAgainFromTheNewest) {
  InputHistory history;
  history.add("j");
  history.add("z");
  EXPECT_EQ("z", history.older(""));
  EXPECT_EQ("j", history.older("z"));
  history.add("j");
  EXPECT_EQ("j", history.older(""));
  EXPECT_EQ("z", history.older("j"));
}

}  // namespace
}  // namespace kvelt::fltk
