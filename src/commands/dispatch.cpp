// Command dispatch by verb.
#include "commands/dispatch.h"

#include <array>

#include "commands/rule_groups.h"

namespace kvelt {

void prikazy(Game& game) {
  // The verbs in their fixed order, each with its rule group; the first equal one acts.
  using Group = void (*)(Game&);
  const std::array<Group, 6> groups = {examineRules, takeRules,  dropRules,
                                       openRules,    closeRules, useRules};
  for (std::size_t verb = 0; verb < groups.size(); ++verb) {
    if (game.commandVerb == game.verbs[verb]) {
      groups[verb](game);
      break;
    }
  }
  // A command acts once: whatever the rules did, the words are spent.
  game.commandVerb.clear();
  game.commandObject.clear();
  game.commandTarget.clear();
}

}  // namespace kvelt
