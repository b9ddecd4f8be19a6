// The full-screen terminal front end: keys in, the window's panes out.
#include "term_app.h"

#include <curses.h>
#include <langinfo.h>

#include <cctype>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <ostream>
#include <string_view>

#include "common/comfort_keys.h"
#include "common/completion.h"
#include "common/engine.h"
#include "common/game_arguments.h"
#include "common/input_history.h"
#include "common/line_mode/line_mode.h"
#include "common/map/map_text.h"
#include "common/play_session.h"
#include "common/recording_window.h"
#include "common/standard_streams.h"
#include "common/transcript_file.h"
#include "input_line.h"
#include "screen.h"
#include "terminal_check.h"

namespace kvelt::term {
namespace {

const ProgramDescription kProgram{
    "kvelt-term",
    "Okno hry v terminálu o velikosti aspoň 80 × 24; hra pokračuje, kde minule skončila.\n"
    "Ctrl-C hru ukončí.\n"
    "The game's window in a terminal of at least 80 × 24; the game goes on where it was left.\n"
    "Ctrl-C leaves.",
    {{"transcript", "FILE", "záznam hry do souboru / a transcript of the game into FILE"},
     {"new", "", "nová hra místo uchované / a new game instead of the kept one"},
     {"no-warnings", "",
      "bez varování, že hru už nelze vyhrát / no warning when the game can no longer be won"}},
    std::string(kComfortKeysHelp) +
        "\nF4 ukáže další část dlouhého stavového řádku, Esc vrátí stránku z mapy.\n"
        "F4 shows the rest of a long status line; Esc brings the page back from the map.\n"};
constexpr const char* kCatalogueError = "kvelt-term: cannot read the catalogue ";
constexpr wint_t kCtrlC = 3, kCtrlU = 21, kBackspace = 8, kDelete = 127;
// Raw mode hands these over as keys: Ctrl+Z never suspends the game.
constexpr wint_t kCtrlY = 25, kCtrlZ = 26, kEscape = 27;

volatile std::sig_atomic_t endingSignal = 0;

void onEndingSignal(int number) {
  endingSignal = number;
}

// Without SA_RESTART, so that waiting for a key gives way at once.
void catchEndingSignals() {
  struct sigaction action {};
  action.sa_handler = onEndingSignal;
  sigemptyset(&action.sa_mask);
  for (int number : {SIGINT, SIGTERM, SIGHUP}) sigaction(number, &action, nullptr);
}

// Curses reads and writes Czech letters only under a UTF-8 locale. Returns whether the player's
// own locale was one: a terminal set up for another may not show box-drawing lines.
bool useUtf8Locale() {
  if (std::setlocale(LC_ALL, "") != nullptr && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
    return true;
  }
  if (std::setlocale(LC_ALL, "C.UTF-8") == nullptr) std::setlocale(LC_CTYPE, "C.utf8");
  return false;
}

// The line mode keeps nothing and warns of nothing unless asked, so kvelt-term's --new and
// --no-warnings are already true of it: it gets only the folders and the transcript. Equal
// folders are what --dir gives, so naming them keeps the game where it was.
std::vector<std::string> lineModeArguments(const GameArguments& game) {
  std::vector<std::string> args;
  if (game.dirs.catalogueDir == game.dirs.saveDir) args.push_back("--dir=" + game.dirs.saveDir);
  if (const std::optional<std::string> transcript = game.transcript()) {
    args.push_back("--transcript=" + *transcript);
  }
  return args;
}

enum class Outcome { playing, closed, failed, noTerminal };

class TermApp {
 public:
  TermApp(PlaySession& session, bool utf8Locale) : session_(session), utf8Locale_(utf8Locale) {}

