// A slot's two files replaced as one unit, and the repair of a replacement cut short.
#pragma once

#include <string>
#include <vector>

#include "base/files.h"
#include "base/game.h"
#include "base/status.h"

namespace kvelt {

// The names that belong to one slot in the save folder. The two files keep the names that
// saved games have always had; the temporary files and the record exist only during a save.
struct SlotNames {
  SlotNames(std::string folder, Integer slot);
  std::string path(const std::string& name) const { return joinPath(dir, name); }
  // A temporary file of this slot, of this version or of an earlier one.
  bool isLeftover(const std::string& name) const;

  std::string dir;
  std::string list;            // save3.s
  std::string state;           // savex3.s
  std::string listTemporary;   // save3.s.tmp
  std::string stateTemporary;  // savex3.s.tmp
  std::string record;          // save3.s.commit: both temporary files are whole and on the disk
};

// Writes both files of the slot so that the slot afterwards holds either the old game or the
// new one, whenever the program is killed. A failure is reported only when the slot still holds
// the old game; once the list file has been moved into place, the new game is the slot's, and
// what is left to do is done by the next recoverSlot.
Status commitSlot(Files& files, const SlotNames& slot, const std::string& listBytes,
                  const std::string& stateBytes);

// Finishes or rolls back a commit of the slot that was cut short, and removes the temporary
// files of an interrupted save. Run before every save and load of the slot. A failure means the
// slot may not be whole, so it must not be read.
Status recoverSlot(Files& files, const SlotNames& slot);

// recoverSlot for every slot that needs it, at the start of the program. Nothing is reported:
// a slot that cannot be repaired now is tried again when it is next saved or loaded.
void recoverSlots(Files& files, const std::string& dir);

}  // namespace kvelt
