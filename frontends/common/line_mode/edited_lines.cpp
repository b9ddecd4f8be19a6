// Line editing for the line mode on a terminal, through libedit: the arrows, Up and Down for
// earlier lines, and Tab completing from the words on screen.
#include <histedit.h>
#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "common/completion.h"
#include "common/engine.h"
#include "common/line_mode/line_source.h"

namespace kvelt {
namespace {

constexpr int kHistorySize = 500;

// libedit reads and shows Czech letters only under a UTF-8 locale.
bool useUtf8Locale() {
  if (std::setlocale(LC_CTYPE, "") != nullptr && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
    return true;
  }
  return std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
}

class EditedLines : public LineSource {
 public:
  explicit EditedLines(WordsOnScreen words) : words_(std::move(words)) {
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
  bool prompts() const override { return true; }

 private:
  static char* prompt(EditLine*) { return const_cast<char*>("> "); }

  static unsigned char complete(EditLine* editor, int) {
    void* data = nullptr;
    el_get(editor, EL_CLIENTDATA, &data);
    auto* self = static_cast<EditedLines*>(data);
    const LineInfo* info = el_line(editor);
    const std::string before(info->buffer, info->cursor);
    Completion done = completeLine(before, self->words_());
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

std::unique_ptr<LineSource> editedLines(WordsOnScreen words) {
  if (!canEdit()) return nullptr;
  if (!useUtf8Locale()) return nullptr;
  return std::make_unique<EditedLines>(std::move(words));
}

}  // namespace kvelt
