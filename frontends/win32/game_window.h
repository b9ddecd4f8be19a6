// The game's one window on Windows: the picture, the three text boxes and the two captions.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/comfort_keys.h"
#include "common/engine.h"
#include "common/input_history.h"
#include "common/play_session.h"
#include "map_view.h"
#include "screen_reader.h"
#include "user32_display.h"

namespace kvelt::win32 {

// What the command line asked of the game.
struct GameOptions {
  std::optional<std::string> transcript;  // --transcript FILE: every turn appended to FILE
  bool newGame = false;  // --new: the opening; the kept game stays until the first turn
  bool warnings = true;  // --no-warnings: no word when the game can no longer be won
};

class GameWindow : public Window {
 public:
  explicit GameWindow(HINSTANCE instance);
  ~GameWindow() override;
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  // Creates the window, starts the game (the kept one, unless options.newGame) and runs until
  // the window is gone. Returns the exit status of the program: 0, or 1 when the catalogue
  // could not be read.
  int run(const GameOptions& options = {});

  void setInputBackground(Rgb colour) override;
  void close() override {}
  void notice(std::string_view text) override;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK inputLineProc(HWND edit, UINT message, WPARAM w, LPARAM l);
  LRESULT handle(UINT message, WPARAM w, LPARAM l);
  LRESULT handleInputLine(UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK narrationProc(HWND edit, UINT message, WPARAM w, LPARAM l);
  LRESULT handleNarration(UINT message, WPARAM w, LPARAM l);

  bool create();
  void createControls();
  HWND createControl(const wchar_t* kind, DWORD style, int id, const wchar_t* text);
  void paintBackground(HDC dc);
  HBRUSH colourControl(HWND control, HDC dc);

  // Copies the game's three texts into the text boxes; each page is shown from its top.
  void showTexts();
  // The same without the input line: the live page or one read back, and the status line.
  void showPanes();
  void showStatus();
  // The status line's text, or the part of it that is shown when it does not fit.
  void drawStatus();
  // While the session says so, the map stands in the narration pane's place.
  void showMap();
  void hideMap();

  // The comfort keys among the input line's messages; true when `message` was one of them.
  bool comfortKey(UINT message, WPARAM w, LPARAM l);
  // The keys that work wherever the focus is in the window (F1 to F4, Esc), taken before the
  // controls see them: a control's default handling would turn F1 into a request for help.
  bool windowKey(const MSG& message);
  // Redraws what a comfort changed.
  void answer(const ActionResult& result);
  // Page Up and Page Down (-1, +1) scroll the narration; past its top or end they turn to the
  // page before or after it, as does the wheel.
  void pageNarration(int direction);
  void wheelNarration(UINT message, WPARAM w, LPARAM l);
  void turnPage(int direction);
  void backToLivePage();
  void sendLine();
  void completeLine();
  // Tab order between the three text boxes; true when `message` was that key.
  bool moveFocus(const MSG& message);
  void setInputLine(const std::wstring& text);
  // The catalogue could not be read: the engine has put the screen size back already.
  void fatalError(const Status& status);

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HWND text1_ = nullptr, text2_ = nullptr, text3_ = nullptr;
  HWND label1_ = nullptr, label2_ = nullptr;
  HWND statusLine_ = nullptr;
  WNDPROC editProc_ = nullptr;
  WNDPROC narrationProc_ = nullptr;
  // The window sets the input line's text itself: that is not the player typing.
  bool settingInputLine_ = false;
  // F1's key-down was taken as the hint; the system's request for help that follows is not.
  bool hintKeyTaken_ = false;
  HFONT font_ = nullptr;
  HBITMAP picture_ = nullptr;
  HBRUSH paneBrush_ = nullptr;
  HBRUSH inputBrush_ = nullptr;
  COLORREF inputBackground_;
  User32Display display_;
  ScreenReader screenReader_;
  MapView map_;
  std::wstring statusText_;
  std::vector<std::wstring> statusParts_;
  std::size_t statusPart_ = 0;
  std::unique_ptr<PlaySession> session_;
  kvelt::InputHistory history_;
  int exitStatus_ = 0;
};

}  // namespace kvelt::win32
