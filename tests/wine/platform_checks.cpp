// The Windows platform layer, checked where it really runs.
#include "platform_checks.h"

#include <windows.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "common/game_dirs.h"
#include "common/replace_file.h"
#include "platform/codepage.h"
#include "platform/program_dir.h"
#include "platform/utf16_win32.h"
#include "shell/display_mode.h"
#include "user32_display.h"

namespace kvelt::wine {
namespace {

void checkConversion(CheckReport& report) {
  // "Příliš žluťoučký kůň" as Windows-1250 writes it.
  const std::string czech =
      "P\xF8\xED"
      "li\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2";
  report.check(cp1250ToUtf8(czech) == "Příliš žluťoučký kůň", "Windows-1250 reads Czech letters",
               cp1250ToUtf8(czech));
  report.check(utf8ToCp1250("Příliš žluťoučký kůň") == czech,
               "Czech letters write as Windows-1250");
  report.check(cp1250ToUtf8("\x80") == "€" && utf8ToCp1250("€") == "\x80", "the euro sign is 0x80");

  bool undefinedAreReplaced = true;
  for (char byte : std::string("\x81\x83\x88\x90\x98")) {
    undefinedAreReplaced = undefinedAreReplaced && cp1250ToUtf8(std::string(1, byte)) == "\uFFFD";
  }
  report.check(undefinedAreReplaced, "the five undefined bytes read as U+FFFD");

  int roundTrips = 0;
  for (int byte = 0; byte < 256; ++byte) {
    std::string one(1, char(byte));
    if (utf8ToCp1250(cp1250ToUtf8(one)) == one) ++roundTrips;
  }
  report.check(roundTrips == 251, "every defined byte survives the round trip",
               std::to_string(roundTrips) + " of 251");
  report.check(utf8ToCp1250("a\xF0\x9F\x98\x80"
                            "b") == "a?b",
               "a character outside the page is one '?'",
               utf8ToCp1250("a\xF0\x9F\x98\x80"
                            "b"));
  report.check(utf8ToCp1250("ž\xC3") == "\x9E?", "a cut-off UTF-8 sequence becomes '?'");
}

void checkFiles(CheckReport& report, const std::string& scratchDir) {
  Files& files = systemFiles();
  std::string dir = joinPath(scratchDir, "Hry Jiří");
  ::CreateDirectoryW(toUtf16(dir).c_str(), nullptr);
  std::string path = joinPath(dir, "save1.s");
  report.check(path == scratchDir + "\\Hry Jiří\\save1.s", "paths join with a backslash", path);

  const std::string content("first\r\n\0binary\xFF", 15);
  report.check(replaceFile(files, path, content).isOk(),
               "a file is written under a Czech folder name");
  std::string back;
  report.check(files.read(path, back).isOk() && back == content, "and reads back byte for byte");
  report.check(replaceFile(files, path, "second").isOk() && files.read(path, back).isOk() &&
                   back == "second",
               "replacing a file leaves only the new content");

  WIN32_FIND_DATAW found;
  int entries = 0;
  HANDLE search = ::FindFirstFileW(toUtf16(joinPath(dir, "*")).c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (found.cFileName[0] != L'.') ++entries;
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
  }
  report.check(entries == 1, "no temporary file is left beside it", std::to_string(entries));

  Status missing = files.read(joinPath(dir, "scripts.tex"), back);
  report.check(!missing.isOk() && missing.message().find(dir + "\\scripts.tex") == 0,
               "a missing file's error names its full path", missing.message());
  report.check(!replaceFile(files, joinPath(dir, "no such folder\\x.s"), "x").isOk(),
               "writing into a missing folder fails");

  // What a save's commit is made of: create, list, rename over an old file, remove.
  const std::string temporary = path + ".tmp";
  report.check(files.create(temporary, "third").isOk() && !files.create(temporary, "x").isOk(),
               "a new file is created once, and not over a file that exists");
  std::vector<DirEntry> names;
  report.check(files.list(dir, names).isOk() && names.size() == 2, "the folder lists two names",
               std::to_string(names.size()));
  report.check(
      files.rename(temporary, path).isOk() && files.read(path, back).isOk() && back == "third",
      "a rename replaces the old file");
  report.check(files.remove(path).isOk() && files.remove(path).isOk() &&
                   files.list(dir, names).isOk() && names.empty(),
               "a removed name is gone, and removing it again is no error");
  report.check(!files.read(dir, back).isOk(), "a folder is not read as a file");
  report.check(!files.read("NUL", back).isOk(), "a device is not read as a file");
}

void checkFolders(CheckReport& report, const std::string& scratchDir) {
  wchar_t exe[MAX_PATH * 4];
  DWORD length = ::GetModuleFileNameW(nullptr, exe, MAX_PATH * 4);
  std::string exePath = toUtf8(std::wstring_view(exe, length));
  std::string dir = programDir();
  report.check(!dir.empty() && exePath == dir + "\\driver.exe",
               "the program's folder is the folder of the exe", dir);

  report.check(gameDirs(scratchDir).saveDir == scratchDir,
               "a writable program folder keeps the saves");
  const std::string readOnly = "Z:\\proc\\kvelt-no-such-folder";
  std::string elsewhere = gameDirs(readOnly).saveDir;
  DWORD attributes = ::GetFileAttributesW(toUtf16(elsewhere).c_str());
  report.check(elsewhere != readOnly && elsewhere.size() > 6 &&
                   elsewhere.substr(elsewhere.size() - 6) == "\\kvelt" &&
                   attributes != INVALID_FILE_ATTRIBUTES &&
                   (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
               "an unwritable program folder sends the saves to LOCALAPPDATA\\kvelt", elsewhere);
}

void checkDisplay(CheckReport& report) {
  win32::User32Display display;
  DevModeA mode;
  mode.setField16(DevModeA::kDmSizeOffset, DevModeA::kSize);
  display.enumCurrentSettings(mode);
  report.check(mode.field32(DevModeA::kDmPelsWidthOffset) == 1024 &&
                   mode.field32(DevModeA::kDmPelsHeightOffset) == 768 &&
                   mode.field32(DevModeA::kDmBitsPerPelOffset) != 0,
               "EnumDisplaySettingsA fills the 124-byte record with the mode in force");
  // A mode no display offers: the test refuses it and nothing changes.
  const Integer width = 1000, height = 10;
  setDisplayMode(display, width, height);
  report.check(::GetSystemMetrics(SM_CXSCREEN) == 1024 && ::GetSystemMetrics(SM_CYSCREEN) == 768,
               "a mode that the test refuses is not set");
}

}  // namespace

void checkPlatform(CheckReport& report, const std::string& scratchDir) {
  checkConversion(report);
  checkFiles(report, scratchDir);
  checkFolders(report, scratchDir);
  checkDisplay(report);
}

}  // namespace kvelt::wine
