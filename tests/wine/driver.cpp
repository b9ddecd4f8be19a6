// driver.exe: plays kvelt.exe under Wine through its window and checks what a player sees.
#include <objbase.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "accessibility_watch.h"
#include "base/files.h"
#include "base/window.h"
#include "check_report.h"
#include "kvelt_process.h"
#include "layout.h"
#include "map_drawing.h"
#include "platform/utf16_win32.h"
#include "platform_checks.h"
#include "screenshot.h"
#include "text/lines.h"

namespace kvelt::wine {
namespace {

using win32::kLabel1;
using win32::kLabel2;
using win32::kMap;
using win32::kStatusLine;
using win32::kText1;
using win32::kText2;
using win32::kText3;

constexpr DWORD kStartTimeout = 60000;
constexpr DWORD kExitTimeout = 20000;

struct Options {
  std::wstring kveltExe;
  std::wstring workDir;
  std::wstring screenshot;
};

std::string message(int n) {
  return "M" + std::to_string(n) + " žluťoučký";
}

// Line n reads "M<n> žluťoučký", in Windows-1250 with CR LF, written byte by byte so that the
// game's own conversion is not what makes the test pass.
std::string numberedCatalogue() {
  std::string text;
  for (int n = 1; n <= 180; ++n) {
    text += 'M';
    text += std::to_string(n);
    text += " \x9Elu\x9Dou\xE8k\xFD\r\n";
  }
  return text;
}

struct ScreenMode {
  DWORD width = 0, height = 0;
  int metricsWidth = 0, metricsHeight = 0;
  bool is(DWORD w, DWORD h) const {
    return width == w && height == h && metricsWidth == int(w) && metricsHeight == int(h);
  }
  std::string describe() const {
    return std::to_string(width) + "x" + std::to_string(height) + " (metrics " +
           std::to_string(metricsWidth) + "x" + std::to_string(metricsHeight) + ")";
  }
};

ScreenMode screenMode() {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  ::EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode);
  return {mode.dmPelsWidth, mode.dmPelsHeight, ::GetSystemMetrics(SM_CXSCREEN),
          ::GetSystemMetrics(SM_CYSCREEN)};
}

// Start-up is done when the screen has been switched and the carried pane shows the dagger; a
// line sent before that could meet a window that is not yet listening.
bool waitForOpening(const KveltProcess& game) {
  const DWORD deadline = ::GetTickCount() + kStartTimeout;
  while (!screenMode().is(800, 600)) {
    if (::GetTickCount() > deadline) return false;
    ::Sleep(50);
  }
  return game.waitForText(kText3, "dýku", kStartTimeout);
}

// Prepares a game folder with the exe and a catalogue; returns the path of its exe.
std::wstring gameFolder(const Options& options, const std::string& name, bool withCatalogue) {
  std::string dir = joinPath(toUtf8(options.workDir), name);
  ::CreateDirectoryW(toUtf16(dir).c_str(), nullptr);
  std::wstring exe = toUtf16(joinPath(dir, "kvelt.exe"));
  ::CopyFileW(options.kveltExe.c_str(), exe.c_str(), FALSE);
  if (withCatalogue) (void)systemFiles().replace(joinPath(dir, "scripts.tex"), numberedCatalogue());
  return exe;
}

bool fileExists(const std::string& path) {
  return ::GetFileAttributesW(toUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The texts of a message box's controls, one a line.
std::string dialogText(HWND box) {
  std::string text;
  for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    text += windowTextOf(child) + "\n";
  }
  return text;
}

void checkPlace(CheckReport& report, HWND window, HWND control, const win32::ControlPlace& place,
                const std::string& name) {
  RECT rect;
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  bool placed = rect.left == place.left && rect.top == place.top &&
                rect.right - rect.left == place.width && rect.bottom - rect.top == place.height;
  report.check(placed, name + " sits where the layout puts it",
               std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
                   std::to_string(rect.right - rect.left) + "x" +
                   std::to_string(rect.bottom - rect.top));
}

void checkWindow(CheckReport& report, KveltProcess& game) {
  RECT client;
  ::GetClientRect(game.window(), &client);
  POINT origin{0, 0};
  ::ClientToScreen(game.window(), &origin);
  report.check(origin.x == 0 && origin.y == 0 && client.right == 800 && client.bottom == 600,
               "the client area covers the 800 x 600 screen from its top-left corner");
  checkPlace(report, game.window(), game.control(kText2), win32::kText2Place, "Text2");
  checkPlace(report, game.window(), game.control(kText1), win32::kText1Place, "Text1");
  checkPlace(report, game.window(), game.control(kText3), win32::kText3Place, "Text3");
  checkPlace(report, game.window(), game.control(kLabel1), win32::kLabel1Place, "Label1");
  checkPlace(report, game.window(), game.control(kLabel2), win32::kLabel2Place, "Label2");
  report.check(game.text(kLabel1) == "Máš u sebe:" && game.text(kLabel2) == "Developed by J.X.W",
               "the two captions");
}

// The text file a program wrote, or nothing.
std::string fileText(const std::string& path) {
  std::string text;
  (void)systemFiles().read(path, text);
  return text;
}

bool visible(HWND control) {
  return ::IsWindowVisible(control) != FALSE;
}

// Polls the screen until the pixel at (x, y) is `colour`; false after `milliseconds`.
bool waitForPixel(int x, int y, COLORREF colour, DWORD milliseconds) {
  for (DWORD waited = 0;; waited += 100) {
    if (Screenshot::ofScreen(800, 600).pixel(x, y) == colour) return true;
    if (waited >= milliseconds) return false;
    ::Sleep(100);
  }
}

// Posted rather than sent, so that the key goes through kvelt.exe's own message loop as a key
// pressed on the keyboard does.
void postKey(const KveltProcess& game, int id, WPARAM virtualKey) {
  ::PostMessageW(game.control(id), WM_KEYDOWN, virtualKey, 1);
}

// In room (3,7): F1 gives a hint from any pane, F3 lays the map over the narration pane, and
// Esc or typing bring the page back. Each is said to a screen reader once.
void hintAndMap(CheckReport& report, KveltProcess& game, AnnouncementWatch& watch,
                const std::wstring& screenshot) {
  const std::string page = game.text(kText2), before = game.text(kStatusLine);
  postKey(game, kText2, VK_F1);
  report.check(watch.count(game.control(kStatusLine), 0, 3000) == 1 &&
                   !game.text(kStatusLine).empty() && game.text(kStatusLine) != before &&
                   game.text(kText2) == page,
               "F1 in the narration pane puts a hint in the status line and says it, once",
               game.text(kStatusLine));

  // Windows follows F1's key-down with a request for help: one press is still one step. A
  // request for help alone is the next step.
  const std::string firstStep = game.text(kStatusLine);
  HELPINFO help{sizeof help, HELPINFO_WINDOW, kText1, game.control(kText1), 0, {0, 0}};
  ::SendMessageW(game.window(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
  report.check(game.text(kStatusLine) == firstStep, "the request for help after F1 adds no step",
               game.text(kStatusLine));
  ::SendMessageW(game.window(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
  report.check(watch.count(game.control(kStatusLine), 1, 3000) == 2 &&
                   game.text(kStatusLine) != firstStep && !game.text(kStatusLine).empty(),
               "WM_HELP gives the hint's next step", game.text(kStatusLine));

  const RECT pane{0, 0, win32::kText2Place.width, win32::kText2Place.height};
  const RECT here = win32::mapRoomBox(pane, 3, 7);
  const int x = here.left + 4, y = (here.top + here.bottom) / 2;
  postKey(game, kText1, VK_F3);
  report.check(waitForPixel(x, y, win32::kHereFill, 3000) && visible(game.control(kMap)) &&
                   !visible(game.control(kText2)),
               "F3 shows the map over the narration pane, room (3,7) filled as the one you are in",
               std::to_string(Screenshot::ofScreen(800, 600).pixel(x, y)));
  report.check(Screenshot::ofScreen(800, 600).saveBmp(screenshot), "a screenshot of it is saved");
  report.check(
      watch.count(game.control(kMap), 0, 3000) == 1 &&
          windowTextOf(game.control(kMap)).find("Srub (tady): na jih") != std::string::npos,
      "and says its rooms and ways once", windowTextOf(game.control(kMap)));
  postKey(game, kText1, VK_ESCAPE);
  report.check(waitForPixel(x, y, RGB(0, 0, 0), 3000) && !visible(game.control(kMap)) &&
                   visible(game.control(kText2)) && game.text(kText2) == page,
               "Esc hides it and the page is back", game.text(kText2));

  postKey(game, kText1, VK_F3);
  report.check(waitForPixel(x, y, win32::kHereFill, 3000), "F3 shows the map again");
  game.setText(kText1, "v");
  report.check(!visible(game.control(kMap)) && visible(game.control(kText2)),
               "typing a letter brings the page back");
  game.setText(kText1, "");
}

// The first game: the opening, the first turns, completion, history, a take taken back and
// played again, a save, a failed load, the transcript, and "exit".
void playToExit(CheckReport& report, const Options& options) {
  report.note("first run: played to \"exit\"");
  std::wstring exe = gameFolder(options, "hra Jiří", true);
  std::string dir = toUtf8(exe.substr(0, exe.rfind(L'\\')));
  const std::string transcript = joinPath(dir, "záznam.txt");
  KveltProcess game;
  // Started from another folder: the game still finds its catalogue beside itself.
  if (!report.check(
          game.start(exe, options.workDir, L"--transcript \"" + toUtf16(transcript) + L"\""),
          "kvelt.exe starts")) {
    return;
  }
  if (!report.check(game.waitForWindow(kStartTimeout), "its window appears")) return;
  report.check(waitForOpening(game), "the screen is switched and the opening is shown");

  ScreenMode mode = screenMode();
  report.check(mode.is(800, 600), "the screen is now 800 x 600", mode.describe());
  checkWindow(report, game);

  report.check(game.text(kText2) ==
                   message(1) + "\r\n" + message(33) + "\r\n" + message(35) + "\r\n" + message(37),
               "the opening shows messages 1, 33, 35 and 37", game.text(kText2));
  report.check(game.text(kText3) == "dýku", "the carried pane shows \"dýku\"", game.text(kText3));

  Screenshot shot = Screenshot::ofScreen(800, 600);
  report.check(shot.pixel(win32::kText1Place.left + 150, win32::kText1Place.top + 25) ==
                   win32::colourRef(kInputLineColour),
               "the input line is 41, 0, 152 after start-up", std::to_string(shot.pixel(174, 465)));
  report.check(shot.pixel(400, 300) == RGB(0, 0, 0), "the narration pane is black");

  // Each Enter announces its page to screen readers once.
  AnnouncementWatch watch;
  int announced = 0;
  auto enter = [&](const std::string& line) {
    game.sendLine(kText1, line);
    const int now = watch.count(game.control(kText2), announced, 3000);
    report.check(now == announced + 1, "\"" + line + "\" announces its page once",
                 std::to_string(now - announced) + " announcements");
    announced = now;
  };

  enter("");
  report.check(game.text(kText2) == message(174), "the first Enter shows message 174",
               game.text(kText2));
  report.check(game.text(kText1).empty(), "and empties the input line");

  enter("");
  const std::string startRoom = message(2) +
                                " Vidíš\r\nDraga\r\nlistinu\r\npochodeň\r\nolej\r\ndveře\r\n"
                                "Můžeš jít na jih";
  report.check(game.text(kText2).rfind(startRoom, 0) == 0, "the second Enter describes room (3,7)",
               game.text(kText2));

  // Tab completes from the words on the page.
  game.setText(kText1, "vezmi ol");
  game.pressKey(kText1, VK_TAB);
  report.check(game.text(kText1) == "vezmi olej", "Tab completes \"vezmi ol\"", game.text(kText1));
  game.setText(kText1, "pouzij kamen");
  game.pressKey(kText1, VK_TAB);
  report.check(game.text(kText1) == "pouzij kamen", "Tab leaves a line it cannot complete",
               game.text(kText1));

  enter("vezmi pochodeň");
  report.check(game.text(kText2).find("Vzal jsi pochodeň...") != std::string::npos,
               "\"vezmi pochodeň\" takes the torch", game.text(kText2));
  // The refresh writes eleven lines; the pane shows the two words and no empty line after them.
  const LRESULT carriedLines = ::SendMessageW(game.control(kText3), EM_GETLINECOUNT, 0, 0);
  report.check(game.text(kText3) == "dýku\r\npochodeň" && carriedLines == 2,
               "the carried pane holds exactly \"dýku\" and \"pochodeň\"",
               game.text(kText3) + " (" + std::to_string(carriedLines) + " lines)");
  // Alt+U (a system character with the Alt bit) takes it back, Ctrl+Y plays it again.
  ::SendMessageW(game.control(kText1), WM_SYSCHAR, L'u', 1 | (1 << 29));
  report.check(game.text(kText3).find("pochodeň") == std::string::npos &&
                   game.text(kStatusLine) == "Tah je vzat zpět.",
               "Alt+U takes the take back", game.text(kText3) + " | " + game.text(kStatusLine));
  ::SendMessageW(game.control(kText1), WM_CHAR, 'Y' - '@', 1);
  report.check(game.text(kText3).find("pochodeň") != std::string::npos &&
                   game.text(kStatusLine) == "Tah je znovu zahrán.",
               "Ctrl+Y plays it again", game.text(kText3) + " | " + game.text(kStatusLine));

  report.check(Screenshot::ofScreen(800, 600).saveBmp(options.screenshot),
               "a screenshot of the window is saved");
  const std::wstring& path = options.screenshot;
  hintAndMap(report, game, watch, path.substr(0, path.rfind(L'\\') + 1) + L"win32-map.bmp");
  // The page came back from under the map twice; later turns count from here.
  announced = watch.count(game.control(kText2), 1 << 20, 300);

  // Up recalls the last line sent, Down goes back to an empty line.
  ::SendMessageW(game.control(kText1), WM_KEYDOWN, VK_UP, 0);
  report.check(game.text(kText1) == "vezmi pochodeň", "Up recalls the last line",
               game.text(kText1));
  ::SendMessageW(game.control(kText1), WM_KEYDOWN, VK_DOWN, 0);
  report.check(game.text(kText1).empty(), "Down returns to an empty line", game.text(kText1));

  game.sendLine(kText1, "save 1");
  report.check(fileExists(joinPath(dir, "save1.s")) && fileExists(joinPath(dir, "savex1.s")),
               "\"save 1\" writes save1.s and savex1.s beside the program");
  report.check(game.text(kStatusLine) == "Hra je uložena do pozice 1." &&
                   ::IsWindowVisible(game.control(kStatusLine)) != FALSE,
               "and the status line confirms it", game.text(kStatusLine));

  // A slot never saved: the notice shows in the status line, no box waits to be closed, and
  // the turn goes on.
  game.postLine(kText1, "load 5");
  report.check(game.waitForText(kStatusLine, "Pozice 5 je prázdná.", kExitTimeout),
               "a failed load shows its notice in the status line", game.text(kStatusLine));
  report.check(game.text(kText1).empty(), "and the turn then ends as usual", game.text(kText1));

  // Alt+N asks first; pressed again it starts over with only the dagger.
  for (int press = 0; press < 2; ++press) {
    ::SendMessageW(game.control(kText1), WM_SYSCHAR, L'n', 1 | (1 << 29));
  }
  report.check(game.text(kText3) == "dýku" && game.text(kStatusLine) == "Nová hra.",
               "Alt+N pressed twice starts a new game",
               game.text(kText3) + " | " + game.text(kStatusLine));

  game.sendLine(kText1, "exit");
  DWORD code = 1234;
  report.check(game.waitForExit(kExitTimeout, code) && code == 0,
               "\"exit\" ends the program with status 0", std::to_string(code));
  mode = screenMode();
  report.check(mode.is(1024, 768), "the screen is 1024 x 768 again", mode.describe());
  const std::string written = fileText(transcript);
  report.check(written.find("> vezmi pochodeň\n") != std::string::npos &&
                   written.find("(Tah je vzat zpět.)\n") != std::string::npos &&
                   written.find("(Hra je uložena do pozice 1.)\n") != std::string::npos &&
                   written.find("> exit\n") != std::string::npos,
               "--transcript wrote the turns, the undo and the save", written);
}

// A status line longer than its room: F4 shows the next part, and after the last the first.
void statusInParts(CheckReport& report, KveltProcess& game) {
  std::string first = game.text(kStatusLine), all = first;
  report.check(first.find("(1/") != std::string::npos && first.find("F4 dál)") != std::string::npos,
               "a status line too long for its room shows its first part", first);
  for (int press = 0; press < 5 && all.find("od začátku)") == std::string::npos; ++press) {
    game.pressKey(kText1, VK_F4);
    all.append(1, ' ').append(game.text(kStatusLine));
  }
  report.check(all.find("Tab doplní slovo.") != std::string::npos &&
                   all.find("hra pokračuje bez něj.") != std::string::npos &&
                   all.find("F4 od začátku)") != std::string::npos,
               "F4 shows the rest of it, part by part", all);
  game.pressKey(kText1, VK_F4);
  report.check(game.text(kStatusLine) == first, "and after the last part the first again",
               game.text(kStatusLine));
}

// One start of kvelt.exe in `exe`'s folder, closed again as the close box closes it; `check`
// looks at the window in between.
template <typename Check>
void oneRun(CheckReport& report, const Options& options, const std::wstring& exe,
            const std::wstring& arguments, Check check) {
  KveltProcess game;
  if (!report.check(game.start(exe, options.workDir, arguments), "kvelt.exe starts")) return;
  if (!report.check(game.waitForWindow(kStartTimeout), "its window appears")) return;
  report.check(waitForOpening(game), "the screen is switched and a page is shown");
  check(game);
  ::PostMessageW(game.window(), WM_CLOSE, 0, 0);
  DWORD code = 1234;
  report.check(game.waitForExit(kExitTimeout, code) && code == 0, "the window is closed",
               std::to_string(code));
}

// The game is kept between runs: closed and started again it goes on, with its undo; --new
// starts over but keeps the old game until its first turn.
void keptBetweenRuns(CheckReport& report, const Options& options) {
  report.note("runs that resume the kept game");
  std::wstring exe = gameFolder(options, "uchovaná hra", true);
  const std::string dir = toUtf8(exe.substr(0, exe.rfind(L'\\')));
  // A folder in place of the transcript: its notice makes the start's status line long.
  const std::string notFile = joinPath(dir,
                                       "složka, do které se záznam hry zapsat nedá, protože je "
                                       "to složka, a ne soubor; hra proto pokračuje bez záznamu");
  ::CreateDirectoryW(toUtf16(notFile).c_str(), nullptr);
  const std::string torch = "dýku\r\npochodeň";
  oneRun(report, options, exe, L"--transcript \"" + toUtf16(notFile) + L"\"",
         [&](KveltProcess& game) {
           statusInParts(report, game);
           for (const char* line : {"", "", "vezmi pochodeň"}) game.sendLine(kText1, line);
           report.check(game.text(kText3) == torch, "the torch is taken", game.text(kText3));
         });
  oneRun(report, options, exe, L"", [&](KveltProcess& game) {
    report.check(game.text(kText3) == torch &&
                     game.text(kText2).find("Vzal jsi pochodeň") != std::string::npos &&
                     game.text(kStatusLine).find("Pokračuje uchovaná hra") != std::string::npos,
                 "started again, it shows the last page and says the game is the kept one",
                 game.text(kText2) + " | " + game.text(kStatusLine));
    ::SendMessageW(game.control(kText1), WM_SYSCHAR, L'u', 1 | (1 << 29));
    report.check(game.text(kText3) == "dýku", "Alt+U takes back the turn of the last run",
                 game.text(kText3));
    ::SendMessageW(game.control(kText1), WM_CHAR, 'Y' - '@', 1);
  });
  oneRun(report, options, exe, L"--new", [&](KveltProcess& game) {
    report.check(game.text(kText2).rfind(message(1), 0) == 0 && game.text(kText3) == "dýku",
                 "--new starts with the opening", game.text(kText2));
  });
  oneRun(report, options, exe, L"", [&](KveltProcess& game) {
    report.check(game.text(kText3) == torch,
                 "a --new run without a turn leaves the kept game to resume", game.text(kText3));
  });
}

// The winning game's lines, which the test script leaves in the work folder.
std::vector<std::string> winningLines(const Options& options) {
  const std::string text = fileText(joinPath(toUtf8(options.workDir), "winning_sequence.txt"));
  std::vector<std::string> lines;
  for (std::string_view line : splitLines(text)) lines.emplace_back(line);
  return lines;
}

// The burning torch put down in the dark after the crowbar: the turn that loses the game says
// so, unless --no-warnings asked it not to.
void deadEndWarning(CheckReport& report, const Options& options) {
  report.note("a turn that loses the game, with --no-warnings and without");
  const std::vector<std::string> won = winningLines(options);
  const auto crowbar = std::find(won.begin(), won.end(), "vezmi páčidlo");
  if (!report.check(crowbar != won.end(), "the winning game's lines are there")) return;
  const std::wstring exe = gameFolder(options, "slepá ulička", true);
  for (const bool warnings : {false, true}) {
    oneRun(report, options, exe, warnings ? L"--new" : L"--no-warnings", [&](KveltProcess& game) {
      for (auto line = won.begin(); line <= crowbar; ++line) game.sendLine(kText1, *line);
      game.sendLine(kText1, "polož hořící pochodeň");
      const bool warned = game.text(kStatusLine).find("vyhrát nejde") != std::string::npos;
      report.check(warned == warnings,
                   warnings ? "without --no-warnings that turn says the game is lost"
                            : "with --no-warnings that turn says nothing of it",
                   game.text(kStatusLine));
    });
  }
}

// --help answers in a message box that names the options and the keys.
void helpBox(CheckReport& report, const Options& options) {
  report.note("kvelt.exe --help");
  KveltProcess game;
  if (!report.check(game.start(options.kveltExe, options.workDir, L"--help"), "kvelt.exe starts"))
    return;
  HWND box = game.waitForDialog(kStartTimeout);
  if (!report.check(box != nullptr, "a message box appears")) return;
  const std::string text = dialogText(box);
  report.check(
      text.find("--new") != std::string::npos && text.find("--no-warnings") != std::string::npos &&
          text.find("F1 napoví") != std::string::npos &&
          text.find("F3 mapu") != std::string::npos && text.find("F4") != std::string::npos,
      "it names --new, --no-warnings, F1, F3 and F4", text);
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  DWORD code = 1234;
  report.check(game.waitForExit(kExitTimeout, code) && code == 0, "and the program ends with 0",
               std::to_string(code));
}

enum class Ending { closeMessage, altF4, sessionEnd };

// A game ended from outside: the close box (WM_CLOSE), Alt+F4, or the user logging off.
void endFromOutside(CheckReport& report, const Options& options, Ending ending,
                    const std::string& name) {
  report.note("a run ended by " + name);
  std::wstring exe = gameFolder(options, "end " + std::to_string(int(ending)), true);
  KveltProcess game;
  if (!report.check(game.start(exe, options.workDir), "kvelt.exe starts")) return;
  if (!report.check(game.waitForWindow(kStartTimeout), "its window appears")) return;
  report.check(waitForOpening(game), "the screen is switched and the opening is shown");
  ScreenMode mode = screenMode();
  report.check(mode.is(800, 600), "the screen is 800 x 600", mode.describe());
  game.sendLine(kText1, "");

  DWORD code = 1234;
  switch (ending) {
    case Ending::closeMessage:
      ::PostMessageW(game.window(), WM_CLOSE, 0, 0);
      break;
    case Ending::altF4:
      // The key as the input line receives it: F4 with Alt held (bit 29 of the key data).
      ::PostMessageW(game.control(kText1), WM_SYSKEYDOWN, VK_F4, (1 << 29) | (0x3E << 16) | 1);
      break;
    case Ending::sessionEnd:
      // Windows asks, then ends the process itself once WM_ENDSESSION has been answered.
      ::SendMessageW(game.window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
      ::SendMessageW(game.window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
      mode = screenMode();
      report.check(mode.is(1024, 768), "the screen is 1024 x 768 again", mode.describe());
      game.kill();
      return;
  }
  report.check(game.waitForExit(kExitTimeout, code) && code == 0,
               name + " ends the program with status 0", std::to_string(code));
  mode = screenMode();
  report.check(mode.is(1024, 768), "the screen is 1024 x 768 again", mode.describe());
}

// A game with no catalogue beside the program.
void missingCatalogue(CheckReport& report, const Options& options) {
  report.note("a run without scripts.tex");
  std::wstring exe = gameFolder(options, "bez zpráv", false);
  std::string expectedPath = toUtf8(exe.substr(0, exe.rfind(L'\\'))) + "\\scripts.tex";
  KveltProcess game;
  if (!report.check(game.start(exe, options.workDir), "kvelt.exe starts")) return;
  HWND box = game.waitForDialog(kStartTimeout);
  if (!report.check(box != nullptr, "a message box appears")) return;
  ScreenMode mode = screenMode();
  report.check(mode.is(1024, 768), "the screen size is back before the message shows",
               mode.describe());
  std::string text = dialogText(box);
  report.check(text.find(expectedPath) != std::string::npos,
               "the message names the catalogue's full path", text);
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  DWORD code = 1234;
  report.check(game.waitForExit(kExitTimeout, code) && code == 1,
               "the program then ends with status 1", std::to_string(code));
}

// A game whose catalogue disappears while it runs: the next turn cannot go on.
void catalogueVanishes(CheckReport& report, const Options& options) {
  report.note("a run whose scripts.tex disappears");
  std::wstring exe = gameFolder(options, "vanishing", true);
  std::wstring catalogue = exe.substr(0, exe.rfind(L'\\')) + L"\\scripts.tex";
  KveltProcess game;
  if (!report.check(game.start(exe, options.workDir), "kvelt.exe starts")) return;
  if (!report.check(game.waitForWindow(kStartTimeout), "its window appears")) return;
  report.check(waitForOpening(game), "the screen is switched and the opening is shown");
  report.check(::DeleteFileW(catalogue.c_str()) != FALSE, "the catalogue is removed");
  game.postLine(kText1, "");
  HWND box = game.waitForDialog(kStartTimeout);
  if (!report.check(box != nullptr, "a message box appears")) return;
  ScreenMode mode = screenMode();
  report.check(mode.is(1024, 768), "the screen size is back", mode.describe());
  report.check(dialogText(box).find(toUtf8(catalogue)) != std::string::npos,
               "the message names the catalogue's full path", dialogText(box));
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  DWORD code = 1234;
  report.check(game.waitForExit(kExitTimeout, code) && code == 1,
               "the program then ends with status 1", std::to_string(code));
}

Options parse(int argc, wchar_t** argv) {
  Options options;
  if (argc >= 4) {
    options.kveltExe = argv[1];
    options.workDir = argv[2];
    options.screenshot = argv[3];
  }
  return options;
}

}  // namespace
}  // namespace kvelt::wine

int main() {
  using namespace kvelt::wine;
  int argc = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  Options options = parse(argc, argv);
  ::LocalFree(argv);
  if (options.kveltExe.empty()) {
    std::fprintf(stderr, "usage: driver.exe KVELT_EXE WORK_DIR SCREENSHOT_BMP\n");
    return 2;
  }
  // The accessibility interfaces are COM objects.
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  CheckReport report(options.workDir + L"\\driver.log");
  ScreenMode mode = screenMode();
  report.check(mode.is(1024, 768), "the desktop starts at 1024 x 768", mode.describe());

  std::string scratch = kvelt::joinPath(kvelt::toUtf8(options.workDir), "platform");
  ::CreateDirectoryW(kvelt::toUtf16(scratch).c_str(), nullptr);
  checkPlatform(report, scratch);
  playToExit(report, options);
  endFromOutside(report, options, Ending::closeMessage, "WM_CLOSE");
  endFromOutside(report, options, Ending::altF4, "Alt+F4");
  endFromOutside(report, options, Ending::sessionEnd, "the session ending");
  missingCatalogue(report, options);
  catalogueVanishes(report, options);
  keptBetweenRuns(report, options);
  deadEndWarning(report, options);
  helpBox(report, options);

  report.note(report.failures() == 0 ? "RESULT PASS"
                                     : "RESULT FAIL (" + std::to_string(report.failures()) + ")");
  return report.failures() == 0 ? 0 : 1;
}
