// Choosing the save folder on Windows.
#include "save_folder.h"

#include <windows.h>
// After windows.h, which they build on.
#include <knownfolders.h>
#include <shlobj.h>

#include "shell/files.h"
#include "platform/utf16_win32.h"

namespace kvelt::win32 {
namespace {

constexpr char kSaveFolderName[] = "kvelt";

std::string localAppData() {
  wchar_t* path = nullptr;
  std::string result;
  if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path))) {
    result = toUtf8(path);
  }
  ::CoTaskMemFree(path);
  return result;
}

}  // namespace

bool isWritableFolder(const std::string& dir) {
  std::wstring probe =
      toUtf16(joinPath(dir, "kvelt-write-test-" + std::to_string(::GetCurrentProcessId())));
  // Access rights, read-only media and network shares each say no in their own way; only a
  // file that really appears tells.
  HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

std::string saveFolder(const std::string& programDir) {
  if (isWritableFolder(programDir)) return programDir;
  std::string base = localAppData();
  if (base.empty()) return programDir;
  std::string folder = joinPath(base, kSaveFolderName);
  ::CreateDirectoryW(toUtf16(folder).c_str(), nullptr);  // already there is fine
  return folder;
}

}  // namespace kvelt::win32
