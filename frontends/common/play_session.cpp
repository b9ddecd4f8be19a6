// One game as an interactive front end plays it.
#include "common/play_session.h"

#include <ctime>
#include <utility>

#include "common/completion.h"
#include "common/hints/plan_platform.h"
#include "common/saved_slots.h"
#include "common/shown_words.h"
#include "common/tab_choices.h"
#include "shell/session.h"

namespace kvelt {
namespace {

// One more sentence in the status line.
void addSentence(std::string& line, const std::string& sentence) {
  if (sentence.empty()) return;
  if (!line.empty()) line += ' ';
  line += sentence;
}

}  // namespace

void PlaySession::NoticeTap::notice(std::string_view text) {
  if (!heard.empty()) heard += '\n';
  heard += text;
  inner->notice(text);
}

PlaySession::PlaySession(Platform platform, KeyNames keys)
    : platform_(std::move(platform)), keys_(std::move(keys)) {
  tap_.inner = platform_.window;
}

void PlaySession::setTranscript(const std::string& path) {
  transcript_.emplace(path);
}

void PlaySession::keepBetweenRuns(KeptStart start, GameKeeper::Claim claim) {
  kept_.emplace(*platform_.files, platform_.saveDir, start, claim);
}

void PlaySession::setWarnings(bool on) {
  warnings_ = on;
  if (hints_) hints_->setWarnings(on);
}

void PlaySession::keep() {
  if (!kept_) return;
  kept_->map = map_.now().toText();
  kept_->hints = hints_ ? hints_->seenText() : std::string();
  kept_->keep(game_, undo_, pages_, redoPages_);
  if (std::optional<std::string> problem = kept_->takeProblem()) addSentence(status_, *problem);
}

Status PlaySession::begin(bool lookAtOpening) {
  Platform platform = platform_;
  platform.window = &tap_;
  game_ = Game{};
  Status started = startGame(game_, std::move(platform));
  pages_.clear();
  redoPages_.clear();
  undo_.clear();
  pages_.add(Page{std::nullopt, game_.Text2, game_.Text3});
  mapShown_ = false;
  map_.startOver(game_);
  hints_.reset();
  if (started.isOk()) {
    if (!hintCatalogue_) {
      hintCatalogue_ = readCatalogue(game_);
      hintTexts_ = readHintTexts(game_);
    }
    hints_.emplace(*hintCatalogue_, hintTexts_, keys_.undo);
    hints_->setWarnings(warnings_);
    if (lookAtOpening) hints_->look(game_);
  }
  lookPending_ = false;
  return started;
}

void PlaySession::lookAtGame() {
  if (!std::exchange(lookPending_, false) || !hints_) return;
  hints_->look(game_);
}

void PlaySession::follow(const std::string* line) {
  lookPending_ = false;
  if (line != nullptr) {
    map_.afterTurn(game_, *line);
  }
  if (hints_) hints_->look(game_, line != nullptr);
}

Status PlaySession::start() {
  if (kept_) kept_->open();
  // The planner's look is the dearest part of the start: with a kept game it waits to see
  // which game it is to look at.
  const bool lookNow = !lookLater_;
  Status started = begin(!kept_ && lookNow);
  if (!started.isOk()) return started;
  std::string said = startStatus(keys_);
  if (kept_) {
    KeptSession::Resumed resumed = kept_->resume(game_, undo_, pages_, redoPages_);
    if (resumed.resumed) {
      said = resumedStatus(keys_);
      if (std::optional<MapKnowledge> seen = MapKnowledge::fromText(kept_->map)) {
        map_.resume(std::move(*seen));
      }
      if (hints_) hints_->restoreSeen(kept_->hints);
    }
    if (hints_ && lookNow) hints_->look(game_);
    if (!resumed.notice.empty()) said = resumed.notice + " " + said;
  }
  lookPending_ = !lookNow;
  setStatus(said);
  record(nullptr, {});
  return started;
}

Status PlaySession::enter(const std::string& line) {
  pages_.toLive();
  mapShown_ = false;
  choices_.clear();
  newGameAsked_ = false;
  tap_.heard.clear();
  undo_.record(game_);
  Status played = pressEnter(game_, line);
  if (!played.isOk() || game_.windowClosed) {
    record(&line, {});
    return played;
  }
  redoPages_.clear();
  pages_.add(Page{line, game_.Text2, game_.Text3});
  follow(&line);
  std::vector<std::string> remarks;
  const std::optional<std::string> answer = turnAnswer(game_, line);
  if (answer) remarks.push_back(*answer);
  if (!tap_.heard.empty()) remarks.push_back(tap_.heard);
  std::string said = answer.value_or("");
  if (hints_ && hints_->warning()) addSentence(said, *hints_->warning());
  setStatus(std::move(said));
  record(&line, remarks);
  keep();
  return played;
}

void PlaySession::undo() {
  newGameAsked_ = false;
  tap_.heard.clear();
  // A page that stays after the program has ended (the browser's) may still take a turn back:
  // the Enter that ended it left no page and is forgotten; after "exit" in a game still going
  // that is all, after the end the last turn (a death) is taken back too.
  if (game_.windowClosed && undo_.forget(game_) && game_.gameOver == kFalse) {
    setStatus(kTakenBack);
    keep();
    return;
  }
  if (!undo_.undo(game_)) {
    setStatus(kNothingToTakeBack);
    return;
  }
  if (std::optional<Page> page = pages_.dropLatest()) redoPages_.push_back(std::move(*page));
  map_.undo();
  follow(nullptr);
  setStatus(kTakenBack);
  recordRemark(kTakenBack);
  keep();
}

void PlaySession::redo() {
  newGameAsked_ = false;
  tap_.heard.clear();
  if (!undo_.redo(game_)) {
    setStatus(kNothingToRedo);
    return;
  }
  if (!redoPages_.empty()) {
    pages_.add(std::move(redoPages_.back()));
    redoPages_.pop_back();
  }
  map_.redo();
  follow(nullptr);
  std::string said = kRedone;
  if (hints_ && hints_->warning()) addSentence(said, *hints_->warning());
  setStatus(std::move(said));
  recordRemark(kRedone);
  keep();
}

ActionResult PlaySession::newGameKey() {
  if (!newGameAsked_) {
    newGameAsked_ = true;
    statusBeforeQuestion_ = status_;
    status_ = askNewGameStatus(keys_);
    return {.changed = false};
  }
  newGameAsked_ = false;
  tap_.heard.clear();
  // The screen size to put back at the end is the one found when the program started, not the
  // size the first game switched to.
  const Integer width = game_.savedWidth, height = game_.savedHeight;
  Status started = begin();
  game_.savedWidth = width;
  game_.savedHeight = height;
  if (!started.isOk()) return {.status = started};
  setStatus(kNewGameStarted);
  record(nullptr, {kNewGameStarted});
  keep();
  return {.newGame = true};
}

void PlaySession::showSavedSlots() {
  newGameAsked_ = false;
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  setStatus(savedSlotsStatus(readSavedSlots(platform_.saveDir),
                             local != nullptr ? local->tm_year + 1900 : 0,
                             kept_ ? keptGameTime(platform_.saveDir) : std::nullopt));
}

void PlaySession::dismiss() {
  choices_.clear();
  if (!newGameAsked_) return;
  newGameAsked_ = false;
  status_ = statusBeforeQuestion_;
}

bool PlaySession::leaveEarlierPages() {
  // An earlier page has its own status line; the answer of F1, F2 or F3 would stand unseen.
  if (!pages_.browsing()) return false;
  pages_.toLive();
  return true;
}

void PlaySession::hint() {
  lookAtGame();
  newGameAsked_ = false;
  // After the end the status already says that the game is over and what each key does.
  const bool over = game_.gameOver == kTrue;
  setStatus(hints_ && !over ? hints_->pressHint() : std::string());
}

ActionResult PlaySession::comfort(Comfort which) {
  if (which != Comfort::pageBack && which != Comfort::pageForward && which != Comfort::livePage) {
    choices_.clear();
  }
  switch (which) {
    case Comfort::undo:
      undo();
      return {};
    case Comfort::redo:
      redo();
      return {};
    case Comfort::newGame:
      return newGameKey();
    case Comfort::savedSlots: {
      const bool back = leaveEarlierPages();
      showSavedSlots();
      return {.changed = back};
    }
    case Comfort::pageBack:
    case Comfort::pageForward: {
      // A page move takes the map away whether or not there was a page to move to.
      const bool moved = which == Comfort::pageBack ? pages_.back() : pages_.forward();
      return {.changed = std::exchange(mapShown_, false) || moved};
    }
    case Comfort::livePage:
      // Typing and Esc go back to the live page, from an earlier one or from the map.
      if (!pages_.browsing()) return {.changed = std::exchange(mapShown_, false)};
      mapShown_ = false;
      pages_.toLive();
      return {};
    case Comfort::dismiss:
      dismiss();
      return {.changed = false};
    case Comfort::hint: {
      const bool back = leaveEarlierPages();
      hint();
      return {.changed = back};
    }
    case Comfort::map:
      dismiss();
      leaveEarlierPages();
      mapShown_ = !mapShown_;
      return {};
    case Comfort::none:
      break;
  }
  return {.changed = false};
}

std::optional<ActionResult> PlaySession::press(const KeyChord& key, bool lineEmpty) {
  const Comfort which = comfortOf(key, lineEmpty);
  if (which == Comfort::none) return std::nullopt;
  return comfort(which);
}

std::string PlaySession::complete(const std::string& typed) {
  Completion done = completeLine(typed, visibleWords(game_));
  choices_ = tabChoices(done.candidates);
  return done.line;
}

std::vector<std::string> PlaySession::shownWords() const {
  return visibleWords(game_);
}

void PlaySession::close() {
  closeWindow(game_);
}

View PlaySession::view() const {
  View view;
  if (const Page* page = pages_.shown()) {
    const std::string heading = pageHeading(*page);
    view.narration = heading.empty() ? page->narration : heading + "\r\n" + page->narration;
    view.carried = page->carried;
  } else {
    view.narration = game_.Text2;
    view.carried = game_.Text3;
  }
  view.input = game_.Text1;
  view.inputBackground = game_.text1Background;
  if (!choices_.empty()) {
    view.statusLine = choices_;
  } else {
    view.statusLine = tap_.heard;
    addSentence(view.statusLine, status());
  }
  view.ended = game_.windowClosed;
  view.newGameAsked = newGameAsked_;
  view.browsing = pages_.browsing();
  view.mapShown = mapShown_;
  view.gameOver = game_.gameOver != kFalse;
  view.posX = game_.posX;
  view.posY = game_.posY;
  view.slot = game_.saveSlot;
  return view;
}

MapPicture PlaySession::map() const {
  return layoutMap(map_.now());
}

std::string PlaySession::status() const {
  if (pages_.browsing() && !newGameAsked_) return earlierPageStatus(keys_);
  return status_;
}

void PlaySession::setStatus(std::string message) {
  if (game_.gameOver == kTrue) addSentence(message, afterEndStatus(keys_));
  if (transcript_) {
    if (std::optional<std::string> problem = transcript_->takeNotice()) {
      addSentence(message, *problem);
    }
  }
  status_ = std::move(message);
}

void PlaySession::record(const std::string* line, const std::vector<std::string>& remarks) {
  if (!transcript_) return;
  transcript_->write(transcriptEntry(line, game_.windowClosed ? "" : game_.Text2, remarks));
  // A transcript that has just failed says so at once.
  if (std::optional<std::string> problem = transcript_->takeNotice()) {
    addSentence(status_, *problem);
  }
}

void PlaySession::recordRemark(const std::string& remark) {
  record(nullptr, {remark});
}

}  // namespace kvelt
