// The four groups of command rules, each applied to the recognised command words.
#pragma once

#include "shell/game.h"

namespace kvelt {

void examineRules(Game& game);  // "prozkoumej"
void takeRules(Game& game);     // "vezmi"
void dropRules(Game& game);     // "polož"
void openRules(Game& game);     // "otevři"
void closeRules(Game& game);    // "zavři"
void useRules(Game& game);      // "použij"

}  // namespace kvelt
