// Tests of breaking the narration into terminal rows.
#include "text_wrap.h"

#include <gtest/gtest.h>

#include <clocale>

#include "common/engine.h"

namespace kvelt::term {
namespace {

class TextWrapTest : public ::testing::Test {
 protected:
  // Display widths come from the C library, which knows them only under a UTF-8 locale.
  void SetUp() override {
    if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) std::setlocale(LC_CTYPE, "C.utf8");
  }
  std::vector<std::string> wrap(std::string_view text, int width) {
    std::vector<std::string> rows;
    for (const std::u32string& row : wrapText(text, width)) rows.push_back(encodeUtf8(row));
    return rows;
  }
  using Rows = std::vector<std::string>;
};

TEST_F(TextWrapTest, BreaksAtBlanksByLettersNotBytes) {
  // "žluťoučký kůň" is 13 letters but 18 bytes: it must fit a row of 13.
  EXPECT_EQ(wrap("žluťoučký kůň úpěl", 13), (Rows{"žluťoučký kůň", "úpěl"}));
  EXPECT_EQ(wrap("žluťoučký kůň úpěl", 12), (Rows{"žluťoučký", "kůň úpěl"}));
  EXPECT_EQ(wrap("a  b", 10), (Rows{"a  b"}));
  EXPECT_EQ(wrap("aaa   bbb", 5), (Rows{"aaa", "bbb"}));
}

TEST_F(TextWrapTest, EveryLineEndStartsARow) {
  EXPECT_EQ(wrap("M2 popis Vidíš\r\nDraga\r\n\r\nolej", 40),
            (Rows{"M2 popis Vidíš", "Draga", "", "olej"}));
  EXPECT_EQ(wrap("a\nb\rc", 40), (Rows{"a", "b", "c"}));
  EXPECT_TRUE(wrap("", 40).empty());
}

TEST_F(TextWrapTest, LongWordsAreCutAndLeadingBlanksKept) {
  EXPECT_EQ(wrap("ab abcdefghij", 4), (Rows{"ab", "abcd", "efgh", "ij"}));
  EXPECT_EQ(wrap(" Vidíš", 10), (Rows{" Vidíš"}));
  EXPECT_EQ(wrap("x", 0), Rows{});
}

TEST_F(TextWrapTest, WideAndUnprintableCharacters) {
  EXPECT_EQ(displayWidth(U"漢字"), 4);
  EXPECT_EQ(wrap("漢字漢", 4), (Rows{"漢字", "漢"}));
  // A control character from a damaged catalogue must not reach the terminal.
  EXPECT_EQ(wrap("a\x1b[2Jb", 10), (Rows{"a\xEF\xBF\xBD[2Jb"}));
  EXPECT_EQ(wrap("a\tb", 10), (Rows{"a b"}));
  EXPECT_EQ(encodeUtf8(clipToWidth(U"kůň漢", 4)), "kůň");
}

}  // namespace
}  // namespace kvelt::term
