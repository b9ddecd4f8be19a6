// Slot commit: temporary files, a kept copy of the old list, an intent record, two renames, and
// the recovery that reads what a save cut short left.
//
// The order of a save by the program whose tag is T (its process number and a count), with the
// folder locked, and what a kill after each step leaves for recovery:
//   1. save3.s.tmp.T and savex3.s.tmp.T written and synced  -> no record: leftovers
//   2. the old list copied to save3.s.old.T (when there is one to keep)
//   3. the record created and synced, the folder synced: save3.s.commit.T when the old list is
//      kept, save3.s.first.T when there was none          -> record + save3.s.tmp.T: roll back
//   4. save3.s.tmp.T renamed to save3.s, the folder synced -> record, savex3.s.tmp.T: roll back
//      (the kept copy renamed to save3.s, or save3.s removed when there was none)
//   5. savex3.s.tmp.T renamed to savex3.s                  -> record alone: the save is done
//   6. the record removed, then the kept copy
// The save succeeds at step 5 and at no other: a save that cannot move the state file puts the
// old list back itself, and says it failed. The records are never read: their names say all.
// Records of earlier versions (save3.s.commit, with save3.s.tmp and savex3.s.tmp) roll on after
// their step 4, as those versions did.
#include "persistence/slot_commit.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <vector>

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

// The files of one save of one slot. An empty tag is a save of an earlier version.
struct CommitNames {
  CommitNames(const SlotNames& slot, const std::string& tag)
      : legacy(tag.empty()),
        listTemporary(slot.list + (legacy ? ".tmp" : ".tmp." + tag)),
        stateTemporary(slot.state + (legacy ? ".tmp" : ".tmp." + tag)),
        kept(slot.list + ".old." + tag),
        record(slot.list + (legacy ? ".commit" : ".commit." + tag)),
        firstRecord(slot.list + ".first." + tag) {}

  bool legacy;
  std::string listTemporary;
  std::string stateTemporary;
  std::string kept;
  std::string record;       // the old list is kept
  std::string firstRecord;  // the slot had no list to keep
};

// Whether a name is one a save of the slot leaves, and if so the tag of that save.
bool saveFileTag(const SlotNames& slot, const std::string& name, std::string& tag) {
  for (const std::string& prefix : {slot.list + ".tmp.", slot.state + ".tmp.", slot.list + ".old.",
                                    slot.list + ".commit.", slot.list + ".first."}) {
    if (starts(name, prefix) && name.size() > prefix.size()) {
      tag = name.substr(prefix.size());
      return true;
    }
  }
  // Earlier versions: save3.s.tmp, savex3.s.tmp, save3.s.commit, and save3.s.tmp-XXXXXX.
  if (starts(name, slot.list + ".tmp") || starts(name, slot.state + ".tmp") ||
      name == slot.list + ".commit") {
    tag.clear();
    return true;
  }
  return false;
}

// The program that wrote a tag, "4711" of "4711-3".
std::string ownerOf(const std::string& tag) {
  return tag.substr(0, tag.find('-'));
}

std::string newTag(Files& files) {
  // One program saves one slot at a time, so a count of its saves keeps its names apart.
  static unsigned saves = 0;
  return files.processTag() + "-" + std::to_string(++saves);
}

Status removeAndSync(Files& files, const SlotNames& slot, const std::string& name) {
  Status removed = files.remove(slot.path(name));
  return removed.isOk() ? files.syncDir(slot.dir) : removed;
}

void removeQuietly(Files& files, const SlotNames& slot, std::initializer_list<std::string> names) {
  for (const std::string& name : names) (void)files.remove(slot.path(name));
}

// The list file of a save that moved it and then could not move the state file goes back to
// what it was. The record goes last: while it stands, the next recovery does this again.
Status restoreOldList(Files& files, const SlotNames& slot, const CommitNames& names,
                      bool keptExists, bool hadList) {
  Status restored = Status::ok();
  if (hadList && keptExists) {
    restored = files.rename(slot.path(names.kept), slot.path(slot.list));
  } else if (!hadList) {
    restored = files.remove(slot.path(slot.list));
  }
  if (restored.isOk()) restored = files.syncDir(slot.dir);
  if (restored.isOk())
    restored = removeAndSync(files, slot, hadList ? names.record : names.firstRecord);
  if (restored.isOk()) removeQuietly(files, slot, {names.stateTemporary, names.kept});
  return restored;
}

