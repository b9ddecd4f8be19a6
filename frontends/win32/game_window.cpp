// The game window: creating the controls, colouring them, and handing Enter to the game.
#include "game_window.h"

#include "background_picture.h"
#include "common/engine_win32.h"
#include "common/game_dirs.h"
#include "common/map/map_description.h"
#include "common/pane_text.h"
#include "common/warning_setting.h"
#include "layout.h"
#include "resources.h"

namespace kvelt::win32 {
namespace {

// Posted by the exit request, so that the window goes away after the key has been handled
// rather than from inside the input line's own message.
constexpr UINT kExitMessage = WM_APP + 1;

constexpr wchar_t kFatalTitle[] = L"kvelt";
// What a screen reader calls the three text boxes.
constexpr wchar_t kInputLineName[] = L"Příkaz";
constexpr wchar_t kNarrationName[] = L"Vyprávění";
constexpr wchar_t kCarriedName[] = L"Máš u sebe";
constexpr wchar_t kMapName[] = L"Mapa";
constexpr wchar_t kFatalText[] =
    L"Hra nemůže pokračovat: soubor s jejími texty nelze přečíst.\r\n"
    L"The game cannot go on: the file of its texts cannot be read.\r\n\r\n";

std::wstring windowText(HWND control) {
  int length = ::GetWindowTextLengthW(control);
  std::wstring text(std::size_t(length) + 1, L'\0');
  length = ::GetWindowTextW(control, text.data(), length + 1);
  text.resize(std::size_t(length));
  return text;
}

}  // namespace

GameWindow::GameWindow(HINSTANCE instance)
    : instance_(instance), inputBackground_(kInputDesignBackground) {}

GameWindow::~GameWindow() {
  if (font_ != nullptr) ::DeleteObject(font_);
  if (picture_ != nullptr) ::DeleteObject(picture_);
  if (paneBrush_ != nullptr) ::DeleteObject(paneBrush_);
  if (inputBrush_ != nullptr) ::DeleteObject(inputBrush_);
}

int GameWindow::run(const GameOptions& options) {
  if (!create()) return 1;

  const GameDirs dirs = gameDirs(programDir());
  session_ = std::make_unique<PlaySession>(
      Platform{this, &display_, &systemFiles(), dirs.catalogueDir, dirs.saveDir});
  if (options.transcript) session_->setTranscript(*options.transcript);
  // A window is closed without a thought: the game is kept beside the slots after every turn
  // and found again at the next start.
  session_->keepBetweenRuns(options.newGame ? KeptStart::fresh : KeptStart::resume);
  settingsDir_ = settingsDir(dirs);
  warnings_ = options.warnings && rememberedWarnings(systemFiles(), settingsDir_);
  session_->setWarnings(warnings_);
  Status status = session_->start();
  if (!status.isOk()) {
    fatalError(status);
    return exitStatus_;
  }
  showTexts();
  // The screen has just become 800 x 600: the window covers it from the top-left corner.
  ::SetWindowPos(window_, HWND_TOP, 0, 0, kScreenWidth, kScreenHeight, SWP_SHOWWINDOW);
  ::SetForegroundWindow(window_);
  ::SetFocus(text1_);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (moveFocus(message) || windowKey(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return exitStatus_;
}

bool GameWindow::create() {
  paneBrush_ = ::CreateSolidBrush(kPaneBackground);
  inputBrush_ = ::CreateSolidBrush(inputBackground_);
  picture_ = loadBackgroundPicture(instance_, KVELT_BACKGROUND);

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = ::LoadIconW(instance_, MAKEINTRESOURCEW(KVELT_ICON));
  windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.hbrBackground = ::CreateSolidBrush(kWindowBackground);
  windowClass.lpszClassName = kWindowClass;
  if (::RegisterClassExW(&windowClass) == 0) return false;

  // No frame and no title bar: the client area is the whole window. The system menu keeps
  // Alt+F4 and the task bar's Close working.
  window_ = ::CreateWindowExW(WS_EX_APPWINDOW, kWindowClass, kWindowTitle,
                              WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, kScreenWidth,
                              kScreenHeight, nullptr, nullptr, instance_, this);
  return window_ != nullptr;
}

HWND GameWindow::createControl(const wchar_t* kind, DWORD style, int id, const wchar_t* text) {
  const ControlPlace* places[] = {&kText2Place,  &kText1Place,  &kText3Place,
                                  &kLabel1Place, &kLabel2Place, &kStatusLinePlace};
  const ControlPlace* place = nullptr;
  for (const ControlPlace* candidate : places) {
    if (candidate->id == id) place = candidate;
  }
  HWND control =
      ::CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, place->left, place->top,
                        place->width, place->height, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return control;
}

void GameWindow::createControls() {
  // Points at 96 dots per inch, the density the layout's pixels were measured at: the text fits
  // its boxes whatever scaling the desktop had before the switch.
  int height = -::MulDiv(layout::kFontPoints, layout::kLayoutDotsPerInch, 72);
  font_ = ::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_SWISS, toUtf16(layout::kFontFace).c_str());

  // Created in the tab order of the layout. Read-only multi-line edit controls, so that the
  // narration can be scrolled, selected and read aloud by screen readers.
  const DWORD pane = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                     ES_AUTOVSCROLL | ES_NOHIDESEL;
  text2_ = createControl(L"EDIT", pane, kText2, L"");
  text1_ = createControl(L"EDIT", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, kText1, L"");
  text3_ = createControl(L"EDIT", pane, kText3, L"");
  label1_ =
      createControl(L"STATIC", SS_LEFT | SS_NOPREFIX, kLabel1, toUtf16(kCarriedCaption).c_str());
  label2_ = createControl(L"STATIC", SS_LEFT | SS_NOPREFIX, kLabel2, toUtf16(kCredit).c_str());
  statusLine_ = createControl(L"STATIC", SS_LEFT | SS_NOPREFIX, kStatusLine, L"");
  ::ShowWindow(statusLine_, SW_HIDE);

  screenReader_.name(text1_, kInputLineName);
  screenReader_.name(text2_, kNarrationName);
  screenReader_.name(text3_, kCarriedName);
  screenReader_.announceFrom(text2_);
  screenReader_.liveRegion(statusLine_);

  const RECT narration{kText2Place.left, kText2Place.top, kText2Place.left + kText2Place.width,
                       kText2Place.top + kText2Place.height};
  map_.create(instance_, window_, kMap, narration, font_);
  screenReader_.name(map_.handle(), kMapName);
  screenReader_.liveRegion(map_.handle());

  ::SetWindowLongPtrW(text1_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  editProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
      text1_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GameWindow::inputLineProc)));
  ::SetWindowLongPtrW(text2_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  narrationProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
      text2_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GameWindow::narrationProc)));
}

