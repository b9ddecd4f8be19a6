// The story as a list of things still to be done, each with the line that does it.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "base/game.h"

namespace kvelt {

struct Stage {
  const char* id;                        // names its hint in hints.txt
  const char* chapter;                   // the part of the story it belongs to, for the first hint
  const char* line;                      // the line that does it
  const char* object;                    // carried when the line is typed ("" for none)
  const char* target;                    // in sight or carried when the line is typed ("" for none)
  Integer x = 0, y = 0;                  // the room where the line works; 0 where the target is
  std::vector<const char*> alsoCarried;  // what must come along into that room
  bool (*done)(const Game&);
};

// In the order a game can take them: each one's needs come before it.
std::span<const Stage> storyStages();
// The first stage not done yet, or the number of stages when the game is won.
std::size_t firstOpenStage(const Game& game);

// Reading the record without changing it.
bool carries(const Game& game, std::string_view word);
bool lies(const ObjectList& list, std::string_view word, int lastSlot = kRoomSlots - 1);
bool inSight(const Game& game, std::string_view word);  // listed in the room where one stands
// The list of room (x,y), or nullptr where the map has no room.
const ObjectList* roomList(const Game& game, Integer x, Integer y);
// Somewhere on the map, or carried.
bool existsAnywhere(const Game& game, std::string_view word);
// The rooms one cannot leave towards the gate once the chandelier is down.
bool inUpperFloor(Integer x, Integer y);
// Carried, or lying in the upper floor.
bool keptUpstairs(const Game& game, std::string_view word);
bool won(const Game& game);
int carriedCount(const Game& game);

}  // namespace kvelt
