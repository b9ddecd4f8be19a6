// The map shown in place of the narration pane while F3 holds it: a child window of its own.
#pragma once

#include <windows.h>

#include <string>

#include "common/map/map_layout.h"

namespace kvelt::win32 {

class MapView {
 public:
  // A hidden child of `parent` with the id `id`, at `place` (the narration pane's rectangle).
  void create(HINSTANCE instance, HWND parent, int id, const RECT& place, HFONT font);
  // Draws `picture`; `description` is its text alternative, the window's text for screen
  // readers and tests.
  void show(MapPicture picture, const std::wstring& description);
  void hide();
  bool shown() const { return window_ != nullptr && ::IsWindowVisible(window_) != FALSE; }
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM w, LPARAM l);
  void paint();

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  MapPicture picture_;
};

}  // namespace kvelt::win32