LRESULT CALLBACK GameWindow::windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
    auto* self = static_cast<GameWindow*>(create->lpCreateParams);
    self->window_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<GameWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(window, message, w, l);
  return self->handle(message, w, l);
}

LRESULT GameWindow::handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:
      createControls();
      return 0;
    case WM_ERASEBKGND:
      paintBackground(reinterpret_cast<HDC>(w));
      return 1;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(
          colourControl(reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w)));
    case WM_ACTIVATE:
      // Typing always goes to the input line, whatever was clicked last.
      if (LOWORD(w) != WA_INACTIVE) ::SetFocus(text1_);
      return 0;
    case WM_COMMAND:
      if (HIWORD(w) == EN_CHANGE && reinterpret_cast<HWND>(l) == text1_ && !settingInputLine_) {
        backToLivePage();
      }
      return 0;
    case WM_HELP:
      // Where the system still makes F1 a request for help, it is the game's hint all the same.
      // One that comes while F1 is still down follows the key itself, which windowKey has
      // answered already (Wine sends it): a second answer would skip a hint step, or switch the
      // warning straight back after Shift+F1.
      if (session_ && (::GetKeyState(VK_F1) & 0x8000) == 0) comfortKey(WM_KEYDOWN, VK_F1, 0);
      return TRUE;
    case kExitMessage:
      ::DestroyWindow(window_);
      return 0;
    case WM_CLOSE:
      // The close box, Alt+F4 or the task bar: the screen size goes back as with "exit".
      session_->close();
      ::DestroyWindow(window_);
      return 0;
    case WM_ENDSESSION:
      // Windows ends the process after this message without destroying the window.
      if (w) session_->close();
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(exitStatus_);
      return 0;
    default:
      return ::DefWindowProcW(window_, message, w, l);
  }
}

