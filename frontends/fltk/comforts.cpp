// The game window's comforts: undo and redo, a new game, the saved slots, earlier pages.
#include "game_window.h"

namespace kvelt::fltk {

bool GameWindow::onChord(const KeyChord& key) {
  const std::optional<ActionResult> result = session_->press(key, text1_->size() == 0);
  if (!result) return false;
  if (!result->status.isOk()) {
    fail(result->status);
  } else if (result->newGame) {
    showInputLine();
  } else if (result->changed) {
    refresh();
  } else {
    showStatus();
  }
  return true;
}

// Page Up at the top of a page shows the page before it; Page Down at its end the next one.
// Over the map they take the map down first, the page as it was.
void GameWindow::onPage(int direction) {
  if (map_->visible()) {
    if (session_->comfort(Comfort::map).changed) refresh();
    return;
  }
  if (text2_->page(direction)) return;
  if (session_->comfort(direction < 0 ? Comfort::pageBack : Comfort::pageForward).changed) {
    refresh();
  }
}

// The wheel turns the pages as Page Up and Page Down do, once the text has run out.
void GameWindow::onWheelPastEnd(int direction) {
  if (session_->comfort(direction < 0 ? Comfort::pageBack : Comfort::pageForward).changed) {
    refresh();
  }
}

void GameWindow::backToLivePage() {
  if (session_->comfort(Comfort::livePage).changed) refresh();
}

}  // namespace kvelt::fltk
