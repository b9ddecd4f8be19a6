// One game in the page: the engine, its window and the files it saves into, as the page's
// script sees them.
#pragma once

#include <string>

#include "common/input_history.h"
#include "shell/display_settings.h"
#include "shell/game.h"
#include "shell/window.h"
#include "synced_files.h"

namespace kvelt::web {

// How an Enter ended, as the page's script reads it.
enum class EnterResult : int { played = 0, closed = 1, failed = 2 };

class BrowserSession {
 public:
  BrowserSession(std::string catalogueDir, std::string saveDir);

  // A new game from its opening page; false when the catalogue cannot be read.
  bool start();
  EnterResult enter(const std::string& line);

  // The panes as the page shows them: line ends "\n".
  std::string narration() const;
  std::string carried() const;
  const std::string& input() const { return game_.Text1; }
  Rgb inputColour() const { return window_.background; }
  bool gameOver() const { return game_.gameOver != kFalse; }

  // What the player should read outside the narration since the last call: failed saves and
  // loads, a catalogue that cannot be read.
  std::string takeNotices();
  // The slot whose files the last Enter wrote, 0 when it wrote none; the page then copies the
  // files into the browser's lasting storage.
  Integer takeSavedSlot();

  InputHistory& history() { return history_; }
  const Game& game() const { return game_; }

 private:
  std::string catalogueDir_;
  std::string saveDir_;
  RecordingWindow window_;
  NullDisplay display_;
  SyncedFiles files_;
  Game game_;
  InputHistory history_;
  std::string failure_;
};

}  // namespace kvelt::web
