// Take and drop rules.
#include "commands/rule_groups.h"

namespace kvelt {

void takeRules(Game&) {}
void dropRules(Game&) {}

}  // namespace kvelt