// Drops a save that has not moved its list file. The record goes first, and for good, before
// the temporary files: while it stands, save3.s.tmp.T must stay, or a recovery would take the
// list as moved.
void dropUnmoved(Files& files, const SlotNames& slot, const CommitNames& names, bool recordTried,
                 bool hadList) {
  if (recordTried &&
      !removeAndSync(files, slot, hadList ? names.record : names.firstRecord).isOk()) {
    return;
  }
  removeQuietly(files, slot, {names.stateTemporary, names.listTemporary, names.kept});
}

Status recoverCommit(Files& files, const SlotNames& slot, const std::vector<DirEntry>& entries,
                     const std::string& tag) {
  const CommitNames names(slot, tag);
  const auto has = [&](const std::string& name) { return find(entries, name) != nullptr; };
  const bool kept = has(names.record);
  if (kept || (!names.legacy && has(names.firstRecord))) {
    const std::string& record = kept ? names.record : names.firstRecord;
    if (has(names.listTemporary)) {
      // Cut short before the list file moved: the old game still stands whole.
      Status dropped = removeAndSync(files, slot, record);
      if (!dropped.isOk()) return dropped;
    } else if (has(names.stateTemporary)) {
      if (names.legacy) {
        // Earlier versions counted the save as done once the list file had moved.
        Status moved = files.rename(slot.path(names.stateTemporary), slot.path(slot.state));
        if (moved.isOk()) moved = files.syncDir(slot.dir);
        if (moved.isOk()) moved = files.remove(slot.path(record));
        if (!moved.isOk()) return moved;
      } else {
        Status restored = restoreOldList(files, slot, names, has(names.kept), kept);
        if (!restored.isOk()) return restored;
      }
    } else {
      // Both files moved: the save was done and told so.
      Status done = files.remove(slot.path(record));
      if (!done.isOk()) return done;
    }
  }
  // A leftover that cannot be removed does the slot no harm: the next save has its own names.
  removeQuietly(files, slot, {names.listTemporary, names.stateTemporary});
  if (!names.legacy) removeQuietly(files, slot, {names.kept});
  return Status::ok();
}

Status recover(Files& files, const SlotNames& slot, const std::vector<DirEntry>& entries) {
  std::map<std::string, bool> tags;
  for (const DirEntry& entry : entries) {
    std::string tag;
    if (saveFileTag(slot, entry.name, tag)) tags[tag] = true;
  }
  for (const auto& [tag, found] : tags) {
    // Without the lock (a disk that has none) another copy of the game may be saving now.
    if (!tag.empty() && files.otherProgramRunning(ownerOf(tag))) continue;
    Status status = recoverCommit(files, slot, entries, tag);
    if (!status.isOk()) return status;
    // Names of an earlier version that fit no commit (save3.s.tmp-XXXXXX) go as well.
    if (tag.empty()) {
      for (const DirEntry& entry : entries) {
        std::string other;
        if (saveFileTag(slot, entry.name, other) && other.empty()) {
          (void)files.remove(slot.path(entry.name));
        }
      }
    }
  }
  return Status::ok();
}

Status listAndRecover(Files& files, const SlotNames& slot, std::vector<DirEntry>& entries) {
  Status listed = files.list(slot.dir, entries);
  return listed.isOk() ? recover(files, slot, entries) : listed;
}

// The old list, when the slot has one that a load would take; a file that is not one (a link,
// a FIFO, too large) holds no game to keep. An I/O failure stops the save: the old game may be
// sound, and it could not be put back.
Status readOldList(Files& files, const SlotNames& slot, std::string& bytes, bool& hadList) {
  Status read = files.read(slot.path(slot.list), bytes, kFileSizeLimit, Links::refuse);
  hadList = read.isOk();
  if (read.isOk() || read.kind() == StatusKind::notFound || read.kind() == StatusKind::corrupt) {
    return Status::ok();
  }
  return read;
}

