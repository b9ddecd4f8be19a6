// The line mode on a terminal: what a window's player has, a page at a time.
#include "common/line_mode/terminal_play.h"

#include <memory>
#include <string>
#include <string_view>

#include "common/engine.h"
#include "common/line_mode/line_source.h"
#include "common/line_mode/terminal_wrap.h"
#include "common/map/map_text.h"
#include "common/pane_text.h"
#include "common/play_session.h"
#include "common/recording_window.h"
#include "shell/session.h"

namespace kvelt {
namespace {

int cannotReadCatalogue(std::FILE* err, const std::string& why) {
  std::fputs(("kvelt-cli: cannot read the catalogue " + why + "\n").c_str(), err);
  return 1;
}

class TerminalPlay {
 public:
  TerminalPlay(PlaySession& session, std::FILE* out) : session_(session), out_(out) {}

  // The page as the plain transcript has it: the narration, a blank line, the status line in
  // brackets, the carried objects, a blank line before the prompt.
  void showPage() {
    const View view = session_.view();
    std::string text = withNewlines(view.narration) + "\n\n" + statusText(view);
    text += kCarriedCaption;
    text += '\n';
    text += carriedLines(view.carried);
    text += '\n';
    write(text);
  }

  AfterComfort comfort(Comfort which) {
    // A key between the two presses of the new-game key withdraws its question.
    if (which != Comfort::newGame) session_.comfort(Comfort::dismiss);
    if (which == Comfort::map) {
      showMap();
      return AfterComfort::keepLine;
    }
    const ActionResult result = session_.comfort(which);
    if (!result.status.isOk()) {
      failure_ = result.status.message();
      return AfterComfort::endInput;
    }
    if (result.changed) {
      showPage();
    } else {
      write(statusText(session_.view()));
    }
    return result.newGame ? AfterComfort::emptyLine : AfterComfort::keepLine;
  }

  // Why a comfort had to end the program, if one did.
  const std::optional<std::string>& failure() const { return failure_; }

 private:
  // The map has no place to stand over the page here, so every F3 prints it anew; the
  // session's own switch is turned on again when that press turned it off.
  void showMap() {
    session_.comfort(Comfort::map);
    if (!session_.view().mapShown) session_.comfort(Comfort::map);
    std::string text;
    for (const std::string& row : mapText(session_.map(), MapGlyphs::boxDrawing)) {
      text += row;
      text += '\n';
    }
    // Unbroken: a drawing broken at its blanks would fall apart.
    std::fputs((text + "\n").c_str(), out_);
  }

  static std::string statusText(const View& view) {
    return view.statusLine.empty() ? std::string() : "(" + view.statusLine + ")\n";
  }

  void write(const std::string& text) {
    std::fputs(wrapAtBlanks(text, terminalColumns()).c_str(), out_);
    std::fflush(out_);
  }

  PlaySession& session_;
  std::FILE* out_;
  std::optional<std::string> failure_;
};

}  // namespace

std::optional<int> playOnTerminal(const GameArguments& arguments, std::FILE* out, std::FILE* err) {
  RecordingWindow window;
  NullDisplay display;
  PlaySession session(Platform{&window, &display, &systemFiles(), arguments.dirs.catalogueDir,
                               arguments.dirs.saveDir});
  TerminalPlay play(session, out);
  std::unique_ptr<LineSource> lines =
      editedLines([&session] { return session.shownWords(); },
                  [&play](Comfort which) { return play.comfort(which); });
  if (!lines) return std::nullopt;

  if (const std::optional<std::string> path = arguments.transcript()) session.setTranscript(*path);
  // As without a terminal: a kept game that has ended is not resumed.
  if (arguments.has("resume")) session.keepBetweenRuns(KeptStart::resumeUnlessEnded);
  session.setWarnings(!arguments.has("no-warnings"));
  Status status = session.start();
  if (!status.isOk()) return cannotReadCatalogue(err, status.message());
  play.showPage();
  while (std::optional<std::string> line = lines->next()) {
    status = session.enter(*line);
    if (!status.isOk()) return cannotReadCatalogue(err, status.message());
    if (session.view().ended) break;
    play.showPage();
  }
  if (play.failure()) return cannotReadCatalogue(err, *play.failure());
  if (!session.view().ended) session.close();
  std::fputs("\n", out);
  std::fflush(out);
  return 0;
}

}  // namespace kvelt
