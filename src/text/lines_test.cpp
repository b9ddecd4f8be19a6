// Tests of line splitting: the three line ends, and finding one line without splitting.
#include "text/lines.h"

#include <gtest/gtest.h>

namespace kvelt {
namespace {

TEST(LinesTest, SplitAndNthLineAgreeOnEveryKindOfLineEnd) {
  for (std::string_view text :
       {"a\r\nb\rc\nd", "a\r\n\r\nb\r\n", "\n\n", "", "x", "a\r", "a\r\n\r"}) {
    std::vector<std::string_view> lines = splitLines(text);
    for (std::size_t n = 1; n <= lines.size(); ++n) {
      ASSERT_TRUE(nthLine(text, n).has_value()) << text << " line " << n;
      EXPECT_EQ(*nthLine(text, n), lines[n - 1]);
    }
    EXPECT_FALSE(nthLine(text, lines.size() + 1).has_value()) << text;
    EXPECT_FALSE(nthLine(text, 0).has_value());
  }
}

TEST(LinesTest, LoneCrAndCrLfCountOnce) {
  EXPECT_EQ(splitLines("a\r\nb\rc\nd").size(), 4u);
  EXPECT_EQ(splitLines("a\r\n\r\n").size(), 2u);
  EXPECT_EQ(splitLines("\r\n\n\r").size(), 3u);
}

}  // namespace
}  // namespace kvelt
