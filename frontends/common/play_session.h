// One game as an interactive front end plays it: the engine's turns with undo, a new game, the
// status line, earlier pages and the transcript. A front end only delivers keys and draws the
// View it is handed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/game.h"
#include "base/status.h"
#include "base/window.h"
#include "common/comfort_keys.h"
#include "common/hints/hint_advisor.h"
#include "common/kept/kept_session.h"
#include "common/map/map_knowledge.h"
#include "common/map/map_layout.h"
#include "common/page_history.h"
#include "common/transcript_file.h"
#include "common/turn_status.h"
#include "common/undo_stack.h"
#include "common/view.h"

namespace kvelt {

class PlaySession {
 public:
  // `platform` as startGame takes it. Its window still gets the engine's notices; the session
  // hears them too, for the status line and the transcript.
  explicit PlaySession(Platform platform, KeyNames keys = {});
  PlaySession(const PlaySession&) = delete;
  PlaySession& operator=(const PlaySession&) = delete;

  // Appends every turn to FILE from now on (call it before start()).
  void setTranscript(const std::string& path);
  // Keeps the game in the save folder after every turn and every comfort that changes it, and
  // resumes the kept one at start unless `start` says otherwise (call it before start()).
  void keepBetweenRuns(KeptStart start, GameKeeper::Claim claim = claimKeptGame);
  // The status line says on the turn that makes the game unwinnable that it is lost, unless
  // the player has switched that off (--no-warnings, a window's kept setting).
  void setWarnings(bool on);
  // The planner's first look at the game, the dearest part of the start, waits for
  // lookAtGame() (call it before start()): a page shows its first page sooner and lets the
  // planner look while the player reads it. F1 and Enter look first if it has not come yet.
  void lookLater() { lookLater_ = true; }
  void lookAtGame();

  // The opening page, with the keys in the status line. An error means the catalogue cannot
  // be read: the program must end.
  Status start();
  // The player pressed Enter with `line`; the live page comes back. Afterwards view().ended
  // tells whether the program ended.
  Status enter(const std::string& line);
  // One of the comforts. The new-game key asks at its first press and starts a new game
  // exactly as the program starts at the next, unless another key came between (dismiss).
  ActionResult comfort(Comfort which);
  // A key chord of a window: the comfort it stands for, or nothing when the key belongs to the
  // input line. Ctrl+Z is the line's own undo while the line holds text.
  std::optional<ActionResult> press(const KeyChord& key, bool lineEmpty);
  // Tab: `typed` completed from the words on screen; the words it could not choose between
  // stand in the status line until the next action.
  std::string complete(const std::string& typed);
  // The words the player has been shown, for a line editor's own completion.
  std::vector<std::string> shownWords() const;
  // The window was closed some other way than by the exit request.
  void close();

  // What the front end draws now.
  View view() const;
  // The map of what the player has seen, for drawing over the narration while view().mapShown.
  MapPicture map() const;

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

  // The game record itself, for tests that look behind the view.
  friend const Game& recordOf(const PlaySession& session);

  // A new game; the hints look at its opening unless the caller looks at another game first.
  Status begin(bool lookAtOpening = true);
  void undo();
  void redo();
  ActionResult newGameKey();
  void showSavedSlots();
  void dismiss();
  void hint();
  // Back to the live page from an earlier one; true when it was browsing.
  bool leaveEarlierPages();
  // The map and the hints after the game has changed; `line` when an Enter changed it.
  void follow(const std::string* line);
  // What the status line shows apart from Tab's choices and the notices.
  std::string status() const;
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
  MapHistory map_;
  std::optional<HintAdvisor> hints_;
  // What the hints are made from, read at the first start: a new game needs no second read.
  std::optional<std::string> hintCatalogue_;
  HintTexts hintTexts_;
  bool warnings_ = true;
  bool lookLater_ = false;
  bool lookPending_ = false;
  bool mapShown_ = false;
  std::string status_;
  std::string statusBeforeQuestion_;
  std::string choices_;
  bool newGameAsked_ = false;
};

}  // namespace kvelt
