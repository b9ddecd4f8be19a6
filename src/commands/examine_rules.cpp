// Examine rules.
#include "commands/rule_groups.h"

namespace kvelt {

void examineRules(Game&) {}

}  // namespace kvelt
