// The game window's comforts: undo and redo, a new game, the saved slots, earlier pages, and
// the status line that answers them.
#include <algorithm>
#include <cctype>

#include "game_window.h"
#include "layout.h"
#include "platform/utf16_win32.h"

namespace kvelt::win32 {
namespace {

bool held(int virtualKey) {
  return (::GetKeyState(virtualKey) & 0x8000) != 0;
}

bool isModifier(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_LSHIFT:
    case VK_RSHIFT:
    case VK_LCONTROL:
    case VK_RCONTROL:
    case VK_LMENU:
    case VK_RMENU:
    case VK_CAPITAL:
    case VK_LWIN:
    case VK_RWIN:
      return true;
    default:
      return false;
  }
}

// Ctrl and a letter arrive as the control character of that letter (Ctrl+Z as 26), Alt and a
// letter as a system character with the Alt bit (29) of the key data set.
KeyChord chordOf(UINT message, WPARAM w, LPARAM l) {
  KeyChord chord;
  if (message == WM_KEYDOWN && w == VK_F2) {
    chord.f2 = true;
  } else if (message == WM_CHAR && w >= 1 && w <= 26) {
    chord.letter = static_cast<char>('a' + w - 1);
    chord.ctrl = true;
  } else if (message == WM_SYSCHAR && w < 0x80 && std::isalpha(static_cast<int>(w)) != 0) {
    chord.letter = static_cast<char>(std::tolower(static_cast<int>(w)));
    chord.alt = (l & (1 << 29)) != 0;
    chord.ctrl = held(VK_CONTROL);
  } else {
    return chord;
  }
  chord.shift = held(VK_SHIFT);
  if (message != WM_SYSCHAR) chord.alt = held(VK_MENU);
  return chord;
}

}  // namespace

bool GameWindow::comfortKey(UINT message, WPARAM w, LPARAM l) {
  if (message != WM_KEYDOWN && message != WM_CHAR && message != WM_SYSCHAR) return false;
  // Enter, Tab and the control characters of the edit control's own keys are not chords here.
  if (message == WM_CHAR && (w == L'\r' || w == L'\t')) return false;
  const std::optional<ActionResult> result =
      session_->press(chordOf(message, w, l), ::GetWindowTextLengthW(text1_) == 0);
  if (result) {
    answer(*result);
    return true;
  }
  // Any other key withdraws a question the status line is asking, and Tab's choices.
  if (message == WM_KEYDOWN && !isModifier(w) && w != VK_PRIOR && w != VK_NEXT) {
    session_->comfort(Comfort::dismiss);
    showStatus();
  }
  return false;
}

void GameWindow::answer(const ActionResult& result) {
  if (!result.status.isOk()) {
    fatalError(result.status);
  } else if (result.newGame) {
    showTexts();
  } else if (result.changed) {
    showPanes();
  } else {
    showStatus();
  }
}

void GameWindow::showStatus() {
  const std::wstring wide = toUtf16(session_->view().statusLine);
  ::SetWindowTextW(statusLine_, wide.c_str());
  if (wide.empty()) {
    ::ShowWindow(statusLine_, SW_HIDE);
  } else {
    // As wide and high as its text, up to the room it has below the input line.
    RECT room{0, 0, kStatusLinePlace.width, kStatusLinePlace.height};
    HDC dc = ::GetDC(statusLine_);
    HGDIOBJ old = ::SelectObject(dc, font_);
    ::DrawTextW(dc, wide.c_str(), int(wide.size()), &room,
                DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(dc, old);
    ::ReleaseDC(statusLine_, dc);
    ::SetWindowPos(statusLine_, nullptr, kStatusLinePlace.left, kStatusLinePlace.top,
                   std::min(int(room.right), kStatusLinePlace.width),
                   std::min(int(room.bottom), kStatusLinePlace.height),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  // What the strip covered before is drawn again from the picture up.
  RECT place{kStatusLinePlace.left, kStatusLinePlace.top,
             kStatusLinePlace.left + kStatusLinePlace.width,
             kStatusLinePlace.top + kStatusLinePlace.height};
  ::InvalidateRect(window_, &place, TRUE);
  ::InvalidateRect(statusLine_, nullptr, TRUE);
}

void GameWindow::pageNarration(int direction) {
  const LRESULT top = ::SendMessageW(text2_, EM_GETFIRSTVISIBLELINE, 0, 0);
  ::SendMessageW(text2_, WM_VSCROLL, direction < 0 ? SB_PAGEUP : SB_PAGEDOWN, 0);
  if (::SendMessageW(text2_, EM_GETFIRSTVISIBLELINE, 0, 0) == top) turnPage(direction);
}

void GameWindow::wheelNarration(UINT message, WPARAM w, LPARAM l) {
  const LRESULT top = ::SendMessageW(text2_, EM_GETFIRSTVISIBLELINE, 0, 0);
  ::CallWindowProcW(narrationProc_, text2_, message, w, l);
  const int delta = GET_WHEEL_DELTA_WPARAM(w);
  if (delta != 0 && ::SendMessageW(text2_, EM_GETFIRSTVISIBLELINE, 0, 0) == top) {
    turnPage(delta > 0 ? -1 : 1);
  }
}

// Page Up at the top of a page shows the page before it; Page Down at its end the next one.
void GameWindow::turnPage(int direction) {
  if (session_->comfort(direction < 0 ? Comfort::pageBack : Comfort::pageForward).changed) {
    showPanes();
  }
}

void GameWindow::backToLivePage() {
  if (session_->comfort(Comfort::livePage).changed) showPanes();
}

LRESULT CALLBACK GameWindow::narrationProc(HWND edit, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<GameWindow*>(::GetWindowLongPtrW(edit, GWLP_USERDATA));
  return self->handleNarration(message, w, l);
}

LRESULT GameWindow::handleNarration(UINT message, WPARAM w, LPARAM l) {
  if (message == WM_MOUSEWHEEL) {
    wheelNarration(message, w, l);
    return 0;
  }
  return ::CallWindowProcW(narrationProc_, text2_, message, w, l);
}

}  // namespace kvelt::win32
