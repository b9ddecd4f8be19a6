// A game on fake platform services, with a numbered catalogue, for the engine's tests.
#pragma once

#include <string>
#include <vector>

#include "base/display_settings.h"
#include "base/files.h"
#include "base/game.h"
#include "base/window.h"
#include "common/recording_window.h"
#include "test_support/memory_files.h"

namespace kvelt::testing {

// The closing sequence of a won game as the tests expect it, written apart from the engine's
// own list so that an edit of either one shows.
inline const std::vector<Integer> kExpectedEnding = {171, 172, 179, 177, 178, 179, 179, 179, 180};

// Line n of the test catalogue reads "M<n> žluťoučký" (Windows-1250 on disk), so a page can
// be read back as a list of message numbers and literal pieces.
std::string numberedCatalogue(int lines = 180);
std::string messageText(int number);

// A display that accepts every mode and records each call.
class FakeDisplay : public DisplaySettings {
 public:
  void enumCurrentSettings(DevModeA& mode) override;
  std::int32_t changeDisplaySettings(DevModeA& mode, std::uint32_t flags) override;
  std::uint32_t width = 1024, height = 768;
  std::int32_t testAnswer = kDispChangeSuccessful;
  std::vector<std::string> calls;
};

struct TestGame {
  TestGame();
  // Form_Load on the fake services.
  void start();
  // Enter with `line` in the input line.
  void enter(const std::string& line);
  // Starts and skips the first turn, so the next Enter describes the start room.
  void startPlaying();
  // Puts the player into room (x,y) with the room's objects in currentRoomObjects, as the
  // room handler leaves them before it calls the interpreter (door code included).
  void standIn(Integer x, Integer y);
  // Runs the interpreter on these command words with an empty narration pane and returns what
  // it printed, read by readPage.
  std::vector<std::string> command(const std::string& verb, const std::string& object,
                                   const std::string& target = "");
  // The non-empty inventory slots, in order.
  std::vector<std::string> carried() const;

  Game game;
  RecordingWindow window;
  FakeDisplay display;
  MemoryFiles files;
  static constexpr const char* kDir = "/game";
};

// The pane split at CR LF.
std::vector<std::string> paneLines(const std::string& pane);

// The pane split at CR LF, with each catalogue line written as its number: "M45 žluťoučký"
// reads "45", and "M94 žluťoučký Vidíš" (a listing continuing the line) reads "94 Vidíš". A
// leading empty line (the pane was empty before the first append) is dropped.
std::vector<std::string> readPage(const std::string& pane);

}  // namespace kvelt::testing
