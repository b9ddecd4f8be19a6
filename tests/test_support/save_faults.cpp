// The fault campaign over one save: injection, recovery, and the checks of the slot after.
#include "test_support/save_faults.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <set>

#include "persistence/slot_commit.h"
#include "test_support/faulty_files.h"

namespace kvelt::testing {
namespace {

struct SlotBytes {
  std::optional<std::string> list, state;
  bool operator==(const SlotBytes&) const = default;
};

const SlotBytes kOld{"old list\r\n", std::string("\x01\x00old", 5)};
const SlotBytes kNew{"new list\r\nsecond line\r\n", std::string("\x02\x00new state", 11)};
const SlotBytes kNothing{};

class Campaign {
 public:
  Campaign(Files& disk, const std::string& dir, bool slotExisted)
      : disk_(disk), slot_(dir, 3), before_(slotExisted ? kOld : kNothing) {}

  SlotBytes read() {
    SlotBytes bytes;
    std::string content;
    if (disk_.read(slot_.path(slot_.list), content).isOk()) bytes.list = content;
    if (disk_.read(slot_.path(slot_.state), content).isOk()) bytes.state = content;
    return bytes;
  }

  // The folder as the run starts: the old slot, or nothing of slot 3 at all.
  void reset() {
    std::vector<DirEntry> entries;
    (void)disk_.list(slot_.dir, entries);
    for (const DirEntry& entry : entries) (void)disk_.remove(slot_.path(entry.name));
    if (before_.list) (void)disk_.create(slot_.path(slot_.list), *before_.list);
    if (before_.state) (void)disk_.create(slot_.path(slot_.state), *before_.state);
  }

  enum class Outcome { saved, failed, killed };

  Outcome save(FaultyFiles& files) {
    try {
      return commitSlot(files, slot_, *kNew.list, *kNew.state).isOk() ? Outcome::saved
                                                                      : Outcome::failed;
    } catch (const Killed&) {
      return Outcome::killed;
    }
  }

  int cleanSavePoints() {
    reset();
    FaultyFiles files(disk_);
    (void)save(files);
    return files.points;
  }

  // One run: the save with its faults, then recoveries, each with its own faults, then a clean
  // one, as the next start of the program would run it.
  void run(const std::string& name, std::set<int> saveFaults, int saveKill,
           std::set<int> recoveryFaults = {}, int recoveryKill = 0) {
    ++report.runs;
    reset();
    FaultyFiles files(disk_);
    files.failAt = std::move(saveFaults);
    files.killAt = saveKill;
    // A failed save may leave its undoing to the recovery that every load runs first, so the
    // slot is judged as a load finds it.
    const Outcome outcome = save(files);
    if (!recoveryFaults.empty() || recoveryKill != 0) {
      FaultyFiles again(disk_);
      again.failAt = std::move(recoveryFaults);
      again.killAt = recoveryKill;
      try {
        (void)recoverSlot(again, slot_);
      } catch (const Killed&) {
      }
    }
    if (!recoverSlot(disk_, slot_).isOk()) problem(report.recoveryFailures, name + ": recovery");
    const SlotBytes after = read();
    if (after != before_ && after != kNew) problem(report.torn, name + ": torn or broken slot");
    if (outcome == Outcome::saved && after != kNew) problem(report.lostSaves, name + ": lost");
    if (outcome == Outcome::failed && after != before_) {
      problem(report.falseFailures, name + ": failed, yet the slot changed after recovery");
    }
    std::vector<DirEntry> entries;
    (void)disk_.list(slot_.dir, entries);
    // The lock file stays for good, and is no slot's.
    std::erase_if(entries, [](const DirEntry& entry) { return entry.name == "kvelt.lock"; });
    const std::size_t expected = after == kNothing ? 0 : 2;
    if (entries.size() != expected) problem(report.leftovers, name + ": leftovers");
  }

  // How many points the recovery after a kill at `kill` passes when it meets no fault.
  int recoveryPoints(int kill) {
    reset();
    FaultyFiles files(disk_);
    files.killAt = kill;
    (void)save(files);
    FaultyFiles again(disk_);
    (void)recoverSlot(again, slot_);
    return again.points;
  }

  FaultCampaign report;

 private:
  void problem(int& counter, const std::string& what) {
    ++counter;
    if (report.problems.size() < 10) report.problems.push_back(what);
  }

  Files& disk_;
  SlotNames slot_;
  SlotBytes before_;
};

}  // namespace

FaultCampaign runSaveFaults(Files& disk, const std::string& dir, bool slotExisted) {
  Campaign campaign(disk, dir, slotExisted);
  const int points = campaign.cleanSavePoints();
  campaign.report.points = points;
  for (int i = 1; i <= points; ++i) {
    const std::string at = std::to_string(i);
    campaign.run("fault " + at, {i}, 0);
    campaign.run("kill " + at, {}, i);
    for (int j = i + 1; j <= points; ++j) {
      campaign.run("faults " + at + "+" + std::to_string(j), {i, j}, 0);
      campaign.run("fault " + at + ", kill " + std::to_string(j), {i}, j);
    }
    // A kill, then a recovery that meets a fault or is killed in its turn.
    const int recovery = campaign.recoveryPoints(i);
    for (int j = 1; j <= recovery; ++j) {
      const std::string then = "kill " + at + ", recovery ";
      campaign.run(then + "fault " + std::to_string(j), {}, i, {j}, 0);
      campaign.run(then + "kill " + std::to_string(j), {}, i, {}, j);
    }
  }
  campaign.run("no fault", {}, 0);
  return campaign.report;
}

}  // namespace kvelt::testing
