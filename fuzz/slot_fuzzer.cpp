// Fuzz target: saves, loads, kills and restarts in any order, on files that fail when told.
//
// The input is a program, a byte for each step and its arguments: play on along the winning
// lines, save or load a slot with up to two faults, save or load killed at some point, or start
// anew. What must hold after every step:
//   - every slot loads as one whole game that was saved to it (or the last game saved before a
//     kill or a failure), or gives a notice; a never-saved slot gives a notice;
//   - a slot loaded and saved again is byte for byte what was loaded (slots saved after the
//     first turn, see start());
//   - a failed save changed nothing, and a failed load left the game as it was;
//   - after every load the player stands in one of the 23 rooms;
//   - a start leaves no temporary file or record behind.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "base/display_settings.h"
#include "base/fatal_error.h"
#include "base/window.h"
#include "common/recording_window.h"
#include "persistence/save_commands.h"
#include "persistence/slot_commit.h"
#include "shell/session.h"
#include "test_support/faulty_files.h"
#include "test_support/memory_files.h"
#include "test_support/test_game.h"
#include "world/room_handler.h"

namespace {

using kvelt::Game;
using kvelt::Integer;
using kvelt::testing::FaultyFiles;
using kvelt::testing::Killed;

constexpr const char* kDir = "/game";
constexpr int kMostSteps = 64;

std::vector<std::string> winningLines;

// KVELT_SLOT_TRACE=1 prints each step, for reading a crashing input.
const bool kTrace = std::getenv("KVELT_SLOT_TRACE") != nullptr;

void trace(const std::string& text) {
  if (kTrace) std::fprintf(stderr, "%s\n", text.c_str());
}

void check(bool holds) {
  if (!holds) __builtin_trap();
}

// The two files of a slot; a slot that holds nothing has neither.
struct SlotBytes {
  std::string list, state;
  bool present = false;
  bool operator<(const SlotBytes& o) const {
    return std::tie(present, list, state) < std::tie(o.present, o.list, o.state);
  }
};

// The game as a save would write it, through the real save, into files of its own.
SlotBytes saved(const Game& game) {
  Game copy = game;
  kvelt::MemoryFiles scratch;
  kvelt::RecordingWindow window;
  copy.platform.files = &scratch;
  copy.platform.window = &window;
  copy.platform.saveDir = "/scratch";
  copy.commandVerb = "save";
  copy.saveSlot = 1;
  kvelt::ulozit(copy);
  check(window.notices.empty());
  return {scratch.files.at("/scratch/save1.s"), scratch.files.at("/scratch/savex1.s"), true};
}

// One run of the program on the shared disk.
struct Process {
  explicit Process(kvelt::MemoryFiles& disk) : faulty(disk) {}
  kvelt::RecordingWindow window;
  kvelt::NullDisplay display;
  FaultyFiles faulty;
  Game game;
  std::size_t nextLine = 0;
  bool ended = false;
};

class Run {
 public:
  Run() { disk_.files[std::string(kDir) + "/scripts.tex"] = kvelt::testing::numberedCatalogue(); }

  void step(const std::uint8_t*& at, const std::uint8_t* end) {
    auto next = [&]() -> int { return at < end ? *at++ : 0; };
    const int op = next() % 6;
    if (!process_ || process_->ended) start({}, 0);
    switch (op) {
      case 0:
        play(next() % 12 + 1);
        break;
      case 1:
      case 2: {
        const Integer slot = Integer(next() % 10 + 1);
        std::set<int> faults;
        if (int f = next() % 24; f > 0) faults.insert(f);
        if (int f = next() % 24; f > 0) faults.insert(f);
        op == 1 ? save(slot, faults, 0) : load(slot, faults, 0);
        break;
      }
      case 3:
      case 4: {
        const Integer slot = Integer(next() % 10 + 1);
        const int kill = next() % 24 + 1;
        op == 3 ? save(slot, {}, kill) : load(slot, {}, kill);
        break;
      }
      case 5: {
        std::set<int> faults;
        if (int f = next() % 8; f > 0) faults.insert(f);
        start(faults, next() % 8);
        break;
      }
    }
  }

