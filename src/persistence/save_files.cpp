// Save files.
#include "persistence/save_files.h"

namespace kvelt {

void save(Game&) {}
void load(Game&) {}

}  // namespace kvelt
