// A slot's two files replaced as one unit, read as one unit, and the repair of a save cut short.
#pragma once

#include <string>

#include "base/files.h"
#include "base/game.h"
#include "base/status.h"

namespace kvelt {

// The two files of one slot in the save folder. They keep the names that saved games have
// always had; the other files of a save (temporary files, the kept old list, the record) exist
// only while it runs and carry the number of the program that writes them.
struct SlotNames {
  SlotNames(std::string folder, Integer slot);
  std::string path(const std::string& name) const { return joinPath(dir, name); }

  std::string dir;
  std::string list;   // save3.s
  std::string state;  // savex3.s
};

// Writes both files of the slot so that the slot afterwards holds either the old game or the
// new one, whenever the program is killed and whatever other copy of the game uses the folder.
// Success means both files are in place; a failure means the slot holds the old game (at once,
// or after the recovery that every later save and load runs first).
Status commitSlot(Files& files, const SlotNames& slot, const std::string& listBytes,
                  const std::string& stateBytes);

// Reads both files of the slot, after repairing a save of it that was cut short, while no other
// program may save it. StatusKind::notFound when the slot was never saved; the two files
// together may hold at most kFileSizeLimit bytes.
Status readSlot(Files& files, const SlotNames& slot, std::string& listBytes,
                std::string& stateBytes);

// Finishes or rolls back every save of the slot that was cut short, and removes the files of an
// interrupted save, except those of a save another running program may still be making. A
// failure means the slot may not be whole, so it must not be read.
Status recoverSlot(Files& files, const SlotNames& slot);

// recoverSlot for every slot that needs it, at the start of the program. Nothing is reported:
// a slot that cannot be repaired now is tried again when it is next saved or loaded.
void recoverSlots(Files& files, const std::string& dir);

}  // namespace kvelt