 private:
  // A new start of the program: a recovery that meets these faults (or is killed at `kill`),
  // as a start cut short would leave things, then the start itself.
  void start(std::set<int> faults, int kill) {
    trace("start, recovery faults " + std::to_string(faults.size()) + ", kill " +
          std::to_string(kill));
    process_ = std::make_unique<Process>(disk_);
    Process& p = *process_;
    p.faulty.failAt = std::move(faults);
    p.faulty.killAt = kill;
    try {
      kvelt::recoverSlots(p.faulty, kDir);
    } catch (const Killed&) {
      p.ended = true;
      return;
    }
    p.faulty.failAt.clear();
    p.faulty.killAt = 0;
    if (!kvelt::startGame(p.game, kvelt::Platform{&p.window, &p.display, &p.faulty, kDir, kDir})
             .isOk()) {
      p.ended = true;
      return;
    }
    // Past the first turn, which only greets, and one turn in the start room: a game saved
    // before the room handler has ever run holds door code 0 in a door room, which a load then
    // sets anew, so such a slot does not save again byte for byte, by the game's own rules.
    (void)kvelt::pressEnter(p.game, "");
    (void)kvelt::pressEnter(p.game, "");
    p.nextLine = 1;
    // The start's own recovery meets no fault: nothing of an interrupted save is left.
    for (const auto& [path, bytes] : disk_.files) {
      check(path.find(".tmp") == std::string::npos && path.find(".commit") == std::string::npos);
    }
  }

  void play(int lines) {
    Process& p = *process_;
    trace("play " + std::to_string(lines));
    for (int i = 0; i < lines && !p.ended; ++i) {
      (void)kvelt::pressEnter(p.game, winningLines[p.nextLine++ % winningLines.size()]);
      if (p.game.windowClosed) p.ended = true;
    }
  }

  // Runs the dispatcher as "save N" / "load N" does; a kill ends the process there.
  bool dispatch(const char* verb, Integer slot, std::set<int> faults, int kill) {
    Process& p = *process_;
    std::string faultList;
    for (int f : faults) faultList += " " + std::to_string(f);
    trace(std::string(verb) + " " + std::to_string(slot) + ", faults" + faultList + ", kill " +
          std::to_string(kill));
    p.faulty.points = 0;
    p.faulty.failAt = std::move(faults);
    p.faulty.killAt = kill;
    p.window.notices.clear();
    p.game.commandVerb = verb;
    p.game.saveSlot = slot;
    try {
      kvelt::ulozit(p.game);
    } catch (const Killed&) {
      p.ended = true;
    } catch (const kvelt::FatalError&) {
      p.ended = true;  // the catalogue could not be read: the program ends, the slot is done
    }
    p.faulty.failAt.clear();
    p.faulty.killAt = 0;
    trace(p.ended ? "  killed or ended" : "  notice: " + p.window.notices);
    return !p.ended;
  }

  void save(Integer slot, std::set<int> faults, int kill) {
    Process& p = *process_;
    const SlotBytes next = saved(p.game);
    std::set<SlotBytes>& allowed = slots_[slot];
    if (allowed.empty()) allowed.insert(SlotBytes{});
    if (!dispatch("save", slot, std::move(faults), kill)) {
      allowed.insert(next);
      return;
    }
    if (p.window.notices.empty()) {
      allowed = {next};
    } else {
      check(allowed.count(effective(slot)) > 0);  // the failed save changed nothing
    }
  }

  void load(Integer slot, std::set<int> faults, int kill) {
    Process& p = *process_;
    const SlotBytes before = saved(p.game);
    std::set<SlotBytes>& allowed = slots_[slot];
    if (allowed.empty()) allowed.insert(SlotBytes{});
    if (!dispatch("load", slot, std::move(faults), kill)) return;
    check(kvelt::roomObjects(p.game, p.game.posX, p.game.posY) != nullptr);
    const SlotBytes after = saved(p.game);
    if (p.window.notices.empty()) {
      // Loaded: one whole game of the slot, and saving it again gives the same bytes.
      check(allowed.count(after) > 0);
      allowed = {after};
    } else {
      check(after.list == before.list && after.state == before.state);
    }
  }

  // What the slot holds once a start without faults has repaired it, seen on a copy.
  SlotBytes effective(Integer slot) {
    kvelt::MemoryFiles copy = disk_;
    const kvelt::SlotNames names(kDir, slot);
    check(kvelt::recoverSlot(copy, names).isOk());
    auto list = copy.files.find(names.path(names.list));
    auto state = copy.files.find(names.path(names.state));
    if (list == copy.files.end() && state == copy.files.end()) return SlotBytes{};
    check(list != copy.files.end() && state != copy.files.end());
    return {list->second, state->second, true};
  }

  kvelt::MemoryFiles disk_;
  std::unique_ptr<Process> process_;
  std::set<SlotBytes> slots_[11];
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::ifstream in(KVELT_WINNING_SEQUENCE);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    winningLines.push_back(line);
  }
  check(!winningLines.empty());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Run run;
  const std::uint8_t* at = data;
  const std::uint8_t* end = data + size;
  for (int steps = 0; at < end && steps < kMostSteps; ++steps) run.step(at, end);
  return 0;
}
