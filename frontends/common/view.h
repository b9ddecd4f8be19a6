// What a front end draws after every action, and what it may ask of the session.
#pragma once

#include <string>

#include "base/game.h"
#include "base/status.h"

namespace kvelt {

// Everything a front end shows. The panes keep CR LF between their lines as the game writes
// them; withNewlines() (pane_text.h) gives the plain LF form.
struct View {
  std::string narration;  // the live page, or a page read back under its heading
  std::string carried;    // the carried-objects pane that goes with it
  std::string input;      // the input line as the game left it
  Rgb inputBackground{};
  // The whole status line: Tab's choices while they stand, otherwise the turn's notices, a
  // blank, and the session's answer.
  std::string statusLine;
  bool ended = false;         // the game closed its window: the program ends
  bool newGameAsked = false;  // the new-game key waits for its second press
  bool browsing = false;      // an earlier page is shown
  // F3: the map stands over the narration pane until F3 again, Esc or typing (livePage).
  bool mapShown = false;
  bool gameOver = false;  // the story has ended; the next Enter leaves
  Integer posX = 0, posY = 0;
  Integer slot = 0;  // the slot the last save or load command named
};

// The player's comforts beside the game itself, each one action of the session.
enum class Comfort {
  none,
  undo,
  redo,
  newGame,
  savedSlots,
  pageBack,
  pageForward,
  livePage,  // typing goes back to the live page
  dismiss,   // any other key: a pending question and Tab's choices are withdrawn
  hint,
  map,
};

// What a comfort did, for the front end to redraw.
struct ActionResult {
  // An error means the catalogue cannot be read after a new game: the program must end.
  Status status = Status::ok();
  // The panes show another page (the status line may have changed either way).
  bool changed = true;
  bool newGame = false;  // a new game began: the input line takes the game's
};

}  // namespace kvelt
