// The game window's fixed layout in pixels: where each control sits, its colours and texts.
#pragma once

#include <windows.h>

namespace kvelt::win32 {

inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 600;

// The picture is larger than the screen; its right and bottom edges stay outside the window.
inline constexpr int kPictureWidth = 840;
inline constexpr int kPictureHeight = 625;

inline constexpr wchar_t kWindowClass[] = L"KveltWindow";
inline constexpr wchar_t kWindowTitle[] = L"kvelt";

enum ControlId : int {
  kText2 = 102,
  kText1 = 101,
  kText3 = 103,
  kLabel1 = 104,
  kLabel2 = 105,
  kStatusLine = 106
};

struct ControlPlace {
  ControlId id;
  int left, top, width, height;
};

// In tab order, as the window was laid out.
inline constexpr ControlPlace kText2Place{kText2, 0, 0, 801, 417};
inline constexpr ControlPlace kText1Place{kText1, 24, 440, 217, 33};
inline constexpr ControlPlace kText3Place{kText3, 280, 440, 129, 105};
inline constexpr ControlPlace kLabel1Place{kLabel1, 280, 424, 97, 17};
inline constexpr ControlPlace kLabel2Place{kLabel2, 667, 586, 137, 25};
// Not one of the game's controls: the status line below the input line, where the Linux window
// has it, for the answers to the lines and for a save or load that failed. It is only as large
// as its text, up to this room.
inline constexpr ControlPlace kStatusLinePlace{kStatusLine, 24, 480, 240, 64};

inline constexpr COLORREF kWindowBackground = RGB(0, 64, 64);
inline constexpr COLORREF kPaneBackground = RGB(0, 0, 0);
inline constexpr COLORREF kPaneText = RGB(255, 255, 128);
inline constexpr COLORREF kInputDesignBackground = RGB(0, 0, 128);
inline constexpr COLORREF kInputText = RGB(255, 255, 255);
inline constexpr COLORREF kLabel1Text = RGB(255, 255, 255);
inline constexpr COLORREF kLabel2Text = RGB(255, 255, 128);

inline constexpr wchar_t kFontFace[] = L"Arial";
inline constexpr int kFontPoints = 9;
inline constexpr int kLayoutDotsPerInch = 96;

}  // namespace kvelt::win32
