// One game in the page: the engine with the comforts of every window, its window and the
// files it saves into, as the page's script sees them.
#pragma once

#include <string>

#include "base/display_settings.h"
#include "base/game.h"
#include "base/window.h"
#include "common/input_history.h"
#include "common/play_session.h"
#include "common/recording_window.h"
#include "synced_files.h"

namespace kvelt::web {

// How a key that plays ended, as the page's script reads it.
enum class Played : int { playing = 0, closed = 1, failed = 2 };

class BrowserSession {
 public:
  BrowserSession(const std::string& catalogueDir, const std::string& saveDir);

  // The opening page.
  Played start();
  Played enter(const std::string& line);
  // The new-game key: the first press asks, the second starts.
  Played newGameKey();
  // The closing screen's button: the player has already chosen, so nothing is asked.
  Played newGame();
  PlaySession& play() { return session_; }

  // The panes as the page shows them: line ends "\n".
  std::string narration() const;
  std::string carried() const;
  // Why the game cannot go on, after a failed start or key.
  const std::string& failure() const { return failure_; }

  // The slot whose files the last Enter wrote, 0 when it wrote none; the page then copies the
  // files into the browser's lasting storage.
  Integer takeSavedSlot();

  InputHistory& history() { return history_; }

 private:
  Played outcome(const Status& status);

  RecordingWindow window_;
  NullDisplay display_;
  SyncedFiles files_;
  PlaySession session_;
  InputHistory history_;
  std::string failure_;
};

}  // namespace kvelt::web
