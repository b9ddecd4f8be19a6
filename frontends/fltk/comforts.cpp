// The game window's comforts: undo and redo, a new game, the saved slots, earlier pages.
#include "game_window.h"

namespace kvelt::fltk {

void GameWindow::onComfort(Comfort comfort) {
  choices_.clear();
  switch (comfort) {
    case Comfort::undo:
      session_->undo();
      break;
    case Comfort::redo:
      session_->redo();
      break;
    case Comfort::newGame: {
      Status status = session_->newGameKey();
      if (!status.isOk()) return fail(status);
      // The first press only asks; the second starts over as the program does.
      if (session_->status() == askNewGameStatus(KeyNames{})) return showStatus();
      return showInputLine();
    }
    case Comfort::savedSlots:
      session_->showSavedSlots();
      return showStatus();
    case Comfort::none:
      break;
  }
  refresh();
}

// Page Up at the top of a page shows the page before it; Page Down at its end the next one.
void GameWindow::onPage(int direction) {
  if (text2_->page(direction)) return;
  const bool turned = direction < 0 ? session_->pageBack() : session_->pageForward();
  if (turned) refresh();
}

// The wheel turns the pages as Page Up and Page Down do, once the text has run out.
void GameWindow::onWheelPastEnd(int direction) {
  const bool turned = direction < 0 ? session_->pageBack() : session_->pageForward();
  if (turned) refresh();
}

void GameWindow::backToLivePage() {
  if (!session_->browsing()) return;
  session_->toLivePage();
  refresh();
}

}  // namespace kvelt::fltk