  // Runs until the game closes its window, a signal ends it, or the catalogue fails.
  Outcome run() {
    Screen screen(utf8Locale_);
    if (!screen.ready()) {
      session_.close();
      return Outcome::noTerminal;
    }
    // Waiting for a key times out now and then to notice an ending signal; the screen is only
    // drawn again when something happened.
    bool changed = true;
    for (;;) {
      if (changed) {
        const View view = session_.view();
        screen.draw(view, input_,
                    view.mapShown ? mapText(session_.map(), screen.mapGlyphs())
                                  : std::vector<std::string>{});
      }
      wint_t key = 0;
      const int kind = get_wch(&key);
      if (endingSignal != 0) return closeBySignal();
      changed = kind != ERR;
      if (kind == ERR && terminalGone()) return closeBySignal();
      if (kind == ERR) continue;
      if (kind != KEY_CODE_YES && key == kEscape) {
        const Outcome outcome = onAltKey(screen);
        if (outcome != Outcome::playing) return outcome;
        continue;
      }
      // Any key but a resize, the page keys and F4, which reads on in the status line, withdraws
      // a question and Tab's choices.
      if (!(kind == KEY_CODE_YES &&
            (key == KEY_RESIZE || key == KEY_PPAGE || key == KEY_NPAGE || key == KEY_F(4)))) {
        session_.comfort(Comfort::dismiss);
      }
      const Outcome outcome = kind == KEY_CODE_YES ? onKeyCode(key, screen) : onLetter(key, screen);
      if (outcome != Outcome::playing) return outcome;
    }
  }

  std::string error;

 private:
  Outcome closeBySignal() {
    session_.close();
    return Outcome::closed;
  }

  // Alt and a letter arrive as Escape and the letter; Escape alone goes back to the live page.
  Outcome onAltKey(Screen& screen) {
    wint_t key = 0;
    timeout(50);
    const int kind = get_wch(&key);
    timeout(200);
    if (kind == ERR) {
      session_.comfort(Comfort::dismiss);
      backToLive(screen);
      return Outcome::playing;
    }
    const bool letter = kind != ERR && kind != KEY_CODE_YES;
    KeyChord chord{.alt = true};
    if (letter && key < 0x80) chord.letter = static_cast<char>(std::tolower(static_cast<int>(key)));
    if (chord.letter != 'n') session_.comfort(Comfort::dismiss);
    return act(screen, session_.press(chord, input_.text().empty()));
  }

  // A comfort key's result: the page it leaves starts at its top.
  Outcome act(Screen& screen, std::optional<ActionResult> result) {
    if (!result) return Outcome::playing;
    if (!result->status.isOk()) {
      error = result->status.message();
      return Outcome::failed;
    }
    if (result->changed) screen.toTop();
    return Outcome::playing;
  }

  Outcome ctrlKey(Screen& screen, char letter) {
    return act(screen, session_.press({.letter = letter, .ctrl = true}, input_.text().empty()));
  }

  // Over the map, the page keys first show the page again where it was.
  bool hideMap() {
    if (!session_.view().mapShown) return false;
    session_.comfort(Comfort::map);
    return true;
  }

  // Page Up at the top of a page shows the page before it; Page Down at its end the next one.
  void pageUp(Screen& screen) {
    if (hideMap()) return;
    if (screen.atTop()) {
      if (session_.comfort(Comfort::pageBack).changed) screen.toTop();
      return;
    }
    screen.page(-1);
  }
  void pageDown(Screen& screen) {
    if (hideMap()) return;
    if (screen.atBottom() && session_.view().browsing) {
      session_.comfort(Comfort::pageForward);
      screen.toTop();
      return;
    }
    screen.page(+1);
  }

  // Typing goes on the live page.
  void backToLive(Screen& screen) {
    if (session_.comfort(Comfort::livePage).changed) screen.toTop();
  }

