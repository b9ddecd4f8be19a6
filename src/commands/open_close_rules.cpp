// Open and close rules.
#include "commands/rule_groups.h"

namespace kvelt {

void openRules(Game&) {}
void closeRules(Game&) {}

}  // namespace kvelt
