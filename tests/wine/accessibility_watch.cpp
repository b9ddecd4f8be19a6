// Watching kvelt.exe's announcements through a WinEvent hook, as a screen reader does.
#include "accessibility_watch.h"

#include <map>

namespace kvelt::wine {
namespace {

#ifndef EVENT_OBJECT_LIVEREGIONCHANGED
constexpr DWORD EVENT_OBJECT_LIVEREGIONCHANGED = 0x8019;
#endif

std::map<HWND, int> raised;

void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD) {
  if (event == EVENT_OBJECT_LIVEREGIONCHANGED) ++raised[window];
}

}  // namespace

AnnouncementWatch::AnnouncementWatch() {
  raised.clear();
  hook_ = ::SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                            onEvent, 0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

AnnouncementWatch::~AnnouncementWatch() {
  if (hook_ != nullptr) ::UnhookWinEvent(hook_);
}

int AnnouncementWatch::count(HWND control, int seen, DWORD milliseconds) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    if (raised[control] > seen || ::GetTickCount() - start >= milliseconds) break;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  return raised[control];
}

}  // namespace kvelt::wine
