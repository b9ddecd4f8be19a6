// The four groups of command rules, each applied to the recognised command words.
#pragma once

#include "base/game.h"

namespace kvelt {

// The interpreter's own sentences, built around the object word as typed.
inline constexpr const char* kCannotTake = " si nemůžeš vzít!";
inline constexpr const char* kTookLead = "Vzal jsi ";
inline constexpr const char* kTookTail = "...";
inline constexpr const char* kDroppedLead = "Položil jsi ";
inline constexpr const char* kCannotOpen = " nemůžeš otevřít!";  // closing refuses with it too
inline constexpr const char* kCannotUse = " nemůžeš nikterak použít!";

void examineRules(Game& game);  // "prozkoumej"
void takeRules(Game& game);     // "vezmi"
void dropRules(Game& game);     // "polož"
void openRules(Game& game);     // "otevři"
void closeRules(Game& game);    // "zavři"
void useRules(Game& game);      // "použij"

}  // namespace kvelt