Status commitLocked(Files& files, const SlotNames& slot, const std::string& listBytes,
                    const std::string& stateBytes) {
  std::vector<DirEntry> entries;
  Status status = listAndRecover(files, slot, entries);
  if (!status.isOk()) return status;
  // A folder in a file's place would refuse the rename halfway through the slot.
  for (const std::string& name : {slot.list, slot.state}) {
    const DirEntry* entry = find(entries, name);
    if (entry != nullptr && entry->directory) {
      return Status::error(StatusKind::corrupt, slot.path(name) + ": a folder");
    }
  }
  std::string oldList;
  bool hadList = false;
  status = readOldList(files, slot, oldList, hadList);
  if (!status.isOk()) return status;

  const CommitNames names(slot, newTag(files));
  bool recordTried = false;
  status = files.create(slot.path(names.listTemporary), listBytes);
  if (status.isOk()) status = files.create(slot.path(names.stateTemporary), stateBytes);
  if (status.isOk() && hadList) status = files.create(slot.path(names.kept), oldList);
  if (status.isOk()) {
    recordTried = true;
    const std::string& record = hadList ? names.record : names.firstRecord;
    status = files.create(slot.path(record), "kvelt: " + slot.list + ", " + slot.state + "\r\n");
  }
  if (status.isOk()) status = files.syncDir(slot.dir);
  if (status.isOk()) status = files.rename(slot.path(names.listTemporary), slot.path(slot.list));
  if (!status.isOk()) {
    dropUnmoved(files, slot, names, recordTried, hadList);
    return status;
  }
  status = files.syncDir(slot.dir);
  if (status.isOk()) status = files.rename(slot.path(names.stateTemporary), slot.path(slot.state));
  if (!status.isOk()) {
    // What fails here is left to the next recovery, which does the same.
    (void)restoreOldList(files, slot, names, true, hadList);
    return status;
  }
  // The save is done; a step that fails from here leaves names the next recovery removes.
  if (files.syncDir(slot.dir).isOk() &&
      files.remove(slot.path(hadList ? names.record : names.firstRecord)).isOk() && hadList) {
    removeQuietly(files, slot, {names.kept});
  }
  return Status::ok();
}

Status lockFor(Files& files, const std::string& dir, std::unique_ptr<FolderLock>& lock) {
  return files.lockFolder(dir, lock);
}

}  // namespace

SlotNames::SlotNames(std::string folder, Integer slot)
    : dir(std::move(folder)), list(slotListFileName(slot)), state(slotStateFileName(slot)) {}

Status commitSlot(Files& files, const SlotNames& slot, const std::string& listBytes,
                  const std::string& stateBytes) {
  std::unique_ptr<FolderLock> lock;
  Status locked = lockFor(files, slot.dir, lock);
  return locked.isOk() ? commitLocked(files, slot, listBytes, stateBytes) : locked;
}

Status readSlot(Files& files, const SlotNames& slot, std::string& listBytes,
                std::string& stateBytes) {
  std::unique_ptr<FolderLock> lock;
  Status status = lockFor(files, slot.dir, lock);
  std::vector<DirEntry> entries;
  if (status.isOk()) status = listAndRecover(files, slot, entries);
  if (!status.isOk()) return status;
  status = files.read(slot.path(slot.list), listBytes, kFileSizeLimit, Links::refuse);
  if (status.kind() == StatusKind::notFound && find(entries, slot.state) != nullptr) {
    return Status::error(StatusKind::corrupt, slot.path(slot.list) + ": missing");
  }
  if (!status.isOk()) return status;
  // The limit is the slot's, not each file's.
  status = files.read(slot.path(slot.state), stateBytes, kFileSizeLimit - listBytes.size(),
                      Links::refuse);
  if (status.kind() == StatusKind::notFound) {
    return Status::error(StatusKind::corrupt, slot.path(slot.state) + ": missing");
  }
  return status;
}

Status recoverSlot(Files& files, const SlotNames& slot) {
  std::unique_ptr<FolderLock> lock;
  Status status = lockFor(files, slot.dir, lock);
  std::vector<DirEntry> entries;
  return status.isOk() ? listAndRecover(files, slot, entries) : status;
}

void recoverSlots(Files& files, const std::string& dir) {
  std::unique_ptr<FolderLock> lock;
  std::vector<DirEntry> entries;
  if (!lockFor(files, dir, lock).isOk() || !files.list(dir, entries).isOk()) return;
  for (Integer number = 1; number <= kSlotCount; ++number) {
    SlotNames slot(dir, number);
    const bool touched = std::any_of(entries.begin(), entries.end(), [&](const DirEntry& entry) {
      std::string tag;
      return saveFileTag(slot, entry.name, tag);
    });
    if (touched) (void)recover(files, slot, entries);
  }
}

}  // namespace kvelt
