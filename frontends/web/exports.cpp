// The functions the page's script calls; texts go both ways as UTF-8 C strings.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <string_view>

#include "browser_session.h"
#include "common/engine.h"
#include "common/map/map_description.h"
#include "common/map/map_svg.h"

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

// Whether a slot's two files, brought in from outside, would load: 1 or 0. The state file's
// bytes and the list file's size are enough; a load takes any list.
EMSCRIPTEN_KEEPALIVE int kvelt_slot_loadable(const char* state, int stateSize, int listSize) {
  if (listSize < 0 || stateSize < 0) return 0;
  return kvelt::loadableSlot(std::size_t(listSize), std::string_view(state, std::size_t(stateSize)))
             ? 1
             : 0;
}

// Before kvelt_start: 1 when this page holds the game's claim in the browser and keeps the game,
// 0 when another tab holds it.
EMSCRIPTEN_KEEPALIVE void kvelt_keep_between_runs(int claimed) {
  session().keepBetweenRuns(claimed != 0);
}

// Just after the first page: the planner looks at the game, for F1 and the dead-end warning.
EMSCRIPTEN_KEEPALIVE void kvelt_look_at_game() {
  session().play().lookAtGame();
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
  session().play().comfort(kvelt::Comfort::undo);
}

EMSCRIPTEN_KEEPALIVE void kvelt_redo() {
  session().play().comfort(kvelt::Comfort::redo);
}

EMSCRIPTEN_KEEPALIVE void kvelt_saved_slots() {
  session().play().comfort(kvelt::Comfort::savedSlots);
}

// F1: the next step of the hint, in the status line.
EMSCRIPTEN_KEEPALIVE void kvelt_hint() {
  session().play().comfort(kvelt::Comfort::hint);
}

// F3: the map over the narration pane, or the page again.
EMSCRIPTEN_KEEPALIVE void kvelt_map() {
  session().play().comfort(kvelt::Comfort::map);
}

EMSCRIPTEN_KEEPALIVE int kvelt_map_shown() {
  return session().play().view().mapShown ? 1 : 0;
}

// The map as a whole <svg> element, and the same in words for a screen reader.
EMSCRIPTEN_KEEPALIVE const char* kvelt_map_svg() {
  return handOver(kvelt::mapSvg(session().play().map()));
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_map_description() {
  return handOver(kvelt::mapDescription(session().play().map()));
}

// Any other key withdraws the new-game question and Tab's choices.
EMSCRIPTEN_KEEPALIVE void kvelt_dismiss() {
  session().play().comfort(kvelt::Comfort::dismiss);
}

// What the last Enter added to the page, for the screen reader; empty when the page only
// showed the same place again.
EMSCRIPTEN_KEEPALIVE const char* kvelt_reply() {
  return session().reply().c_str();
}

// Earlier pages: 1 when the panes now show another page.
EMSCRIPTEN_KEEPALIVE int kvelt_page_back() {
  return session().play().comfort(kvelt::Comfort::pageBack).changed ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int kvelt_page_forward() {
  return session().play().comfort(kvelt::Comfort::pageForward).changed ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int kvelt_browsing() {
  return session().play().view().browsing ? 1 : 0;
}

// Typing and Esc: the live page again, from an earlier page or from the map. 1 when the panes
// changed.
EMSCRIPTEN_KEEPALIVE int kvelt_to_live_page() {
  return session().play().comfort(kvelt::Comfort::livePage).changed ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_narration() {
  return handOver(session().narration());
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_carried() {
  return handOver(session().carried());
}

// The status line: Tab's choices while they stand, or the turn's notices and the answer.
EMSCRIPTEN_KEEPALIVE const char* kvelt_status() {
  return handOver(session().status());
}

EMSCRIPTEN_KEEPALIVE const char* kvelt_input() {
  return handOver(session().play().view().input);
}

// The input line's background as 0xRRGGBB.
EMSCRIPTEN_KEEPALIVE int kvelt_input_colour() {
  kvelt::Rgb colour = session().play().view().inputBackground;
  return colour.red << 16 | colour.green << 8 | colour.blue;
}

// The save folder's files written since the last call, one name a line.
EMSCRIPTEN_KEEPALIVE const char* kvelt_take_written() {
  return handOver(session().takeWritten());
}

// Tab: the line completed from the words on screen. The words it could not choose between
// stand in the status line until the next key.
EMSCRIPTEN_KEEPALIVE const char* kvelt_complete(const char* line) {
  return handOver(session().play().complete(line));
}

// The words a tap can add to the line, the same that Tab completes from, one a line.
EMSCRIPTEN_KEEPALIVE const char* kvelt_shown_words() {
  std::string words;
  for (const std::string& word : session().play().shownWords()) {
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
