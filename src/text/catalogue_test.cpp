// Tests of the message catalogue: replace or append, line ends, a catalogue that changes.
#include "text/catalogue.h"

#include <gtest/gtest.h>

#include "base/fatal_error.h"
#include "platform/codepage.h"
#include "test_support/memory_files.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

using testing::messageText;

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    files.files[path] = testing::numberedCatalogue();
    game.platform = Platform{nullptr, nullptr, &files, "/game", "/game"};
  }
  void setCatalogue(const std::string& utf8) { files.files[path] = utf8ToCp1250(utf8); }
  MemoryFiles files;
  Game game;
  const std::string path = "/game/scripts.tex";
};

TEST_F(CatalogueTest, ReplaceSetStartsAFreshPageAndOthersAppend) {
  showMessage(game, 1);
  EXPECT_EQ(game.Text2, messageText(1));
  showMessage(game, 33);
  EXPECT_EQ(game.Text2, messageText(1) + "\r\n" + messageText(33));
  for (Integer replacing : {26, 91, 106, 145, 168, 171, 174, 176}) {
    showMessage(game, replacing);
    EXPECT_EQ(game.Text2, messageText(replacing)) << replacing;
  }
  for (Integer appending : {27, 90, 93, 172, 180}) {
    std::string before = game.Text2;
    showMessage(game, appending);
    EXPECT_EQ(game.Text2, before + "\r\n" + messageText(appending)) << appending;
  }
}

TEST_F(CatalogueTest, TheReplaceSetHoldsExactlyFortyFiveNumbers) {
  int count = 0;
  for (Integer n = -5; n <= 300; ++n) count += replacesPane(n) ? 1 : 0;
  EXPECT_EQ(count, 45);
  EXPECT_FALSE(replacesPane(27));
  EXPECT_TRUE(replacesPane(3));
}

TEST_F(CatalogueTest, AppendIntoAnEmptyPaneStillBeginsWithALineBreak) {
  showMessage(game, 27);
  EXPECT_EQ(game.Text2, "\r\n" + messageText(27));
}

TEST_F(CatalogueTest, RepeatedMessageAddsOneLineEachTime) {
  for (int i = 0; i < 4; ++i) showMessage(game, 179);
  EXPECT_EQ(testing::paneLines(game.Text2).size(), 5u);
}

TEST_F(CatalogueTest, NumbersOutsideTheFilePrintNothing) {
  files.files[path] = testing::numberedCatalogue(100);
  game.Text2 = "kept";
  showMessage(game, 150);
  showMessage(game, 0);
  showMessage(game, -1);
  EXPECT_EQ(game.Text2, "kept");
}

TEST_F(CatalogueTest, LineEndsAreCrLfLoneCrAndLoneLf) {
  setCatalogue("one\r\ntwo\rthree\nfour");
  showMessage(game, 2);
  EXPECT_EQ(game.Text2, "two");
  showMessage(game, 3);
  EXPECT_EQ(game.Text2, "three");
  showMessage(game, 4);  // the last line needs no line end
  EXPECT_EQ(game.Text2, "four");
}

TEST_F(CatalogueTest, AnEmptyLineInTheReplaceSetEmptiesThePane) {
  setCatalogue("one\r\n\r\nthree\r\n");
  game.Text2 = "old";
  showMessage(game, 2);
  EXPECT_EQ(game.Text2, "");
}

TEST_F(CatalogueTest, CzechLettersAreDecodedFromWindows1250) {
  files.files[path] = std::string("\x9E\xE1\x64\x6E\xFD \xF8\xEC\xE8", 9);  // "žádný řěč"
  showMessage(game, 1);
  EXPECT_EQ(game.Text2, "žádný řěč");
}

TEST_F(CatalogueTest, AnEditedCatalogueTakesEffectAtTheNextMessage) {
  showMessage(game, 1);
  setCatalogue("nový text\r\n");
  showMessage(game, 1);
  EXPECT_EQ(game.Text2, "nový text");
}

TEST_F(CatalogueTest, AMissingCatalogueIsFatalAndNamesThePath) {
  files.files.clear();
  try {
    showMessage(game, 1);
    FAIL() << "expected a fatal error";
  } catch (const FatalError& error) {
    EXPECT_NE(error.message.find(path), std::string::npos);
  }
}

}  // namespace
}  // namespace kvelt
