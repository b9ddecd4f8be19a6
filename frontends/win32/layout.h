// The shared layout in Win32's terms: control ids, RECT-like places and COLORREFs.
#pragma once

#include <windows.h>

#include "common/window_layout.h"

namespace kvelt::win32 {

inline constexpr int kScreenWidth = layout::kWindowWidth;
inline constexpr int kScreenHeight = layout::kWindowHeight;
inline constexpr int kPictureWidth = layout::kPictureWidth;
inline constexpr int kPictureHeight = layout::kPictureHeight;

inline constexpr wchar_t kWindowClass[] = L"KveltWindow";
inline constexpr wchar_t kWindowTitle[] = L"kvelt";

enum ControlId : int {
  kText2 = 102,
  kText1 = 101,
  kText3 = 103,
  kLabel1 = 104,
  kLabel2 = 105,
  kStatusLine = 106,
  kMap = 107
};

struct ControlPlace {
  ControlId id;
  int left, top, width, height;
};

constexpr ControlPlace place(ControlId id, layout::Box box) {
  return {id, box.x, box.y, box.w, box.h};
}

// In tab order, as the window was laid out.
inline constexpr ControlPlace kText2Place = place(kText2, layout::kText2);
inline constexpr ControlPlace kText1Place = place(kText1, layout::kText1);
inline constexpr ControlPlace kText3Place = place(kText3, layout::kText3);
inline constexpr ControlPlace kLabel1Place = place(kLabel1, layout::kLabel1);
inline constexpr ControlPlace kLabel2Place = place(kLabel2, layout::kLabel2);
// Not one of the game's controls: the status line below the input line, where the Linux window
// has it, for the answers to the lines and for a save or load that failed. It is only as large
// as its text, up to this room.
inline constexpr ControlPlace kStatusLinePlace = place(kStatusLine, layout::kStatusLine);

constexpr COLORREF colourRef(Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

inline constexpr COLORREF kWindowBackground = colourRef(layout::kWindowBackground);
inline constexpr COLORREF kPaneBackground = colourRef(layout::kPaneBackground);
inline constexpr COLORREF kPaneText = colourRef(layout::kPaneText);
inline constexpr COLORREF kInputDesignBackground = colourRef(layout::kInputDesignBackground);
inline constexpr COLORREF kInputText = colourRef(layout::kInputText);
inline constexpr COLORREF kLabel1Text = colourRef(layout::kLabel1Text);
inline constexpr COLORREF kLabel2Text = colourRef(layout::kLabel2Text);

}  // namespace kvelt::win32
