// Line editing for the line mode on a terminal, through libedit: the arrows, Up and Down for
// earlier lines, Tab completing from the words on screen, and the comfort keys.
#include <histedit.h>
#include <langinfo.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "common/comfort_keys.h"
#include "common/completion.h"
#include "common/engine.h"
#include "common/line_mode/line_source.h"

namespace kvelt {
namespace {

constexpr int kHistorySize = 500;

// What the comfort keys send, as the common terminals (xterm and its kin, rxvt, the Linux
// console) write them; a terminal sends Alt+letter as Esc and the letter.
struct ComfortBinding {
  const char* function;
  std::array<const char*, 3> sequences;  // the unused ones null
};
constexpr ComfortBinding kComfortBindings[] = {
    {"kvelt-undo", {"\033u"}},                           // Alt+U
    {"kvelt-redo", {"^Y"}},                              // Ctrl+Y
    {"kvelt-new-game", {"\033n"}},                       // Alt+N
    {"kvelt-hint", {"\033OP", "\033[11~", "\033[[A"}},   // F1
    {"kvelt-slots", {"\033OQ", "\033[12~", "\033[[B"}},  // F2
    {"kvelt-map", {"\033OR", "\033[13~", "\033[[C"}},    // F3
    {"kvelt-page-back", {"\033[5~"}},                    // Page Up
    {"kvelt-page-forward", {"\033[6~"}},                 // Page Down
    {"kvelt-ctrl-z", {"^Z"}},                            // Ctrl+Z
};

// libedit reads and shows Czech letters only under a UTF-8 locale.
bool useUtf8Locale() {
  if (std::setlocale(LC_CTYPE, "") != nullptr && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
    return true;
  }
  return std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
}

class EditedLines : public LineSource {
 public:
  EditedLines(WordsOnScreen words, ComfortKeys comforts)
      : words_(std::move(words)), comforts_(std::move(comforts)) {
    history_ = history_init();
    HistEvent event;
    ::history(history_, &event, H_SETSIZE, kHistorySize);
    ::history(history_, &event, H_SETUNIQUE, 1);
    editor_ = el_init("kvelt-cli", stdin, stdout, stderr);
    el_set(editor_, EL_CLIENTDATA, this);
    el_set(editor_, EL_EDITOR, "emacs");
    el_set(editor_, EL_SIGNAL, 1);  // follows a resize, and puts the terminal back on a signal
    el_set(editor_, EL_PROMPT, &EditedLines::prompt);
    el_set(editor_, EL_HIST, ::history, history_);
    el_set(editor_, EL_ADDFN, "kvelt-complete", "complete the word from the words on screen",
           &EditedLines::complete);
    el_set(editor_, EL_BIND, "^I", "kvelt-complete", nullptr);
    bindComforts();
    el_source(editor_, nullptr);  // the player's own ~/.editrc, as every libedit program reads
  }
  ~EditedLines() override {
    el_end(editor_);
    history_end(history_);
  }
  EditedLines(const EditedLines&) = delete;
  EditedLines& operator=(const EditedLines&) = delete;

  std::optional<std::string> next() override {
    int count = 0;
    const char* read = el_gets(editor_, &count);
    if (read == nullptr || count <= 0) return std::nullopt;
    std::string line(read, static_cast<std::size_t>(count));
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!line.empty()) {
      HistEvent event;
      ::history(history_, &event, H_ENTER, line.c_str());
    }
    return line;
  }

 private:
  static char* prompt(EditLine*) { return const_cast<char*>("> "); }

  static EditedLines& of(EditLine* editor) {
    void* data = nullptr;
    el_get(editor, EL_CLIENTDATA, &data);
    return *static_cast<EditedLines*>(data);
  }

