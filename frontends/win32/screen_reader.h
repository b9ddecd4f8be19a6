// What a screen reader needs from the window: a name for each text box, and each new page
// announced without the player having to move the focus.
#pragma once

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace kvelt::win32 {

class ScreenReader {
 public:
  ScreenReader();
  ~ScreenReader();
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  // The accessible name of a control ("Příkaz" for the input line).
  void name(HWND control, const std::wstring& text);
  // The control whose new text is announced: the narration.
  void announceFrom(HWND control);
  // Another control whose text is announced now and then (the map, the status line's hint).
  void liveRegion(HWND control);
  // Says the new page, once, on the control given to announceFrom.
  void announce(const std::wstring& page) { announce(page, announcer_); }
  // Says `text`, once, on `control`, which holds it.
  void announce(const std::wstring& text, HWND control);

 private:
  ::IAccPropServices* properties_ = nullptr;
  HMODULE automation_ = nullptr;
  void* hostProvider_ = nullptr;       // UiaHostProviderFromHwnd, where the system has it
  void* raiseNotification_ = nullptr;  // UiaRaiseNotificationEvent, Windows 10 1709 and later
  HWND announcer_ = nullptr;
};

}  // namespace kvelt::win32
