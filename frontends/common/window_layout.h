// The window's rectangles, colours and sizes at 100 %, for every front end that draws it and
// every test that looks at it. Pixels of the 800 x 600 layout, 15 twips a pixel.
#pragma once

#include "base/game.h"

namespace kvelt::layout {

struct Box {
  int x, y, w, h;  // left, top, width, height
};

// The controls in their tab order.
inline constexpr Box kText2{0, 0, 801, 417};      // narration pane
inline constexpr Box kText1{24, 440, 217, 33};    // input line
inline constexpr Box kText3{280, 440, 129, 105};  // carried-objects pane
inline constexpr Box kLabel1{280, 424, 97, 17};   // caption of the carried-objects pane
inline constexpr Box kLabel2{667, 586, 137, 25};  // credit line
// Not one of the game's controls: a status line below the input line, on the picture, for a
// save or load problem and for the words that Tab could not choose between, so that the
// narration stays the game's own. As large as its text, up to this box, which reaches down to
// the window's bottom edge so that the longest answers (the keys with a notice, ten saved slots)
// are read in full.
inline constexpr Box kStatusLine{24, 480, 240, 112};
inline constexpr int kStatusPadding = 3;

inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 600;
// The picture is larger than the window; its right and bottom edges stay outside.
inline constexpr int kPictureWidth = 840;
inline constexpr int kPictureHeight = 625;

inline constexpr Rgb kWindowBackground{0, 64, 64};  // shows only where the picture is missing
inline constexpr Rgb kPaneBackground{0, 0, 0};
inline constexpr Rgb kPaneText{255, 255, 128};  // light yellow
inline constexpr Rgb kInputDesignBackground{0, 0, 128};
inline constexpr Rgb kInputText{255, 255, 255};
inline constexpr Rgb kLabel1Text{255, 255, 255};
inline constexpr Rgb kLabel2Text{255, 255, 128};

// Arial 9 points; at the 96 dots an inch the layout's pixels were measured at, 12 pixels.
inline constexpr const char* kFontFace = "Arial";
inline constexpr int kFontPoints = 9;
inline constexpr int kLayoutDotsPerInch = 96;
inline constexpr int kFontPixels = 12;

}  // namespace kvelt::layout
