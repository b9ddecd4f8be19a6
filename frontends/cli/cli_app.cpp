// Line mode: the plain transcript for people and the JSON transcript that outside checks read.
#include "cli_app.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>

#include "common/game_arguments.h"
#include "line_source.h"
#include "shell/display_settings.h"
#include "shell/files.h"
#include "shell/session.h"
#include "shell/shown_words.h"
#include "shell/window.h"

namespace kvelt {
namespace {

const ProgramDescription kProgram{
    "kvelt-cli",
    "Hra v řádkovém režimu: řádek standardního vstupu za každý Enter.\n"
    "The game in line mode: a line of standard input for every Enter.",
    {{"json", "", "jedna událost za řádek v JSON / one JSON object per event"}}};

// The carried objects one per line, without the pane's empty slots, for a listener's sake.
std::string carriedList(std::string_view pane) {
  std::string out;
  std::size_t start = 0;
  while (start <= pane.size()) {
    std::size_t end = pane.find("\r\n", start);
    if (end == std::string_view::npos) end = pane.size();
    if (end > start) out.append(pane.substr(start, end - start)).append("\n");
    start = end + 2;
  }
  return out;
}

std::string withNewlines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

class Transcript {
 public:
  // `prompt`: the plain transcript ends each page with "> " (a line editor shows its own).
  Transcript(std::ostream& out, bool json, bool prompt = true)
      : out_(out), json_(json), prompt_(prompt) {}

  void page(const Game& game, const char* event, const std::string* line, RecordingWindow& window) {
    if (json_) {
      nlohmann::ordered_json object;
      object["event"] = event;
      if (line != nullptr) object["line"] = *line;
      object["narration"] = game.Text2;
      object["carried"] = game.Text3;
      object["input"] = game.Text1;
      object["posX"] = game.posX;
      object["posY"] = game.posY;
      object["gameOver"] = game.gameOver != kFalse;
      if (!window.notices.empty()) object["notice"] = window.notices;
      emit(object);
    } else {
      out_ << withNewlines(game.Text2) << "\n\n";
      if (!window.notices.empty()) out_ << "(" << window.notices << ")\n";
      out_ << kCarriedCaption << "\n"
           << carriedList(game.Text3) << (prompt_ ? "\n> " : "\n") << std::flush;
    }
    window.notices.clear();
  }

  void exit(const std::string& line) {
    if (json_) {
      nlohmann::ordered_json object;
      object["event"] = "exit";
      object["line"] = line;
      emit(object);
    } else {
      out_ << "\n" << std::flush;
    }
  }

  void eof() {
    if (json_) {
      emit(nlohmann::ordered_json{{"event", "eof"}});
    } else {
      out_ << "\n" << std::flush;
    }
  }

 private:
  // One object per line, flushed at once: the checks that drive us read turn by turn. Bytes
  // that are not UTF-8 (a hostile input line) are replaced rather than breaking the JSON.
  void emit(const nlohmann::ordered_json& object) {
    out_ << object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n'
         << std::flush;
  }
  std::ostream& out_;
  bool json_;
  bool prompt_;
};

}  // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  CommandLine commandLine = readCommandLine(kProgram, args, out, err);
  if (!commandLine.game) return commandLine.exitStatus;
  const GameDirs& dirs = commandLine.game->dirs;
  const bool json = commandLine.game->has("json");

  RecordingWindow window;
  NullDisplay display;
  Game game;
  // Only the program's own standard input can be a terminal to edit lines on; the JSON
  // transcript is for programs, which send whole lines.
  std::unique_ptr<LineSource> lines;
  if (&in == &std::cin && !json) lines = editedLines([&game] { return visibleWords(game); });
  if (!lines) lines = streamLines(in);
  Transcript transcript(out, json, !lines->prompts());
  Status status =
      startGame(game, Platform{&window, &display, &systemFiles(), dirs.catalogueDir, dirs.saveDir});
  if (!status.isOk()) {
    err << "kvelt-cli: cannot read the catalogue " << status.message() << '\n';
    return 1;
  }
  transcript.page(game, "start", nullptr, window);

  while (std::optional<std::string> next = lines->next()) {
    const std::string& line = *next;
    status = pressEnter(game, line);
    if (!status.isOk()) {
      err << "kvelt-cli: cannot read the catalogue " << status.message() << '\n';
      return 1;
    }
    if (game.windowClosed) {
      transcript.exit(line);
      return 0;
    }
    transcript.page(game, "turn", &line, window);
  }
  closeWindow(game);
  transcript.eof();
  return 0;
}

}  // namespace kvelt