  void bindComforts() {
    addComfort<Comfort::undo>("kvelt-undo", "take the last turn back");
    addComfort<Comfort::redo>("kvelt-redo", "play the turn taken back again");
    addComfort<Comfort::newGame>("kvelt-new-game", "a new game, at the second press");
    addComfort<Comfort::hint>("kvelt-hint", "a hint");
    addComfort<Comfort::savedSlots>("kvelt-slots", "show the saved games");
    addComfort<Comfort::map>("kvelt-map", "show the map of what was seen");
    addComfort<Comfort::pageBack>("kvelt-page-back", "show the page before");
    addComfort<Comfort::pageForward>("kvelt-page-forward", "show the page after");
    el_set(editor_, EL_ADDFN, "kvelt-ctrl-z", "take the last turn back on an empty line",
           &EditedLines::ctrlZ);
    for (const ComfortBinding& binding : kComfortBindings) {
      for (const char* sequence : binding.sequences) {
        if (sequence != nullptr) el_set(editor_, EL_BIND, sequence, binding.function, nullptr);
      }
    }
    // Ctrl+Z is a key of the game, so the terminal must not turn it into a stop while a line is
    // edited (nor Ctrl+Y, where it is a delayed stop). In the editing mode only: libedit puts
    // the terminal's own setting back whenever it hands a line over, so that the program can
    // still be stopped while it works.
    el_set(editor_, EL_SETTY, "-d", "-susp", "susp=", nullptr);
#ifdef VDSUSP
    el_set(editor_, EL_SETTY, "-d", "-dsusp", "dsusp=", nullptr);
#endif
  }

  template <Comfort which>
  void addComfort(const char* name, const char* help) {
    el_set(editor_, EL_ADDFN, name, help, &EditedLines::onComfort<which>);
  }

  template <Comfort which>
  static unsigned char onComfort(EditLine* editor, int) {
    return of(editor).comfort(editor, which);
  }

  static unsigned char ctrlZ(EditLine* editor, int) {
    const LineInfo* info = el_line(editor);
    const Comfort which =
        comfortOf(KeyChord{.letter = 'z', .ctrl = true}, info->lastchar == info->buffer);
    if (which == Comfort::none) return CC_REFRESH_BEEP;
    return of(editor).comfort(editor, which);
  }

  static void emptyLine(EditLine* editor) {
    const LineInfo* info = el_line(editor);
    el_cursor(editor, static_cast<int>(info->lastchar - info->cursor));
    info = el_line(editor);
    const std::string_view line(info->buffer,
                                static_cast<std::size_t>(info->lastchar - info->buffer));
    el_deletestr(editor, static_cast<int>(decodeUtf8(line).size()));
  }

  // What the comfort shows goes under the line being edited, which is then drawn again below.
  unsigned char comfort(EditLine* editor, Comfort which) {
    std::fputs("\n", stdout);
    const AfterComfort after = comforts_(which);
    std::fflush(stdout);
    if (after == AfterComfort::endInput) return CC_EOF;
    if (after == AfterComfort::emptyLine) emptyLine(editor);
    return CC_REDISPLAY;
  }

  static unsigned char complete(EditLine* editor, int) {
    const LineInfo* info = el_line(editor);
    const std::string before(info->buffer, info->cursor);
    Completion done = completeLine(before, of(editor).words_());
    if (done.candidates.size() > 1) {
      // As a shell does: the words that fit under the line, then the line again.
      std::string list = "\n";
      for (const std::string& word : done.candidates) list += word + "  ";
      std::fputs((list + "\n").c_str(), stdout);
    }
    if (done.line == before) return done.candidates.size() > 1 ? CC_REDISPLAY : CC_REFRESH_BEEP;
    el_deletestr(editor, static_cast<int>(decodeUtf8(before).size()));
    el_insertstr(editor, done.line.c_str());
    return done.candidates.size() > 1 ? CC_REDISPLAY : CC_REFRESH;
  }

  WordsOnScreen words_;
  ComfortKeys comforts_;
  History* history_ = nullptr;
  EditLine* editor_ = nullptr;
};

// A terminal that cannot move the cursor ("dumb", an editor's shell buffer) is better served
// by the plain lines, which a screen reader follows too.
bool canEdit() {
  if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) return false;
  const char* type = std::getenv("TERM");
  return type != nullptr && *type != '\0' && std::strcmp(type, "dumb") != 0;
}

}  // namespace

std::unique_ptr<LineSource> editedLines(WordsOnScreen words, ComfortKeys comforts) {
  if (!canEdit()) return nullptr;
  if (!useUtf8Locale()) return nullptr;
  return std::make_unique<EditedLines>(std::move(words), std::move(comforts));
}

}  // namespace kvelt
