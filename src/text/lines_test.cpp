// Tests of line splitting: the three line ends, and finding one line without splitting.
#include "text/lines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

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

// Long texts, so that line ends fall at every place of the blocks that the search reads at once
// (a CR LF split between two blocks, runs of line ends, long lines), against a byte-by-byte
// reading of the same rule.
TEST(LinesTest, LongTextsSplitAsByteByByte) {
  std::mt19937 random(1250);
  const std::string pieces[] = {"\r\n", "\r", "\n", "x", "\xE8", "", "\r\r\n\n"};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    while (text.size() < 400) {
      text.append(random() % 70, 'a');
      text += pieces[random() % std::size(pieces)];
    }
    std::vector<std::string> expected(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' || text[i] == '\n') {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        expected.emplace_back();
      } else {
        expected.back() += text[i];
      }
    }
    if (expected.back().empty() && (text.back() == '\r' || text.back() == '\n'))
      expected.pop_back();
    std::vector<std::string_view> lines = splitLines(text);
    ASSERT_EQ(lines.size(), expected.size()) << round;
    for (std::size_t n = 1; n <= expected.size(); ++n) {
      ASSERT_EQ(lines[n - 1], expected[n - 1]) << round << " line " << n;
      ASSERT_EQ(nthLine(text, n), std::optional<std::string_view>(expected[n - 1]))
          << round << " line " << n;
    }
    EXPECT_FALSE(nthLine(text, expected.size() + 1).has_value()) << round;
  }
}

}  // namespace
}  // namespace kvelt
