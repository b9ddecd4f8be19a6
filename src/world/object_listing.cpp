// Room object listing and command recognition.
#include "world/object_listing.h"

#include "text/pane.h"
#include "text/sentence.h"

namespace kvelt {
namespace {

constexpr int kDrop = 2;  // "polož"
constexpr int kUse = 5;   // "použij"
constexpr int kTake = 1;  // "vezmi"

void listObjects(Game& game) {
  game.k = 0;
  bool headerShown = false;
  for (game.loopIndex = 0; game.loopIndex < kRoomSlots; ++game.loopIndex) {
    const std::string& word = game.currentRoomObjects[game.loopIndex];
    if (word.empty()) {
      ++game.k;
      if (game.k == kRoomSlots) game.Text2 += kNothingHere;
      continue;
    }
    if (!headerShown) {
      game.Text2 += kSeeHeader;
      headerShown = true;
    }
    appendLine(game.Text2, word);
  }
}

void recognise(Game& game) {
  const std::string& line = game.Text1;
  const auto& verb = game.verbs;

  // Each loop holds the line against "verb " (and "použij X na ") once, then only the rest of
  // the line against each word: the same sentences, compared without repeating their start.

  // Verbs on what lies in the room come first. "polož" and "použij" never name a room object
  // here; an empty slot matches only the verb with a trailing blank and stores nothing.
  for (game.loopIndex = 0; game.loopIndex <= 5; ++game.loopIndex) {
    const std::optional<std::string_view> rest = restAfter(line, {verb[game.loopIndex], " "});
    for (game.innerLoopIndex = 0; game.innerLoopIndex <= 10; ++game.innerLoopIndex) {
      const std::string& word = game.currentRoomObjects[game.innerLoopIndex];
      if (!rest || *rest != word) continue;
      if (game.loopIndex != kDrop && game.loopIndex != kUse && !word.empty()) {
        game.commandVerb = verb[game.loopIndex];
        game.commandObject = word;
        game.turn.recognised = true;
      }
      break;
    }
  }
  // Carried objects; "vezmi" never names a carried object.
  for (game.loopIndex = 0; game.loopIndex <= 5; ++game.loopIndex) {
    const std::optional<std::string_view> rest = restAfter(line, {verb[game.loopIndex], " "});
    for (game.innerLoopIndex = 0; game.innerLoopIndex <= 10; ++game.innerLoopIndex) {
      const std::string& word = game.inventory[game.innerLoopIndex];
      if (!rest || *rest != word) continue;
      if (game.loopIndex != kTake && !word.empty()) {
        game.commandVerb = verb[game.loopIndex];
        game.commandObject = word;
        game.turn.recognised = true;
      }
      break;
    }
  }
  // The uniform is put on and off from any carried slot.
  if (lineIs(line, {verb[kUse], " ", "uniformu"})) {
    for (game.loopIndex = 0; game.loopIndex <= 20; ++game.loopIndex) {
      if (game.inventory[game.loopIndex] == "uniformu") {
        game.commandVerb = verb[kUse];
        game.commandObject = "uniformu";
        game.turn.recognised = true;
        break;
      }
    }
  }
  // A carried object used on a seen one; the last match wins.
  for (game.loopIndex = 0; game.loopIndex <= 10; ++game.loopIndex) {
    const std::string& object = game.inventory[game.loopIndex];
    const std::optional<std::string_view> rest = restAfter(line, {verb[kUse], " ", object, " na "});
    for (game.innerLoopIndex = 0; game.innerLoopIndex < kRoomSlots; ++game.innerLoopIndex) {
      const std::string& target = game.currentRoomObjects[game.innerLoopIndex];
      if (rest && *rest == target) {
        game.commandVerb = verb[kUse];
        game.commandObject = object;
        game.commandTarget = target;
        game.turn.recognised = true;
      }
    }
  }
  // A carried object used on a carried one; the last match wins.
  for (game.loopIndex = 0; game.loopIndex <= 10; ++game.loopIndex) {
    const std::string& object = game.inventory[game.loopIndex];
    const std::optional<std::string_view> rest = restAfter(line, {verb[kUse], " ", object, " na "});
    for (game.innerLoopIndex = 0; game.innerLoopIndex <= 10; ++game.innerLoopIndex) {
      const std::string& target = game.inventory[game.innerLoopIndex];
      if (rest && *rest == target) {
        game.commandVerb = verb[kUse];
        game.commandObject = object;
        game.commandTarget = target;
        game.turn.recognised = true;
      }
    }
  }
}

}  // namespace

void popisyx(Game& game) {
  ++game.turn.printed;
  game.turn.roomVisited = true;
  listObjects(game);
  recognise(game);
}

}  // namespace kvelt
