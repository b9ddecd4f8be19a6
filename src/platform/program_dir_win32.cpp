// The program's directory on Windows, from the path of the running exe.
#include <windows.h>

#include <string>

#include "platform/program_dir.h"
#include "platform/utf16_win32.h"

namespace kvelt {

std::string programDir() {
  // GetModuleFileNameW cuts the path silently when the buffer is too small, so the buffer
  // grows until the whole path fits (long paths reach 32767 characters).
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
  std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  return toUtf8(std::wstring_view(path).substr(0, slash));
}

}  // namespace kvelt
