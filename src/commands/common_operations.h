// Operations that the rules of every command group share.
#pragma once

#include <string>

#include "base/game.h"

namespace kvelt {

// Text2 gets CR LF and `text`.
void appendReply(Game& game, const std::string& text);

// Puts `word` into the first empty slot 0..last of currentRoomObjects; nothing if none is free.
void placeInRoom(Game& game, const std::string& word, int last = kRoomSlots - 1);

// Empties every inventory slot 0..10 holding `word`, then refreshes the pane with inv.
void removeCarried(Game& game, const std::string& word);

// Gives every inventory slot 0..10 holding `oldWord` the word `newWord`, then inv.
void replaceCarried(Game& game, const std::string& oldWord, const std::string& newWord);

// Lists the room's objects once more after a rule changed them.
void relistRoom(Game& game);

// Whether inventory slots first..last hold `word`.
bool carries(const Game& game, const std::string& word, int first = 0, int last = 10);

}  // namespace kvelt
