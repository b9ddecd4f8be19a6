// Listing the room's objects and recognising the typed command.
#pragma once

#include "base/game.h"

namespace kvelt {

inline constexpr const char* kSeeHeader = " Vidíš";
inline constexpr const char* kNothingHere = " Není tu nic zvláštního";

// Appends the objects of currentRoomObjects to Text2, then compares the typed line (Text1) with
// every sentence that the verbs and the visible or carried objects make, and stores the words
// of a match in commandVerb, commandObject and commandTarget.
void popisyx(Game& game);

}  // namespace kvelt
