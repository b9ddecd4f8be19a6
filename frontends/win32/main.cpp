// kvelt.exe: the game in its own window on Windows.
#include <objbase.h>
#include <windows.h>

#include "game_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The picture decoder is a COM component.
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int status = 0;
  {
    kvelt::win32::GameWindow window(instance);
    status = window.run();
  }
  ::CoUninitialize();
  return status;
}