void GameWindow::paintBackground(HDC dc) {
  RECT client;
  ::GetClientRect(window_, &client);
  if (picture_ == nullptr) {
    HBRUSH brush = ::CreateSolidBrush(kWindowBackground);
    ::FillRect(dc, &client, brush);
    ::DeleteObject(brush);
    return;
  }
  // At its own size from the top-left corner; what lies beyond the window is cut off.
  HDC memory = ::CreateCompatibleDC(dc);
  HGDIOBJ old = ::SelectObject(memory, picture_);
  ::BitBlt(dc, 0, 0, kPictureWidth, kPictureHeight, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
}

HBRUSH GameWindow::colourControl(HWND control, HDC dc) {
  if (control == text1_) {
    ::SetTextColor(dc, kInputText);
    ::SetBkColor(dc, inputBackground_);
    return inputBrush_;
  }
  if (control == text2_ || control == text3_ || control == statusLine_) {
    // Read-only edit controls ask with WM_CTLCOLORSTATIC, like labels.
    ::SetTextColor(dc, kPaneText);
    ::SetBkColor(dc, kPaneBackground);
    return paneBrush_;
  }
  // The captions have no background of their own: the picture shows around their letters.
  ::SetTextColor(dc, control == label1_ ? kLabel1Text : kLabel2Text);
  ::SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void GameWindow::setInputBackground(Rgb colour) {
  inputBackground_ = colourRef(colour);
  if (inputBrush_ != nullptr) ::DeleteObject(inputBrush_);
  inputBrush_ = ::CreateSolidBrush(inputBackground_);
  if (text1_ != nullptr) ::InvalidateRect(text1_, nullptr, TRUE);
}

void GameWindow::notice(std::string_view) {
  // The session keeps the turn's notices: they show in the status line, not in a box to close.
}

void GameWindow::showTexts() {
  showPanes();
  setInputLine(toUtf16(session_->view().input));
}

void GameWindow::showPanes() {
  const View view = session_->view();
  const std::wstring page = toUtf16(view.narration);
  ::SetWindowTextW(text2_, page.c_str());
  ::SetWindowTextW(text3_, toUtf16(carriedPaneText(view.carried)).c_str());
  // Every new page is shown from its top, as in the other front ends: a page is read from its
  // description down, and Page Down reaches the rest.
  ::SendMessageW(text2_, WM_VSCROLL, SB_TOP, 0);
  showStatus();
  if (view.mapShown) {
    showMap();
    return;
  }
  hideMap();
  // The focus stays in the input line, so the screen reader is told the page is new, or is
  // back from under the map.
  screenReader_.announce(page);
}

void GameWindow::showMap() {
  const MapPicture picture = session_->map();
  const std::wstring description = toUtf16(mapDescription(picture));
  const bool appearing = !map_.shown();
  map_.show(picture, description);
  if (!appearing) return;
  if (::GetFocus() == text2_) ::SetFocus(text1_);
  ::ShowWindow(text2_, SW_HIDE);
  screenReader_.announce(description, map_.handle());
}

void GameWindow::hideMap() {
  if (!map_.shown()) return;
  map_.hide();
  ::ShowWindow(text2_, SW_SHOWNA);
}

void GameWindow::setInputLine(const std::wstring& text) {
  settingInputLine_ = true;
  ::SetWindowTextW(text1_, text.c_str());
  settingInputLine_ = false;
  int end = ::GetWindowTextLengthW(text1_);
  ::SendMessageW(text1_, EM_SETSEL, WPARAM(end), LPARAM(end));
}

void GameWindow::sendLine() {
  std::wstring line = windowText(text1_);
  history_.add(toUtf8(line));
  Status status = session_->enter(toUtf8(line));
  if (!status.isOk()) {
    fatalError(status);
    return;
  }
  if (session_->view().ended) {
    ::PostMessageW(window_, kExitMessage, 0, 0);
    return;
  }
  showTexts();
}

void GameWindow::completeLine() {
  std::wstring typed = windowText(text1_);
  std::wstring completed = toUtf16(session_->complete(toUtf8(typed)));
  // The words that fit, when there are several, stand in the status line.
  showStatus();
  // Nothing to add: no word fits, or several fit and share nothing more.
  if (completed == typed) {
    ::MessageBeep(MB_OK);
    return;
  }
  setInputLine(completed);
}

bool GameWindow::moveFocus(const MSG& message) {
  // Tab in the input line completes a word; from the two panes, Tab and Shift+Tab move on in
  // the layout's order, and Shift+Tab leaves the input line for the narration, so that a
  // keyboard or a screen reader reaches every text.
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  bool back = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
  HWND order[] = {text2_, text1_, text3_};
  for (int i = 0; i < 3; ++i) {
    if (message.hwnd != order[i]) continue;
    if (order[i] == text1_ && !back) return false;
    ::SetFocus(order[(i + (back ? 2 : 1)) % 3]);
    return true;
  }
  return false;
}

void GameWindow::fatalError(const Status& status) {
  exitStatus_ = 1;
  std::wstring text = kFatalText + toUtf16(status.message());
  ::MessageBoxW(window_, text.c_str(), kFatalTitle, MB_OK | MB_ICONERROR);
  ::DestroyWindow(window_);
}

LRESULT CALLBACK GameWindow::inputLineProc(HWND edit, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<GameWindow*>(::GetWindowLongPtrW(edit, GWLP_USERDATA));
  return self->handleInputLine(message, w, l);
}

LRESULT GameWindow::handleInputLine(UINT message, WPARAM w, LPARAM l) {
  if (comfortKey(message, w, l)) return 0;
  switch (message) {
    case WM_CHAR:
      // A single-line edit control beeps at Enter and Tab; the game takes both.
      if (w == L'\r') {
        sendLine();
        return 0;
      }
      if (w == L'\t') return 0;
      break;
    case WM_KEYDOWN:
      if (w == VK_UP) {
        if (auto line = history_.older(toUtf8(windowText(text1_)))) setInputLine(toUtf16(*line));
        return 0;
      }
      if (w == VK_DOWN) {
        if (auto line = history_.newer()) setInputLine(toUtf16(*line));
        return 0;
      }
      if (w == VK_PRIOR || w == VK_NEXT) {
        // The narration scrolls from the input line, so typing never has to stop for it.
        pageNarration(w == VK_PRIOR ? -1 : 1);
        return 0;
      }
      if (w == VK_TAB) {
        completeLine();
        return 0;
      }
      break;
    case WM_MOUSEWHEEL:
      // The wheel reads the narration wherever the focus is.
      return ::SendMessageW(text2_, message, w, l);
    default:
      break;
  }
  return ::CallWindowProcW(editProc_, text1_, message, w, l);
}

}  // namespace kvelt::win32
