// The game window's comforts: undo and redo, a new game, the saved slots, earlier pages, and
// the status line that answers them.
#include <algorithm>
#include <cctype>

#include "common/engine_win32.h"
#include "game_window.h"
#include "layout.h"
#include "status_parts.h"

namespace kvelt::win32 {
namespace {

bool held(int virtualKey) {
  return (::GetKeyState(virtualKey) & 0x8000) != 0;
}

// The room `text` takes in the status line, measured on `dc` with its font, wrapped as the
// line wraps it.
RECT statusRoom(HDC dc, const std::wstring& text) {
  RECT room{0, 0, kStatusLinePlace.width - 2 * layout::kStatusPadding, kStatusLinePlace.height};
  ::DrawTextW(dc, text.c_str(), int(text.size()), &room, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return room;
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
  if (message == WM_KEYDOWN && (w == VK_F1 || w == VK_F2 || w == VK_F3)) {
    chord.f1 = w == VK_F1;
    chord.f2 = w == VK_F2;
    chord.f3 = w == VK_F3;
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
  // Esc is a character too; the edit control would only beep at it.
  if (message == WM_CHAR && w == 27) return true;
  if (message == WM_KEYDOWN && w == VK_ESCAPE) {
    // From the map or an earlier page back to the game, withdrawing any question.
    session_->comfort(Comfort::dismiss);
    backToLivePage();
    showStatus();
    return true;
  }
  if (message == WM_KEYDOWN && w == VK_F4 && statusParts_.size() > 1) {
    statusPart_ = (statusPart_ + 1) % statusParts_.size();
    drawStatus();
    return true;
  }
  const std::optional<ActionResult> result =
      session_->press(chordOf(message, w, l), ::GetWindowTextLengthW(text1_) == 0);
  if (result) {
    answer(*result);
    // A hint stands only in the status line, which a screen reader does not watch: it is said.
    if (message == WM_KEYDOWN && w == VK_F1) screenReader_.announce(statusText_, statusLine_);
    return true;
  }
  // Any other key withdraws a question the status line is asking, and Tab's choices.
  if (message == WM_KEYDOWN && !isModifier(w) && w != VK_PRIOR && w != VK_NEXT) {
    session_->comfort(Comfort::dismiss);
    showStatus();
  }
  return false;
}

bool GameWindow::windowKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || ::GetAncestor(message.hwnd, GA_ROOT) != window_) {
    return false;
  }
  switch (message.wParam) {
    case VK_F1:
      comfortKey(WM_KEYDOWN, message.wParam, message.lParam);
      hintKeyTaken_ = true;
      return true;
    case VK_F2:
    case VK_F3:
    case VK_F4:
    case VK_ESCAPE:
      comfortKey(WM_KEYDOWN, message.wParam, message.lParam);
      return true;
    default:
      return false;
  }
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
  // The same text again (a key that only withdrew a question) keeps the part being read.
  if (wide != statusText_ || statusParts_.empty()) {
    statusText_ = wide;
    HDC dc = ::GetDC(statusLine_);
    HGDIOBJ old = ::SelectObject(dc, font_);
    statusParts_ = statusParts(wide, [dc](const std::wstring& part) {
      return statusRoom(dc, part).bottom <= kStatusLinePlace.height;
    });
    ::SelectObject(dc, old);
    ::ReleaseDC(statusLine_, dc);
    statusPart_ = 0;
  }
  drawStatus();
}

void GameWindow::drawStatus() {
  const std::wstring& wide = statusParts_[statusPart_];
  ::SetWindowTextW(statusLine_, wide.c_str());
  if (wide.empty()) {
    ::ShowWindow(statusLine_, SW_HIDE);
  } else {
    // As wide and high as its text, up to the room it has below the input line.
    const int slack = 2 * layout::kStatusPadding;
    HDC dc = ::GetDC(statusLine_);
    HGDIOBJ old = ::SelectObject(dc, font_);
    const RECT room = statusRoom(dc, wide);
    ::SelectObject(dc, old);
    ::ReleaseDC(statusLine_, dc);
    ::SetWindowPos(statusLine_, nullptr, kStatusLinePlace.left, kStatusLinePlace.top,
                   std::min(int(room.right) + slack, kStatusLinePlace.width),
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
  // Over the map a page key goes back to the pages at once.
  if (session_->view().mapShown) {
    turnPage(direction);
    return;
  }
  const LRESULT top = ::SendMessageW(text2_, EM_GETFIRSTVISIBLELINE, 0, 0);
  ::SendMessageW(text2_, WM_VSCROLL, direction < 0 ? SB_PAGEUP : SB_PAGEDOWN, 0);
  if (::SendMessageW(text2_, EM_GETFIRSTVISIBLELINE, 0, 0) == top) turnPage(direction);
}

void GameWindow::wheelNarration(UINT message, WPARAM w, LPARAM l) {
  const int delta = GET_WHEEL_DELTA_WPARAM(w);
  // Over the map the wheel, like the page keys, goes back to the pages.
  if (session_->view().mapShown) {
    if (delta != 0) turnPage(delta > 0 ? -1 : 1);
    return;
  }
  const LRESULT top = ::SendMessageW(text2_, EM_GETFIRSTVISIBLELINE, 0, 0);
  ::CallWindowProcW(narrationProc_, text2_, message, w, l);
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
