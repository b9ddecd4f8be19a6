// The announcements kvelt.exe makes to screen readers, seen from outside the process as a
// screen reader sees them.
#pragma once

#include <windows.h>

namespace kvelt::wine {

// Counts EVENT_OBJECT_LIVEREGIONCHANGED raised by other processes while it exists.
class AnnouncementWatch {
 public:
  AnnouncementWatch();
  ~AnnouncementWatch();
  AnnouncementWatch(const AnnouncementWatch&) = delete;
  AnnouncementWatch& operator=(const AnnouncementWatch&) = delete;

  // The events raised on `control` so far, after waiting up to `milliseconds` for the count to
  // pass `seen`; the events arrive as messages, so this pumps the driver's queue.
  int count(HWND control, int seen, DWORD milliseconds);

 private:
  HWINEVENTHOOK hook_ = nullptr;
};

}  // namespace kvelt::wine
