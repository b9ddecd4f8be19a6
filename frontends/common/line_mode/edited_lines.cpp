// Line editing for the line mode on a terminal, through libedit: the arrows, Up and Down for
// earlier lines, and Tab completing from the words on screen.
#include <dlfcn.h>
#include <histedit.h>
#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "common/completion.h"
#include "common/line_mode/line_source.h"

namespace kvelt {
namespace {

constexpr int kHistorySize = 500;

// libedit is opened only when a terminal is there to edit on. Linked in, its loading (with the
// libtinfo, libbsd and libmd it brings) cost the piped line mode a tenth of the instructions of
// a whole winning game (tests/instruction_budget_test.py).
struct Libedit {
  decltype(&::el_init) init = nullptr;
  decltype(&::el_end) end = nullptr;
  decltype(&::el_set) set = nullptr;
  decltype(&::el_get) get = nullptr;
  decltype(&::el_gets) gets = nullptr;
  decltype(&::el_source) source = nullptr;
  decltype(&::el_line) line = nullptr;
  decltype(&::el_insertstr) insertstr = nullptr;
  decltype(&::el_deletestr) deletestr = nullptr;
  decltype(&::history_init) historyInit = nullptr;
  decltype(&::history_end) historyEnd = nullptr;
  decltype(&::history) history = nullptr;
};

template <typename Function>
bool find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

// Nothing when the library is not installed: the plain lines serve then.
std::optional<Libedit> loadLibedit() {
  void* library = dlopen("libedit.so.2", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return std::nullopt;
  Libedit api;
  if (find(library, "el_init", api.init) && find(library, "el_end", api.end) &&
      find(library, "el_set", api.set) && find(library, "el_get", api.get) &&
      find(library, "el_gets", api.gets) && find(library, "el_source", api.source) &&
      find(library, "el_line", api.line) && find(library, "el_insertstr", api.insertstr) &&
      find(library, "el_deletestr", api.deletestr) &&
      find(library, "history_init", api.historyInit) &&
      find(library, "history_end", api.historyEnd) && find(library, "history", api.history)) {
    return api;  // stays loaded for the rest of the program
  }
  dlclose(library);
  return std::nullopt;
}

// Loaded once, on first use, and kept: the editor's callbacks reach it from here.
const Libedit* libedit() {
  static const std::optional<Libedit> loaded = loadLibedit();
  return loaded ? &*loaded : nullptr;
}

// libedit reads and shows Czech letters only under a UTF-8 locale.
bool useUtf8Locale() {
  if (std::setlocale(LC_CTYPE, "") != nullptr && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
    return true;
  }
  return std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
}

std::size_t codePoints(const std::string& text) {
  std::size_t count = 0;
  for (unsigned char byte : text) count += (byte & 0xC0) != 0x80;
  return count;
}

class EditedLines : public LineSource {
 public:
  EditedLines(const Libedit& api, WordsOnScreen words) : api_(api), words_(std::move(words)) {
    history_ = api_.historyInit();
    HistEvent event;
    api_.history(history_, &event, H_SETSIZE, kHistorySize);
    api_.history(history_, &event, H_SETUNIQUE, 1);
    editor_ = api_.init("kvelt-cli", stdin, stdout, stderr);
    api_.set(editor_, EL_CLIENTDATA, this);
    api_.set(editor_, EL_EDITOR, "emacs");
    api_.set(editor_, EL_SIGNAL, 1);  // follows a resize, and puts the terminal back on a signal
    api_.set(editor_, EL_PROMPT, &EditedLines::prompt);
    api_.set(editor_, EL_HIST, api_.history, history_);
    api_.set(editor_, EL_ADDFN, "kvelt-complete", "complete the word from the words on screen",
             &EditedLines::complete);
    api_.set(editor_, EL_BIND, "^I", "kvelt-complete", nullptr);
    api_.source(editor_, nullptr);  // the player's own ~/.editrc, as every libedit program reads
  }
  ~EditedLines() override {
    api_.end(editor_);
    api_.historyEnd(history_);
  }
  EditedLines(const EditedLines&) = delete;
  EditedLines& operator=(const EditedLines&) = delete;

  std::optional<std::string> next() override {
    int count = 0;
    const char* read = api_.gets(editor_, &count);
    if (read == nullptr || count <= 0) return std::nullopt;
    std::string line(read, static_cast<std::size_t>(count));
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!line.empty()) {
      HistEvent event;
      api_.history(history_, &event, H_ENTER, line.c_str());
    }
    return line;
  }
  bool prompts() const override { return true; }

 private:
  static char* prompt(EditLine*) { return const_cast<char*>("> "); }

  static unsigned char complete(EditLine* editor, int) {
    void* data = nullptr;
    libedit()->get(editor, EL_CLIENTDATA, &data);
    auto* self = static_cast<EditedLines*>(data);
    const Libedit& api = self->api_;
    const LineInfo* info = api.line(editor);
    const std::string before(info->buffer, info->cursor);
    Completion done = completeLine(before, self->words_());
    if (done.candidates.size() > 1) {
      // As a shell does: the words that fit under the line, then the line again.
      std::string list = "\n";
      for (const std::string& word : done.candidates) list += word + "  ";
      std::fputs((list + "\n").c_str(), stdout);
    }
    if (done.line == before) return done.candidates.size() > 1 ? CC_REDISPLAY : CC_REFRESH_BEEP;
    api.deletestr(editor, static_cast<int>(codePoints(before)));
    api.insertstr(editor, done.line.c_str());
    return done.candidates.size() > 1 ? CC_REDISPLAY : CC_REFRESH;
  }

  const Libedit& api_;
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
  const Libedit* api = libedit();
  if (api == nullptr || !useUtf8Locale()) return nullptr;
  return std::make_unique<EditedLines>(*api, std::move(words));
}

}  // namespace kvelt
