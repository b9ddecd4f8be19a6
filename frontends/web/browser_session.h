// One game in the page: the engine with the comforts of every window, its window and the
// files it saves into, as the page's script sees them.
#pragma once

#include <string>

#include "common/engine.h"
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

  // Keeps the game in the browser's lasting storage after every turn and resumes it at start.
  // `claimed`: this page holds the game's claim (the other tabs of the game do not), so it
  // keeps; a page without it plays as before, without keeping. Call it before start().
  void keepBetweenRuns(bool claimed);
  // The opening page, or the kept game where it was left.
  Played start();
  Played enter(const std::string& line);
  // The new-game key: the first press asks, the second starts.
  Played newGameKey();
  // The closing screen's button: the player has already chosen, so nothing is asked.
  Played newGame();
  PlaySession& play() { return session_; }

  // The panes as the page shows them: line ends "\n"; the carried pane without its empty slots.
  std::string narration() const;
  std::string carried() const;
  // The status line, as a page says it: another tab, not another window, holds the kept game.
  std::string status() const;
  // What the last Enter added to the page, for the screen reader (new_reply.h).
  const std::string& reply() const { return reply_; }
  // Why the game cannot go on, after a failed start or key.
  const std::string& failure() const { return failure_; }

  // The files of the save folder written since the last call, one name a line; the page then
  // copies them into the browser's lasting storage.
  std::string takeWritten();

  InputHistory& history() { return history_; }

 private:
  Played outcome(const Status& status);

  RecordingWindow window_;
  NullDisplay display_;
  SyncedFiles files_;
  PlaySession session_;
  InputHistory history_;
  std::string failure_;
  std::string reply_;
};

}  // namespace kvelt::web
