// Fake platform services and a numbered catalogue for the engine's tests.
#include "test_support/test_game.h"

#include <gtest/gtest.h>

#include <cctype>

#include "commands/dispatch.h"
#include "platform/codepage.h"
#include "shell/session.h"
#include "world/room_handler.h"

namespace kvelt::testing {

std::string messageText(int number) {
  return "M" + std::to_string(number) + " žluťoučký";
}

std::string numberedCatalogue(int lines) {
  std::string text;
  for (int n = 1; n <= lines; ++n) text += messageText(n) + "\r\n";
  return utf8ToCp1250(text);
}

void FakeDisplay::enumCurrentSettings(DevModeA& mode) {
  calls.push_back("enum");
  mode.setField32(DevModeA::kDmFieldsOffset, 0x5C0000);
  mode.setField32(DevModeA::kDmBitsPerPelOffset, 32);
  mode.setField32(DevModeA::kDmPelsWidthOffset, width);
  mode.setField32(DevModeA::kDmPelsHeightOffset, height);
  mode.setField32(DevModeA::kDmDisplayFrequencyOffset, 60);
}

std::int32_t FakeDisplay::changeDisplaySettings(DevModeA& mode, std::uint32_t flags) {
  std::uint32_t w = mode.field32(DevModeA::kDmPelsWidthOffset);
  std::uint32_t h = mode.field32(DevModeA::kDmPelsHeightOffset);
  calls.push_back((flags == kCdsTest ? "test " : "change ") + std::to_string(w) + "x" +
                  std::to_string(h));
  if (flags == kCdsTest) return testAnswer;
  width = w;
  height = h;
  return kDispChangeSuccessful;
}

TestGame::TestGame() {
  files.files[std::string(kDir) + "/scripts.tex"] = numberedCatalogue();
}

void TestGame::start() {
  Status status = startGame(game, Platform{&window, &display, &files, kDir, kDir});
  // A test that wants a failing start calls startGame itself; here a failure is the test's.
  if (!status.isOk()) ADD_FAILURE() << "startGame failed: " << status.message();
}

void TestGame::enter(const std::string& line) {
  Status status = pressEnter(game, line);
  if (!status.isOk())
    ADD_FAILURE() << "pressEnter(\"" << line << "\") failed: " << status.message();
}

void TestGame::startPlaying() {
  start();
  enter("");
}

void TestGame::standIn(Integer x, Integer y) {
  game.posX = x;
  game.posY = y;
  game.currentRoomObjects = *roomObjects(game, x, y);
  constexpr struct {
    Integer x, y, code;
  } kDoors[] = {{3, 7, 1}, {3, 3, 2}, {3, 2, 3}, {4, 2, 4}, {3, 1, 5}};
  for (const auto& door : kDoors) {
    if (door.x == x && door.y == y) game.doorRoomCode = door.code;
  }
}

std::vector<std::string> TestGame::command(const std::string& verb, const std::string& object,
                                           const std::string& target) {
  game.Text2.clear();
  game.commandVerb = verb;
  game.commandObject = object;
  game.commandTarget = target;
  prikazy(game);
  return readPage(game.Text2);
}

std::vector<std::string> TestGame::carried() const {
  std::vector<std::string> words;
  for (const std::string& word : game.inventory) {
    if (!word.empty()) words.push_back(word);
  }
  return words;
}

std::vector<std::string> readPage(const std::string& pane) {
  static const std::string kTail = " žluťoučký";
  std::vector<std::string> lines = paneLines(pane);
  if (!lines.empty() && lines.front().empty()) lines.erase(lines.begin());
  for (std::string& line : lines) {
    std::size_t digits = 1;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) {
      ++digits;
    }
    if (line.size() > 1 && line[0] == 'M' && digits > 1 &&
        line.compare(digits, kTail.size(), kTail) == 0) {
      line = line.substr(1, digits - 1) + line.substr(digits + kTail.size());
    }
  }
  return lines;
}

std::vector<std::string> paneLines(const std::string& pane) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = pane.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(pane.substr(start));
      return lines;
    }
    lines.push_back(pane.substr(start, end - start));
    start = end + 2;
  }
}

}  // namespace kvelt::testing
