// The real screen mode: EnumDisplaySettingsA and ChangeDisplaySettingsA of user32.
#pragma once

#include <windows.h>

#include "common/engine.h"

namespace kvelt::win32 {

// Binds the two functions by name when created. Where user32 lacks them, the query reports
// the screen's size and every change is refused, so the game simply runs at that size.
class User32Display : public DisplaySettings {
 public:
  User32Display();
  void enumCurrentSettings(DevModeA& mode) override;
  std::int32_t changeDisplaySettings(DevModeA& mode, std::uint32_t flags) override;

 private:
  // The record travels as its raw bytes; the functions see a DEVMODEA of dmSize 124.
  using EnumProc = BOOL(WINAPI*)(LPCSTR device, DWORD modeNumber, void* mode);
  using ChangeProc = LONG(WINAPI*)(void* mode, DWORD flags);
  EnumProc enum_ = nullptr;
  ChangeProc change_ = nullptr;
};

}  // namespace kvelt::win32
