// Tests of editing the input line.
#include "input_line.h"

#include <gtest/gtest.h>

#include <clocale>

#include "common/engine.h"

namespace kvelt::term {
namespace {

class InputLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) std::setlocale(LC_CTYPE, "C.utf8");
  }
  InputLine line_;
};

TEST_F(InputLineTest, EditsLettersNotBytes) {
  for (char32_t letter : std::u32string(U"polož")) line_.insert(letter);
  line_.backspace();
  line_.insert(U'ž');
  EXPECT_EQ(line_.text(), "polož");
  line_.home();
  line_.deleteForward();
  line_.insert(U'P');
  line_.left();
  line_.left();
  line_.backspace();
  line_.end();
  line_.right();
  line_.insert(U'!');
  EXPECT_EQ(line_.text(), "Polož!");
}

TEST_F(InputLineTest, CompletionReplacesOnlyWhatStandsBeforeTheCursor) {
  line_.set("vezmi poch na x");
  for (int i = 0; i < 5; ++i) line_.left();
  EXPECT_EQ(line_.beforeCursor(), "vezmi poch");
  line_.replaceBeforeCursor("vezmi pochodeň");
  line_.insert(U'!');
  EXPECT_EQ(line_.text(), "vezmi pochodeň! na x");
}

TEST_F(InputLineTest, ViewKeepsTheCursorInTheField) {
  line_.set("použij kámen na stráž");
  InputLine::View view = line_.view(30);
  EXPECT_EQ(encodeUtf8(view.shown), "použij kámen na stráž");
  EXPECT_EQ(view.cursorColumn, 21);

  view = line_.view(10);
  EXPECT_EQ(encodeUtf8(view.shown), " na stráž");
  EXPECT_EQ(view.cursorColumn, 9);
  line_.home();
  view = line_.view(10);
  EXPECT_EQ(encodeUtf8(view.shown), "použij kám");
  EXPECT_EQ(view.cursorColumn, 0);
}

}  // namespace
}  // namespace kvelt::term
