// Slot commit: temporary files, an intent record, two renames, and the recovery that reads them.
//
// The order of a save, and what a kill after each step leaves for recoverSlot:
//   1. save3.s.tmp and savex3.s.tmp written and synced   -> no record: both are leftovers
//   2. the record save3.s.commit created and synced, the folder synced
//                                                          -> record + save3.s.tmp: roll back
//   3. save3.s.tmp renamed to save3.s, the folder synced  -> record, no save3.s.tmp: roll on
//   4. savex3.s.tmp renamed to savex3.s, the folder synced
//   5. the record removed                                 -> record alone: remove it
// The record is never read: its presence after step 2 is what counts, so a record cut short
// in the middle of its own write means the same as a whole one.
#include "persistence/slot_commit.h"

#include <algorithm>
#include <utility>

#include "persistence/save_commands.h"

namespace kvelt {
namespace {

bool starts(const std::string& name, const std::string& prefix) {
  return name.compare(0, prefix.size(), prefix) == 0;
}

const DirEntry* find(const std::vector<DirEntry>& entries, const std::string& name) {
  auto it = std::find_if(entries.begin(), entries.end(),
                         [&](const DirEntry& entry) { return entry.name == name; });
  return it == entries.end() ? nullptr : &*it;
}

// What is in the record is for a person who finds it; the program only asks whether it exists.
std::string recordText(const SlotNames& slot) {
  return "kvelt: " + slot.listTemporary + " -> " + slot.list + ", " + slot.stateTemporary + " -> " +
         slot.state + "\r\n";
}

// Drops a save that has not reached step 3. The record goes first, and for good, before the
// temporary files: while it stands, save3.s.tmp must stay, or a recovery would roll on.
void rollBack(Files& files, const SlotNames& slot, bool recordTried) {
  if (recordTried &&
      !(files.remove(slot.path(slot.record)).isOk() && files.syncDir(slot.dir).isOk())) {
    return;
  }
  (void)files.remove(slot.path(slot.stateTemporary));
  (void)files.remove(slot.path(slot.listTemporary));
}

Status recover(Files& files, const SlotNames& slot, const std::vector<DirEntry>& entries) {
  if (find(entries, slot.record) != nullptr) {
    if (find(entries, slot.listTemporary) != nullptr) {
      // Cut short before step 3: the old game still stands whole.
      Status dropped = files.remove(slot.path(slot.record));
      if (!dropped.isOk()) return dropped;
      Status synced = files.syncDir(slot.dir);
      if (!synced.isOk()) return synced;
    } else {
      // Cut short after step 3: the list file is new, so the state file must follow it.
      if (find(entries, slot.stateTemporary) != nullptr) {
        Status moved = files.rename(slot.path(slot.stateTemporary), slot.path(slot.state));
        if (!moved.isOk()) return moved;
        Status synced = files.syncDir(slot.dir);
        if (!synced.isOk()) return synced;
      }
      Status done = files.remove(slot.path(slot.record));
      if (!done.isOk()) return done;
    }
  }
  // A leftover that cannot be removed does the slot no harm; a save then fails on its name.
  for (const DirEntry& entry : entries) {
    if (slot.isLeftover(entry.name)) (void)files.remove(slot.path(entry.name));
  }
  return Status::ok();
}

}  // namespace

SlotNames::SlotNames(std::string folder, Integer slot)
    : dir(std::move(folder)),
      list(slotListFileName(slot)),
      state(slotStateFileName(slot)),
      listTemporary(list + ".tmp"),
      stateTemporary(state + ".tmp"),
      record(list + ".commit") {}

// Earlier versions named their temporary files save3.s.tmp-XXXXXX; those are swept up too.
bool SlotNames::isLeftover(const std::string& name) const {
  return starts(name, listTemporary) || starts(name, stateTemporary);
}

Status recoverSlot(Files& files, const SlotNames& slot) {
  std::vector<DirEntry> entries;
  Status listed = files.list(slot.dir, entries);
  if (!listed.isOk()) return listed;
  return recover(files, slot, entries);
}

void recoverSlots(Files& files, const std::string& dir) {
  std::vector<DirEntry> entries;
  if (!files.list(dir, entries).isOk()) return;
  for (Integer number = 1; number <= kSlotCount; ++number) {
    SlotNames slot(dir, number);
    const bool touched = std::any_of(entries.begin(), entries.end(), [&](const DirEntry& entry) {
      return entry.name == slot.record || slot.isLeftover(entry.name);
    });
    if (touched) (void)recover(files, slot, entries);
  }
}

Status commitSlot(Files& files, const SlotNames& slot, const std::string& listBytes,
                  const std::string& stateBytes) {
  std::vector<DirEntry> entries;
  Status status = files.list(slot.dir, entries);
  if (status.isOk()) status = recover(files, slot, entries);
  if (!status.isOk()) return status;
  // A folder in a file's place would refuse the rename halfway through the slot.
  for (const std::string& name : {slot.list, slot.state}) {
    const DirEntry* entry = find(entries, name);
    if (entry != nullptr && entry->directory) return Status::error(slot.path(name) + ": a folder");
  }

  bool recordTried = false;
  status = files.create(slot.path(slot.listTemporary), listBytes);
  if (status.isOk()) status = files.create(slot.path(slot.stateTemporary), stateBytes);
  if (status.isOk()) {
    recordTried = true;
    status = files.create(slot.path(slot.record), recordText(slot));
  }
  if (status.isOk()) status = files.syncDir(slot.dir);
  if (status.isOk()) status = files.rename(slot.path(slot.listTemporary), slot.path(slot.list));
  if (!status.isOk()) {
    rollBack(files, slot, recordTried);
    return status;
  }

  // The new game is the slot's from here on; a step that fails is left to the next recovery.
  if (files.syncDir(slot.dir).isOk() &&
      files.rename(slot.path(slot.stateTemporary), slot.path(slot.state)).isOk() &&
      files.syncDir(slot.dir).isOk()) {
    (void)files.remove(slot.path(slot.record));
  }
  return Status::ok();
}

}  // namespace kvelt
