// The window's fixed layout in pixels (15 twips a pixel) and its colours.
#pragma once

#include "shell/game.h"

namespace kvelt::fltk {

struct Box {
  int x, y, w, h;
};

// The controls, left, top, width and height, in their tab order.
inline constexpr Box kText2{0, 0, 801, 417};      // narration pane
inline constexpr Box kText1{24, 440, 217, 33};    // input line
inline constexpr Box kText3{280, 440, 129, 105};  // carried-objects pane
inline constexpr Box kLabel1{280, 424, 97, 17};   // caption of the carried-objects pane
inline constexpr Box kLabel2{667, 586, 137, 25};  // credit line
// Not one of the game's controls: a status line below the input line, on the picture, for a
// save or load problem and for the words that Tab could not choose between, so that the
// narration stays the game's own.
inline constexpr Box kStatusLine{24, 480, 240, 64};
inline constexpr int kStatusPadding = 3;

inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 600;

inline constexpr Rgb kWindowBackground{0, 64, 64};  // shows only where the picture is missing
inline constexpr Rgb kPaneBackground{0, 0, 0};
inline constexpr Rgb kPaneText{255, 255, 128};
inline constexpr Rgb kInputText{255, 255, 255};
inline constexpr Rgb kLabel1Text{255, 255, 255};
inline constexpr Rgb kLabel2Text{255, 255, 128};

// Arial 9 points; FLTK sizes are pixels, and 9 points at 96 dots an inch are 12 pixels.
inline constexpr int kFontPixels = 12;

inline constexpr const char* kPictureName = "background.jpg";
inline constexpr const char* kIconName = "kvelt.png";
inline constexpr const char* kTitle = "kvelt";

}  // namespace kvelt::fltk
