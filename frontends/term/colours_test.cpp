// Tests of finding the window's colours on a terminal's palette.
#include "colours.h"

#include <gtest/gtest.h>

#include "common/engine.h"

namespace kvelt::term {
namespace {

TEST(ColoursTest, WindowColoursKeepTheirCharacterOnEveryPalette) {
  // Light yellow stays yellow, never white.
  EXPECT_EQ(paletteColour(layout::kPaneText, 256).index, 228);
  EXPECT_EQ(paletteColour(layout::kPaneText, 16).index, 11);
  EXPECT_EQ(paletteColour(layout::kPaneText, 8).index, 3);
  EXPECT_TRUE(paletteColour(layout::kPaneText, 8).bright);
  // The input line's violet after start-up differs from the navy it replaces.
  for (int colours : {8, 16, 256}) {
    EXPECT_NE(paletteColour(kInputLineColour, colours).index,
              paletteColour(Rgb{0, 0, 128}, colours).index)
        << colours;
  }
}

TEST(ColoursTest, OtherColoursTakeTheNearest) {
  EXPECT_EQ(paletteColour(Rgb{0, 0, 128}, 256).index, 18);
  EXPECT_EQ(paletteColour(Rgb{0, 0, 128}, 8).index, 4);
  EXPECT_EQ(paletteColour(Rgb{250, 10, 10}, 16).index, 9);
  EXPECT_EQ(paletteColour(Rgb{240, 240, 240}, 256).index, 255);
}

}  // namespace
}  // namespace kvelt::term
