// Tests of the carried-objects pane as a window shows it.
#include "common/pane_text.h"

#include <gtest/gtest.h>

namespace kvelt {
namespace {

TEST(PaneTextTest, CarriedPaneLosesOnlyTheEmptyLinesAtItsEnd) {
  const struct {
    std::string text3, shown;
  } rows[] = {
      {"dýku", "dýku"},
      {"dýku\r\npochodeň\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n", "dýku\r\npochodeň"},
      {"\r\ndýku\r\n\r\nlano\r\n\r\n", "\r\ndýku\r\n\r\nlano"},
      {"\r\n\r\n\r\n", ""},
      {"", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(carriedPaneText(row.text3), row.shown) << row.text3;
}

}  // namespace
}  // namespace kvelt
