// kvelt.exe: the game in its own window on Windows.
#include <objbase.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <algorithm>
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

constexpr wchar_t kUsage[] = L"usage: kvelt.exe [--new] [--no-warnings] [--transcript FILE]";

const kvelt::ProgramDescription kProgram{
    "kvelt.exe",
    "Okno hry pro Windows. Hra se uchovává po každém tahu a při dalším spuštění pokračuje, kde "
    "jsi skončil.\nThe game's window for Windows. The game is kept after every turn and goes "
    "on where you left it at the next start.",
    {{"new", "",
      "nová hra; uchovaná zůstane do prvního tahu / a new game; the kept one stays "
      "until its first turn"},
     {"no-warnings", "",
      "bez varování, že hru už nelze vyhrát / no warning that the game can "
      "no longer be won"},
     {"transcript", "FILE", "záznam hry do souboru / a transcript of the game into FILE"}},
    std::string(kvelt::kComfortKeysHelp) +
        "\nF4 ukáže další část dlouhého stavového řádku, Esc vrátí hru z mapy.\n"
        "Shift+F1 vypne nebo zapne varování, že hru už nelze vyhrát, i pro příští spuštění.\n"
        "F4 shows the next part of a long status line; Esc brings the game back from the map.\n"
        "Shift+F1 switches the warning that the game can no longer be won off or on, also for\n"
        "the next starts.\n",
    false};

// Takes the switch `name` out of `args`; true when it was there.
bool takeSwitch(std::vector<std::string>& args, const std::string& name) {
  const auto found = std::find(args.begin(), args.end(), name);
  if (found == args.end()) return false;
  args.erase(found);
  return true;
}

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
  kvelt::win32::GameOptions options;
  options.newGame = takeSwitch(args, "--new");
  options.warnings = !takeSwitch(args, "--no-warnings");
  options.transcript = kvelt::takeTranscriptOption(args);
  if (options.transcript && options.transcript->empty()) {
    ::MessageBoxW(nullptr, kUsage, kvelt::win32::kWindowTitle, MB_OK | MB_ICONERROR);
    return 2;
  }
  // The picture decoder is a COM component.
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int status = 0;
  {
    kvelt::win32::GameWindow window(instance);
    status = window.run(options);
  }
  ::CoUninitialize();
  return status;
}
