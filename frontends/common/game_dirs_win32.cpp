// The game's folders on Windows: the catalogue beside the program, the saves there too unless
// that folder cannot be written, and the settings with the saves.
#include <windows.h>
// After windows.h, which they build on.
#include <knownfolders.h>
#include <shlobj.h>

#include "base/files.h"
#include "common/game_dirs.h"
#include "platform/utf16_win32.h"

namespace kvelt {
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

// Whether a new file can be created in `dir` (tried with a temporary file that is removed).
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

}  // namespace

// The program's folder when a file can be created there; otherwise %LOCALAPPDATA%\kvelt, made
// if missing (a game under Program Files cannot write beside itself).
std::string saveFolder(const std::string& programDir) {
  if (isWritableFolder(programDir)) return programDir;
  std::string base = localAppData();
  if (base.empty()) return programDir;
  std::string folder = joinPath(base, kSaveFolderName);
  ::CreateDirectoryW(toUtf16(folder).c_str(), nullptr);  // already there is fine
  return folder;
}

GameDirs gameDirsFor(const std::string& programDir, const char*, const char*) {
  return {programDir, saveFolder(programDir)};
}

GameDirs gameDirs(const std::string& programDir) {
  return gameDirsFor(programDir, nullptr, nullptr);
}

std::string settingsDirFor(const GameDirs& dirs, const char*, const char*) {
  return dirs.saveDir;
}

std::string settingsDir(const GameDirs& dirs) {
  return settingsDirFor(dirs, nullptr, nullptr);
}

bool makeSettingsDir(const std::string& dir) {
  const std::wstring wide = toUtf16(dir);
  ::CreateDirectoryW(wide.c_str(), nullptr);  // already there is fine
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace kvelt