  Outcome onKeyCode(wint_t key, Screen& screen) {
    switch (key) {
      case KEY_ENTER:
        return sendLine(screen);
      case KEY_UP:
        if (auto line = history_.older(input_.text())) input_.set(*line);
        break;
      case KEY_DOWN:
        if (auto line = history_.newer()) input_.set(*line);
        break;
      case KEY_PPAGE:
        pageUp(screen);
        break;
      case KEY_NPAGE:
        pageDown(screen);
        break;
      case KEY_F(1):
        return act(screen, session_.press({.f1 = true}, input_.text().empty()));
      case KEY_F(2):
        return act(screen, session_.press({.f2 = true}, input_.text().empty()));
      case KEY_F(3):
        return act(screen, session_.press({.f3 = true}, input_.text().empty()));
      case KEY_F(4):
        screen.nextStatusPart();
        break;
      case KEY_LEFT:
        input_.left();
        break;
      case KEY_RIGHT:
        input_.right();
        break;
      case KEY_HOME:
        input_.home();
        break;
      case KEY_END:
        input_.end();
        break;
      case KEY_BACKSPACE:
        backToLive(screen);
        input_.backspace();
        break;
      case KEY_DC:
        backToLive(screen);
        input_.deleteForward();
        break;
      default:
        break;  // KEY_RESIZE and the rest: the next drawing follows the new size
    }
    return Outcome::playing;
  }

  Outcome onLetter(wint_t key, Screen& screen) {
    switch (key) {
      case L'\r':
      case L'\n':
        return sendLine(screen);
      case L'\t':
        complete();
        break;
      case kCtrlC:
        endingSignal = SIGINT;
        return closeBySignal();
      case kCtrlU:
        input_.clear();
        break;
      case kCtrlZ:
        return ctrlKey(screen, 'z');
      case kCtrlY:
        return ctrlKey(screen, 'y');
      case kBackspace:
      case kDelete:
        backToLive(screen);
        input_.backspace();
        break;
      default:
        if (key >= 0x20) {
          backToLive(screen);
          input_.insert(static_cast<char32_t>(key));
        }
        break;
    }
    return Outcome::playing;
  }

  void complete() { input_.replaceBeforeCursor(session_.complete(input_.beforeCursor())); }

  Outcome sendLine(Screen& screen) {
    const std::string line = input_.text();
    history_.add(line);
    input_.clear();
    Status status = session_.enter(line);
    if (!status.isOk()) {
      error = status.message();
      return Outcome::failed;
    }
    if (session_.view().ended) return Outcome::closed;
    screen.toTop();
    return Outcome::playing;
  }

  PlaySession& session_;
  bool utf8Locale_;
  InputLine input_;
  InputHistory history_;
};

}  // namespace

int runTerm(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandLine commandLine = readCommandLine(kProgram, args);
  out << commandLine.output;
  err << commandLine.error;
  if (!commandLine.game) return commandLine.exitStatus;
  const GameDirs& dirs = commandLine.game->dirs;
  if (const std::string why = whyNoScreen(); !why.empty()) {
    err << "kvelt-term: " << why << "; the game goes on in line mode (kvelt-cli)" << std::endl;
    return runLineMode(lineModeArguments(*commandLine.game), stdin, stdout, stderr);
  }
  const std::optional<std::string> transcriptPath = commandLine.game->transcript();
  const bool utf8Locale = useUtf8Locale();

  RecordingWindow window;
  NullDisplay display;
  PlaySession session(Platform{&window, &display, &systemFiles(), dirs.catalogueDir, dirs.saveDir});
  if (transcriptPath) session.setTranscript(*transcriptPath);
  session.keepBetweenRuns(commandLine.game->has("new") ? KeptStart::fresh : KeptStart::resume);
  session.setWarnings(!commandLine.game->has("no-warnings"));
  Status status = session.start();
  if (!status.isOk()) {
    err << kCatalogueError << status.message() << '\n';
    return 1;
  }
  catchEndingSignals();
  TermApp app(session, utf8Locale);
  const Outcome outcome = app.run();  // the terminal is back to normal once run() returns
  if (outcome == Outcome::noTerminal) {
    const char* type = std::getenv("TERM");
    err << "kvelt-term: cannot use the terminal " << (type != nullptr ? type : "(TERM unset)")
        << "; kvelt-cli plays the game in line mode\n";
    return 1;
  }
  if (outcome == Outcome::failed) {
    err << kCatalogueError << app.error << '\n';
    return 1;
  }
  return endingSignal != 0 ? 128 + endingSignal : 0;
}

}  // namespace kvelt::term
