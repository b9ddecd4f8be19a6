// The full-screen terminal front end: keys in, the window's panes out.
#include "term_app.h"

#include <curses.h>
#include <langinfo.h>

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string_view>

#include "common/completion.h"
#include "common/game_arguments.h"
#include "common/input_history.h"
#include "common/tab_choices.h"
#include "input_line.h"
#include "screen.h"
#include "shell/display_settings.h"
#include "shell/files.h"
#include "shell/session.h"
#include "shell/shown_words.h"
#include "shell/window.h"

namespace kvelt::term {
namespace {

constexpr const char* kUsage = "usage: kvelt-term [--dir DIR]";
constexpr const char* kCatalogueError = "kvelt-term: cannot read the catalogue ";
constexpr wint_t kCtrlC = 3, kCtrlU = 21, kBackspace = 8, kDelete = 127;

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

// Curses reads and writes Czech letters only under a UTF-8 locale.
void useUtf8Locale() {
  if (std::setlocale(LC_ALL, "") != nullptr && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
    return;
  }
  if (std::setlocale(LC_ALL, "C.UTF-8") == nullptr) std::setlocale(LC_CTYPE, "C.utf8");
}

enum class Outcome { playing, closed, failed, noTerminal };

class TermApp {
 public:
  TermApp(Game& game, RecordingWindow& window) : game_(game), window_(window) {}

  // Runs until the game closes its window, a signal ends it, or the catalogue fails.
  Outcome run() {
    Screen screen;
    if (!screen.ready()) {
      closeWindow(game_);
      return Outcome::noTerminal;
    }
    // Waiting for a key times out now and then to notice an ending signal; the screen is only
    // drawn again when something happened.
    bool changed = true;
    for (;;) {
      if (changed) screen.draw(game_, input_, status());
      wint_t key = 0;
      const int kind = get_wch(&key);
      if (endingSignal != 0) return closeBySignal();
      changed = kind != ERR;
      if (kind == ERR) continue;
      const Outcome outcome = kind == KEY_CODE_YES ? onKeyCode(key, screen) : onLetter(key, screen);
      if (outcome != Outcome::playing) return outcome;
    }
  }

  std::string error;

 private:
  std::string status() const { return choices_.empty() ? window_.notices : choices_; }

  Outcome closeBySignal() {
    closeWindow(game_);
    return Outcome::closed;
  }

  Outcome onKeyCode(wint_t key, Screen& screen) {
    if (key != KEY_RESIZE && key != KEY_PPAGE && key != KEY_NPAGE) choices_.clear();
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
        screen.page(-1);
        break;
      case KEY_NPAGE:
        screen.page(+1);
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
        input_.backspace();
        break;
      case KEY_DC:
        input_.deleteForward();
        break;
      default:
        break;  // KEY_RESIZE and the rest: the next drawing follows the new size
    }
    return Outcome::playing;
  }

  Outcome onLetter(wint_t key, Screen& screen) {
    choices_.clear();
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
      case kBackspace:
      case kDelete:
        input_.backspace();
        break;
      default:
        if (key >= 0x20) input_.insert(static_cast<char32_t>(key));
        break;
    }
    return Outcome::playing;
  }

  void complete() {
    Completion done = completeLine(input_.beforeCursor(), visibleWords(game_));
    input_.replaceBeforeCursor(done.line);
    choices_ = tabChoices(done.candidates);
  }

  Outcome sendLine(Screen& screen) {
    const std::string line = input_.text();
    history_.add(line);
    input_.clear();
    window_.notices.clear();
    Status status = pressEnter(game_, line);
    if (!status.isOk()) {
      error = status.message();
      return Outcome::failed;
    }
    if (game_.windowClosed) return Outcome::closed;
    screen.toTop();
    return Outcome::playing;
  }

  Game& game_;
  RecordingWindow& window_;
  InputLine input_;
  InputHistory history_;
  std::string choices_;
};

}  // namespace

int runTerm(const std::vector<std::string>& args, std::ostream& err) {
  std::optional<GameArguments> arguments = parseGameArguments(args);
  if (!arguments) {
    err << kUsage << '\n';
    return 2;
  }
  const GameDirs& dirs = arguments->dirs;
  useUtf8Locale();

  RecordingWindow window;
  NullDisplay display;
  Game game;
  Status status =
      startGame(game, Platform{&window, &display, &systemFiles(), dirs.catalogueDir, dirs.saveDir});
  if (!status.isOk()) {
    err << kCatalogueError << status.message() << '\n';
    return 1;
  }
  catchEndingSignals();
  TermApp app(game, window);
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
