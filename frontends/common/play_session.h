// One game as an interactive front end plays it: the engine's turns with undo, a new game, the
// status line, earlier pages and the transcript. A front end only delivers keys and draws.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/game.h"
#include "base/status.h"
#include "base/window.h"
#include "common/kept_session.h"
#include "common/page_history.h"
#include "common/saved_slots.h"
#include "common/transcript_file.h"
#include "common/turn_status.h"
#include "common/undo_stack.h"

namespace kvelt {

class PlaySession {
 public:
  // `platform` as startGame takes it. Its window still gets the engine's notices; the session
  // hears them too, for the transcript.
  explicit PlaySession(Platform platform, KeyNames keys = {});
  PlaySession(const PlaySession&) = delete;
  PlaySession& operator=(const PlaySession&) = delete;

  // Appends every turn to FILE from now on (call it before start()).
  void setTranscript(const std::string& path);
  // Keeps the game in the save folder after every turn and every comfort that changes it, and
  // resumes the kept one at start unless `start` says otherwise (call it before start()).
  void keepBetweenRuns(KeptStart start, GameKeeper::Claim claim = claimKeptGame);

  // The opening page, with the keys in the status line. An error means the catalogue cannot
  // be read: the program must end.
  Status start();
  // The player pressed Enter with `line`. Afterwards ended() tells whether the program ended.
  Status enter(const std::string& line);
  // The turn before, or again the turn taken back; the status line tells when there is none.
  void undo();
  void redo();
  // The new-game key: the first press asks in the status line, the next one starts a new game
  // exactly as the program starts, unless another key came between (dismiss()).
  Status newGameKey();
  // Slots at a glance, in the status line.
  void showSavedSlots();
  // Any other key: a pending question is withdrawn.
  void dismiss();
  // The window was closed some other way than by the exit request.
  void close();

  // Reading back: the page before the one shown, the next one, the live page again.
  bool pageBack() { return pages_.back(); }
  bool pageForward() { return pages_.forward(); }
  void toLivePage() { pages_.toLive(); }
  bool browsing() const { return pages_.browsing(); }

  // What the panes show: the live game, or the page read back under its heading.
  std::string narration() const;
  std::string carried() const;
  // What the status line shows.
  std::string status() const;
  // The engine's notices of the last turn (a save or load that failed), as its window heard them.
  const std::string& notices() const { return tap_.heard; }

  const Game& game() const { return game_; }
  bool ended() const { return game_.windowClosed; }
  const UndoStack& undoStack() const { return undo_; }
  const PageHistory& pages() const { return pages_; }

 private:
  // Passes the engine's notices on to the front end's window and keeps them for the turn.
  class NoticeTap : public Window {
   public:
    void setInputBackground(Rgb colour) override { inner->setInputBackground(colour); }
    void close() override { inner->close(); }
    void notice(std::string_view text) override;
    Window* inner = nullptr;
    std::string heard;
  };

  Status begin();
  void setStatus(std::string message);
  void record(const std::string* line, const std::vector<std::string>& remarks);
  void recordRemark(const std::string& remark);
  void keep();

  Platform platform_;
  KeyNames keys_;
  NoticeTap tap_;
  Game game_;
  UndoStack undo_;
  PageHistory pages_;
  std::vector<Page> redoPages_;
  std::optional<TranscriptFile> transcript_;
  std::optional<KeptSession> kept_;
  std::string status_;
  std::string statusBeforeQuestion_;
  bool newGameAsked_ = false;
};

}  // namespace kvelt
