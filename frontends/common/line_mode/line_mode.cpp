// Line mode: the plain transcript for people and the JSON transcript that outside checks read.
#include "common/line_mode/line_mode.h"

#include <optional>
#include <string_view>
#include <vector>

#include "common/engine.h"
#include "common/game_arguments.h"
#include "common/hints/hint_advisor.h"
#include "common/hints/plan_platform.h"
#include "common/line_mode/json_text.h"
#include "common/line_mode/kept_turns.h"
#include "common/line_mode/line_source.h"
#include "common/line_mode/map_json.h"
#include "common/line_mode/terminal_play.h"
#include "common/pane_text.h"
#include "common/recording_window.h"
#include "common/transcript_file.h"
#include "common/turn_status.h"
#include "shell/session.h"

namespace kvelt {
namespace {

const ProgramDescription kProgram{
    "kvelt-cli",
    "Hra v řádkovém režimu: řádek standardního vstupu za každý Enter.\n"
    "The game in line mode: a line of standard input for every Enter.",
    {{"json", "", "jedna událost za řádek v JSON / one JSON object per event"},
     {"transcript", "FILE", "záznam hry do souboru / a transcript of the game into FILE"},
     {"map", "", "s --json: mapa viděného / with --json: the map of what was seen"},
     {"resume", "",
      "uchovat hru po každém tahu a příště v ní pokračovat / keep the game after every turn "
      "and go on with it next time"},
     {"hints", "", "nápověda a varování ke každému tahu / hints and warnings with every turn"},
     {"no-warnings", "",
      "bez varování, že hru už nejde vyhrát / no warning when the game can no longer be won"}},
    "Na terminálu: Alt+U (a Ctrl+Z na prázdném řádku) vezme tah zpět, Ctrl+Y ho zahraje znovu,\n"
    "Alt+N dvakrát začne novou hru, F1 napoví, F2 ukáže uložené hry, F3 mapu viděného,\n"
    "PgUp a PgDn dřívější a pozdější stránky.\n"
    "\n"
    "On a terminal: Alt+U (and Ctrl+Z on an empty line) takes a turn back, Ctrl+Y plays it\n"
    "again, Alt+N twice starts a new game, F1 gives a hint, F2 shows the saved games, F3 the\n"
    "map of what you have seen, PgUp and PgDn the earlier and later pages.\n"};
constexpr const char* kCannotWrite = "kvelt-cli: cannot write to standard output\n";
constexpr const char* kCannotRead = "kvelt-cli: cannot read standard input\n";

void write(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

class Transcript {
 public:
  // The plain transcript ends each page with "> ".
  Transcript(std::FILE* out, bool json) : out_(out), json_(json) {}

  // --map: every start and turn event carries the map of what was seen so far.
  void showMap(const MapKnowledge* known) { map_ = known; }

  void page(const Game& game, const char* event, const std::string* line, RecordingWindow& window,
            const std::optional<std::string>& status = std::nullopt,
            const HintAdvisor* hints = nullptr) {
    if (json_) {
      begin(event);
      if (line != nullptr) field("line", *line);
      field("narration", game.Text2);
      field("carried", game.Text3);
      field("input", game.Text1);
      text_ += ",\"posX\":" + std::to_string(game.posX);
      text_ += ",\"posY\":" + std::to_string(game.posY);
      text_ += game.gameOver != kFalse ? ",\"gameOver\":true" : ",\"gameOver\":false";
      if (!window.notices.empty()) field("notice", window.notices);
      if (status) field("status", *status);
      if (map_ != nullptr) {
        text_ += ",\"map\":";
        appendMapJson(text_, *map_);
      }
      if (hints != nullptr && !isTrue(game.gameOver)) hintFields(*hints);
      emit();
    } else {
      write(out_, withNewlines(game.Text2));
      write(out_, "\n\n");
      if (!window.notices.empty()) write(out_, "(" + window.notices + ")\n");
      if (status) write(out_, "(" + *status + ")\n");
      if (hints != nullptr && hints->warning()) write(out_, "(" + *hints->warning() + ")\n");
      write(out_, kCarriedCaption);
      write(out_, "\n");
      write(out_, carriedLines(game.Text3));
      write(out_, "\n> ");
      std::fflush(out_);
    }
    window.notices.clear();
  }

  void exit(const std::string& line) {
    if (json_) {
      begin("exit");
      field("line", line);
      emit();
    } else {
      write(out_, "\n");
      std::fflush(out_);
    }
  }

  void eof() {
    if (json_) {
      begin("eof");
      emit();
    } else {
      write(out_, "\n");
      std::fflush(out_);
    }
  }

 private:
  // One object per line, keys in a fixed order, flushed at once: the checks that drive us read
  // turn by turn. Written by hand into one kept string, since building a json object for every
  // page cost more than the turn itself; the strings are escaped as nlohmann::json escapes them.
  void begin(const char* event) {
    text_.clear();
    text_ += "{\"event\":";
    appendJsonString(text_, event);
  }
  void field(std::string_view key, std::string_view value) {
    text_ += ",\"";
    text_ += key;
    text_ += "\":";
    appendJsonString(text_, value);
  }
  // "winnable", and while it is, the three steps of the hint and the plan's next line.
  void hintFields(const HintAdvisor& hints) {
    text_ += hints.winnable() ? ",\"winnable\":true" : ",\"winnable\":false";
    if (!hints.winnable()) return;
    text_ += ",\"hints\":[";
    const char* comma = "";
    for (const std::string& step : hints.steps()) {
      text_ += comma;
      appendJsonString(text_, step);
      comma = ",";
    }
    text_ += ']';
    field("hintLine", hints.hintLine());
  }
  void emit() {
    text_ += '}';
    text_ += '\n';
    write(out_, text_);
    std::fflush(out_);
  }
  std::FILE* out_;
  bool json_;
  const MapKnowledge* map_ = nullptr;
  std::string text_;  // the object being written, its room kept from page to page
};

// --transcript FILE beside the standard output; a file that fails is reported once on stderr.
class TranscriptCopy {
 public:
  TranscriptCopy(const std::optional<std::string>& path, std::FILE* err) : err_(err) {
    if (path) file_.emplace(*path);
  }
  void write(const std::string* line, const Game& game, const RecordingWindow& window,
             const std::optional<std::string>& status) {
    if (!file_) return;
    std::vector<std::string> remarks;
    if (status) remarks.push_back(*status);
    if (!window.notices.empty()) remarks.push_back(window.notices);
    file_->write(transcriptEntry(line, game.windowClosed ? "" : game.Text2, remarks));
    if (std::optional<std::string> notice = file_->takeNotice())
      std::fprintf(err_, "kvelt-cli: %s\n", notice->c_str());
  }

 private:
  std::optional<TranscriptFile> file_;
  std::FILE* err_;
};

}  // namespace

int runLineMode(const std::vector<std::string>& args, std::FILE* in, std::FILE* out,
                std::FILE* err) {
  CommandLine commandLine = readCommandLine(kProgram, args);
  write(out, commandLine.output);
  write(err, commandLine.error);
  if (!commandLine.game) return commandLine.exitStatus;
  const GameDirs& dirs = commandLine.game->dirs;
  const bool json = commandLine.game->has("json");
  const std::optional<std::string> transcriptPath = commandLine.game->transcript();

  // Only the program's own standard input can be a terminal to edit lines on; the JSON
  // transcript is for programs, which send whole lines.
  if (in == stdin && !json) {
    if (std::optional<int> played = playOnTerminal(*commandLine.game, out, err)) return *played;
  }
  RecordingWindow window;
  NullDisplay display;
  Game game;
  std::unique_ptr<LineSource> lines = streamLines(in);
  Transcript transcript(out, json);
  MapKnowledge known;
  if (json && commandLine.game->has("map")) transcript.showMap(&known);
  // Without --resume nothing is kept and nothing is looked for.
  std::optional<KeptTurns> kept;
  if (commandLine.game->has("resume")) {
    kept.emplace(systemFiles(), dirs.saveDir);
    kept->open();
  }
  Status status =
      startGame(game, Platform{&window, &display, &systemFiles(), dirs.catalogueDir, dirs.saveDir});
  if (!status.isOk()) {
    std::fprintf(err, "kvelt-cli: cannot read the catalogue %s\n", status.message().c_str());
    return 1;
  }
  known.startOver(game);
  if (kept) {
    window.notices = kept->resume(game);
    if (std::optional<MapKnowledge> seen = MapKnowledge::fromText(kept->keptMap())) known = *seen;
  }
  std::optional<HintAdvisor> hints;
  if (commandLine.game->has("hints")) {
    hints.emplace(readCatalogue(game), readHintTexts(game), "");
    hints->setWarnings(!commandLine.game->has("no-warnings"));
    hints->look(game);
  }
  const HintAdvisor* hinted = hints ? &*hints : nullptr;
  TranscriptCopy copy(transcriptPath, err);
  copy.write(nullptr, game, window, std::nullopt);
  // A transcript cut short (a full disk, a closed pipe) must not pass for a whole one: every
  // event is flushed, and the first that does not arrive ends the run.
  auto cutShort = [&] {
    if (std::ferror(out) == 0) return false;
    std::fputs(kCannotWrite, err);
    return true;
  };
  transcript.page(game, "start", nullptr, window, std::nullopt, hinted);
  if (cutShort()) return 1;

  while (std::optional<std::string> next = lines->next()) {
    const std::string& line = *next;
    if (kept) kept->before(game);
    status = pressEnter(game, line);
    if (!status.isOk()) {
      std::fprintf(err, "kvelt-cli: cannot read the catalogue %s\n", status.message().c_str());
      return 1;
    }
    known.afterTurn(game, line);
    if (hints) hints->look(game, true);
    const std::optional<std::string> answer = turnAnswer(game.turn, line);
    copy.write(&line, game, window, answer);
    if (game.windowClosed) {
      transcript.exit(line);
      return cutShort() ? 1 : 0;
    }
    if (kept) {
      kept->after(game, line, known.toText());
      if (std::optional<std::string> problem = kept->takeProblem()) {
        std::fprintf(err, "kvelt-cli: cannot keep the game: %s\n", problem->c_str());
      }
    }
    transcript.page(game, "turn", &line, window, answer, hinted);
    if (cutShort()) return 1;
  }
  closeWindow(game);
  if (std::ferror(in) != 0) {
    std::fputs(kCannotRead, err);
    return 1;
  }
  transcript.eof();
  return cutShort() ? 1 : 0;
}

}  // namespace kvelt
