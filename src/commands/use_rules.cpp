// Use rules.
#include "commands/rule_groups.h"

namespace kvelt {

void useRules(Game&) {}

}  // namespace kvelt
