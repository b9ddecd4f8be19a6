// One game in the page: start-up, Enter, the comforts and what the page reads back.
#include "browser_session.h"

#include "common/pane_text.h"

namespace kvelt::web {
namespace {

constexpr const char* kCatalogueFailed = "Hru nelze hrát: katalog textů nelze přečíst (";

// A page cannot end the program: Enter after the end shows the closing screen instead.
KeyNames pageKeys() {
  KeyNames keys;
  keys.enterAfterEnd = "Enter ukáže závěrečnou obrazovku";
  return keys;
}

}  // namespace

BrowserSession::BrowserSession(const std::string& catalogueDir, const std::string& saveDir)
    : files_(systemFiles()),
      session_(Platform{&window_, &display_, &files_, catalogueDir, saveDir}, pageKeys()) {}

Played BrowserSession::outcome(const Status& status) {
  // The session's own window only remembers; the page reads the notices of each turn.
  window_.notices.clear();
  if (!status.isOk()) {
    failure_ = kCatalogueFailed + status.message() + ").";
    return Played::failed;
  }
  return session_.view().ended ? Played::closed : Played::playing;
}

Played BrowserSession::start() {
  return outcome(session_.start());
}

Played BrowserSession::enter(const std::string& line) {
  // The program of a closed window has ended: nothing more reaches the game until a new one.
  if (session_.view().ended) return Played::closed;
  history_.add(line);
  return outcome(session_.enter(line));
}

Played BrowserSession::newGameKey() {
  return outcome(session_.comfort(Comfort::newGame).status);
}

Played BrowserSession::newGame() {
  session_.comfort(Comfort::dismiss);
  (void)session_.comfort(Comfort::newGame);
  return outcome(session_.comfort(Comfort::newGame).status);
}

std::string BrowserSession::narration() const {
  return withNewlines(session_.view().narration);
}

std::string BrowserSession::carried() const {
  return withNewlines(session_.view().carried);
}

Integer BrowserSession::takeSavedSlot() {
  return files_.takeWritten() ? session_.view().slot : Integer(0);
}

}  // namespace kvelt::web
