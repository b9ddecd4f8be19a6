// kvelt.exe: the game in its own window on Windows.
#include <objbase.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "common/comfort_keys.h"
#include "common/engine_win32.h"
#include "common/game_arguments.h"
#include "common/transcript_file.h"
#include "game_window.h"
#include "layout.h"

namespace {

constexpr wchar_t kUsage[] = L"usage: kvelt.exe [--transcript FILE]";

const kvelt::ProgramDescription kProgram{
    "kvelt.exe",
    "Okno hry pro Windows.\nThe game's window for Windows.",
    {{"transcript", "FILE", "záznam hry do souboru / a transcript of the game into FILE"}},
    kvelt::kComfortKeysHelp,
    false};

// The help is wrapped for an 80-column console; a message box wraps it itself, so the lines of a
// paragraph are joined again. Indented lines (the options) keep their own line.
std::string asParagraphs(std::string text) {
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
    const bool lineBefore = at > 0 && text[at - 1] != '\n';
    const bool lineAfter = at + 1 < text.size() && text[at + 1] != '\n' && text[at + 1] != ' ';
    if (lineBefore && lineAfter) text[at] = ' ';
  }
  return text;
}

// --help and --version, answered in a message box: a window program has no console to print to.
bool answeredInABox(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg != "--help" && arg != "--version") continue;
    const kvelt::CommandLine answer = kvelt::readCommandLine(kProgram, {arg});
    ::MessageBoxW(nullptr, kvelt::toUtf16(asParagraphs(answer.output)).c_str(),
                  kvelt::win32::kWindowTitle, MB_OK | MB_ICONINFORMATION);
    return true;
  }
  return false;
}

// The program's arguments in UTF-8, without its own name.
std::vector<std::string> arguments() {
  int count = 0;
  wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; words != nullptr && i < count; ++i) args.push_back(kvelt::toUtf8(words[i]));
  ::LocalFree(words);
  return args;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  std::vector<std::string> args = arguments();
  if (answeredInABox(args)) return 0;
  // Other arguments are left alone, as they always were.
  const std::optional<std::string> transcript = kvelt::takeTranscriptOption(args);
  if (transcript && transcript->empty()) {
    ::MessageBoxW(nullptr, kUsage, kvelt::win32::kWindowTitle, MB_OK | MB_ICONERROR);
    return 2;
  }
  // The picture decoder is a COM component.
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int status = 0;
  {
    kvelt::win32::GameWindow window(instance);
    status = window.run(transcript);
  }
  ::CoUninitialize();
  return status;
}
