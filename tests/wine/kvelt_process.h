// Starting kvelt.exe and working its window from outside, as a player (or a screen reader) would.
#pragma once

#include <windows.h>

#include <string>

namespace kvelt::wine {

class KveltProcess {
 public:
  KveltProcess() = default;
  ~KveltProcess();
  KveltProcess(const KveltProcess&) = delete;
  KveltProcess& operator=(const KveltProcess&) = delete;

  // Starts `exe` with `workingDir` as its current folder (not the folder it lives in) and
  // `arguments` after its name on the command line.
  bool start(const std::wstring& exe, const std::wstring& workingDir,
             const std::wstring& arguments = L"");
  // Waits for the game window of this process; false after `milliseconds`.
  bool waitForWindow(DWORD milliseconds);
  // Waits for a top-level dialog (a message box) of this process.
  HWND waitForDialog(DWORD milliseconds);
  // Waits for the process to end; false if it is still running after `milliseconds`.
  bool waitForExit(DWORD milliseconds, DWORD& exitCode);
  void kill();

  HWND window() const { return window_; }
  HWND control(int id) const { return ::GetDlgItem(window_, id); }
  // The whole text of a control, as WM_GETTEXT gives it, in UTF-8.
  std::string text(int id) const;
  // Types `line` (UTF-8) into the input line and presses Enter there.
  void sendLine(int inputId, const std::string& line);
  // The same, but returns at once: for a turn that opens a message box.
  void postLine(int inputId, const std::string& line);
  // Polls a control until its text holds `part`; false after `milliseconds`.
  bool waitForText(int id, const std::string& part, DWORD milliseconds) const;
  // Sets the text of a control without pressing anything.
  void setText(int id, const std::string& text);
  // A key press (WM_KEYDOWN) in a control, handled before this returns.
  void pressKey(int id, WPARAM virtualKey);

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// The text of any window, UTF-8.
std::string windowTextOf(HWND window);

}  // namespace kvelt::wine
