// The functions the page's script calls; texts go both ways as UTF-8 C strings.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "base/window.h"
#include "browser_session.h"
#include "common/completion.h"
#include "common/shown_words.h"
#include "common/tab_choices.h"
#include "persistence/save_files.h"

namespace {

// The page's file system: the catalogue is fetched into the first folder, the second is kept
// in the browser's IndexedDB.
constexpr const char* kCatalogueDir = "/kvelt";
constexpr const char* kSaveDir = "/kvelt/saves";

kvelt::web::BrowserSession& session() {
  static kvelt::web::BrowserSession instance(kCatalogueDir, kSaveDir);
  return instance;
}

// A returned text stays valid until the next call that returns one; the script copies it at
// once.
const char* handOver(std::string text) {
  static std::string held;
  held = std::move(text);
  return held.c_str();
}

const char* handOver(const std::optional<std::string>& text) {
  return text ? handOver(*text) : nullptr;
}

std::string& offered() {
  static std::string words;
  return words;
}

int played(kvelt::web::Played outcome) {
  return static_cast<int>(outcome);
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* kvelt_catalogue_dir() {
  return kCatalogueDir;
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_save_dir() {
  return kSaveDir;
}

// The two labels of the window.
EMSCRIPTEN_KEEPALIVE const char* kvelt_carried_caption() {
  return kvelt::kCarriedCaption;
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_credit() {
  return kvelt::kCredit;
}

// The page could not keep the slot's files in the browser: the same notice as a failed save.
EMSCRIPTEN_KEEPALIVE const char* kvelt_save_failed_notice(int slot) {
  return handOver(kvelt::saveFailedNotice(kvelt::Integer(slot)));
}

// The keys that play return 0 when the game goes on, 1 when it closed its window, 2 when the
// catalogue cannot be read (kvelt_failure says why).
EMSCRIPTEN_KEEPALIVE int kvelt_start() {
  return played(session().start());
}

EMSCRIPTEN_KEEPALIVE int kvelt_enter(const char* line) {
  return played(session().enter(line));
}

EMSCRIPTEN_KEEPALIVE int kvelt_new_game_key() {
  return played(session().newGameKey());
}

EMSCRIPTEN_KEEPALIVE int kvelt_new_game() {
  return played(session().newGame());
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_failure() {
  return session().failure().c_str();
}

EMSCRIPTEN_KEEPALIVE void kvelt_undo() {
  session().play().undo();
}

EMSCRIPTEN_KEEPALIVE void kvelt_redo() {
  session().play().redo();
}

EMSCRIPTEN_KEEPALIVE void kvelt_saved_slots() {
  session().play().showSavedSlots();
}

// Any other key withdraws the new-game question.
EMSCRIPTEN_KEEPALIVE void kvelt_dismiss() {
  session().play().dismiss();
}

// Earlier pages: 1 when the panes now show another page.
EMSCRIPTEN_KEEPALIVE int kvelt_page_back() {
  return session().play().pageBack() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int kvelt_page_forward() {
  return session().play().pageForward() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int kvelt_browsing() {
  return session().play().browsing() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void kvelt_to_live_page() {
  session().play().toLivePage();
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_narration() {
  return handOver(session().narration());
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_carried() {
  return handOver(session().carried());
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_status() {
  return handOver(session().status());
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_input() {
  return session().game().Text1.c_str();
}

// The input line's background as 0xRRGGBB.
EMSCRIPTEN_KEEPALIVE int kvelt_input_colour() {
  kvelt::Rgb colour = session().inputColour();
  return colour.red << 16 | colour.green << 8 | colour.blue;
}

EMSCRIPTEN_KEEPALIVE int kvelt_take_saved_slot() {
  return session().takeSavedSlot();
}

// Tab: the line completed from the words on screen. The words it could not choose between
// wait for kvelt_offered.
EMSCRIPTEN_KEEPALIVE const char* kvelt_complete(const char* line) {
  kvelt::Completion completion = kvelt::completeLine(line, kvelt::visibleWords(session().game()));
  offered() = kvelt::tabChoices(completion.candidates);
  return handOver(completion.line);
}

// The words the last Tab could not choose between, ", " between them; empty when it could.
EMSCRIPTEN_KEEPALIVE const char* kvelt_offered() {
  return offered().c_str();
}

// The words a tap can add to the line, the same that Tab completes from, one a line.
EMSCRIPTEN_KEEPALIVE const char* kvelt_shown_words() {
  std::string words;
  for (const std::string& word : kvelt::visibleWords(session().game())) {
    if (!words.empty()) words += '\n';
    words += word;
  }
  return handOver(std::move(words));
}

// Up and Down; null when there is no line further that way.
EMSCRIPTEN_KEEPALIVE const char* kvelt_history_older(const char* editing) {
  return handOver(session().history().older(editing));
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_history_newer() {
  return handOver(session().history().newer());
}

}  // extern "C"
