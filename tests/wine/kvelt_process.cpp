// Driving kvelt.exe through its window messages.
#include "kvelt_process.h"

#include <vector>

#include "layout.h"
#include "platform/utf16_win32.h"

namespace kvelt::wine {
namespace {

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  wchar_t className[64] = {};
  ::GetClassNameW(window, className, 64);
  if (owner == search->processId && std::wstring(className) == search->className &&
      ::IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND waitForTopLevel(DWORD processId, const wchar_t* className, DWORD milliseconds) {
  for (DWORD waited = 0; waited <= milliseconds; waited += 100) {
    WindowSearch search{processId, className, nullptr};
    ::EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    ::Sleep(100);
  }
  return nullptr;
}

}  // namespace

std::string windowTextOf(HWND window) {
  // WM_GETTEXT crosses the process boundary; GetWindowText would not for another process.
  LRESULT length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::vector<wchar_t> buffer(std::size_t(length) + 1, L'\0');
  LRESULT got = ::SendMessageW(window, WM_GETTEXT, WPARAM(buffer.size()),
                               reinterpret_cast<LPARAM>(buffer.data()));
  return toUtf8(std::wstring_view(buffer.data(), std::size_t(got)));
}

KveltProcess::~KveltProcess() {
  if (process_.hProcess != nullptr) {
    kill();
    ::CloseHandle(process_.hProcess);
    ::CloseHandle(process_.hThread);
  }
}

bool KveltProcess::start(const std::wstring& exe, const std::wstring& workingDir,
                         const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return ::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingDir.c_str(), &startup, &process_) != FALSE;
}

bool KveltProcess::waitForWindow(DWORD milliseconds) {
  window_ = waitForTopLevel(process_.dwProcessId, win32::kWindowClass, milliseconds);
  return window_ != nullptr;
}

HWND KveltProcess::waitForDialog(DWORD milliseconds) {
  return waitForTopLevel(process_.dwProcessId, L"#32770", milliseconds);
}

bool KveltProcess::waitForExit(DWORD milliseconds, DWORD& exitCode) {
  if (::WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
  ::GetExitCodeProcess(process_.hProcess, &exitCode);
  return true;
}

void KveltProcess::kill() {
  DWORD code = 0;
  if (::GetExitCodeProcess(process_.hProcess, &code) && code == STILL_ACTIVE) {
    ::TerminateProcess(process_.hProcess, 99);
    ::WaitForSingleObject(process_.hProcess, 5000);
  }
}

std::string KveltProcess::text(int id) const {
  return windowTextOf(control(id));
}

bool KveltProcess::waitForText(int id, const std::string& part, DWORD milliseconds) const {
  for (DWORD waited = 0;; waited += 100) {
    if (text(id).find(part) != std::string::npos) return true;
    if (waited >= milliseconds) return false;
    ::Sleep(100);
  }
}

void KveltProcess::setText(int id, const std::string& text) {
  std::wstring wide = toUtf16(text);
  ::SendMessageW(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void KveltProcess::sendLine(int inputId, const std::string& line) {
  setText(inputId, line);
  // Sent, not posted: it returns when the turn is over.
  ::SendMessageW(control(inputId), WM_CHAR, L'\r', 1);
}

void KveltProcess::postLine(int inputId, const std::string& line) {
  setText(inputId, line);
  ::PostMessageW(control(inputId), WM_CHAR, L'\r', 1);
}

void KveltProcess::pressKey(int id, WPARAM virtualKey) {
  ::SendMessageW(control(id), WM_KEYDOWN, virtualKey, 1);
}

}  // namespace kvelt::wine
