// Tests of the slot commit: every fault point of a save, and the states a kill can leave.
#include "persistence/slot_commit.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "test_support/faulty_files.h"
#include "test_support/memory_files.h"
#include "test_support/save_faults.h"

namespace kvelt {
namespace {

using testing::FaultCampaign;
using testing::runSaveFaults;

void expectClean(const FaultCampaign& report) {
  EXPECT_TRUE(report.clean()) << "torn " << report.torn << ", false failures "
                              << report.falseFailures << ", lost " << report.lostSaves
                              << ", leftovers " << report.leftovers << ", first: "
                              << (report.problems.empty() ? "" : report.problems.front());
}

TEST(SlotCommitTest, EveryFaultPointOnceTwiceAndAsAKill) {
  for (bool slotExisted : {true, false}) {
    SCOPED_TRACE(slotExisted ? "over an old slot" : "into a never-saved slot");
    MemoryFiles disk;
    FaultCampaign report = runSaveFaults(disk, "/slots", slotExisted);
    EXPECT_EQ(report.points, slotExisted ? 17 : 14)
        << "listing, reading the old list, 2 temporary files, the kept old list and the record "
           "(write + sync each), folder sync, rename, sync, rename, sync, record and kept list "
           "removed";
    EXPECT_GT(report.runs, 200);
    expectClean(report);
  }
}

TEST(SlotCommitTest, CleanSaveLeavesTheTwoFilesAlone) {
  MemoryFiles disk;
  testing::FaultyFiles files(disk);
  ASSERT_TRUE(commitSlot(files, SlotNames("/slots", 10), "list", "state").isOk());
  EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{"/slots/save10.s", "list"},
                                                            {"/slots/savex10.s", "state"}}));
  EXPECT_EQ(files.kinds, (std::vector<std::string>{"read", "read", "write", "sync", "write", "sync",
                                                   "write", "sync", "sync", "rename", "sync",
                                                   "rename", "sync", "write"}));
}

// What a start of the program finds and what it makes of it, one row per state a kill leaves.
TEST(SlotCommitTest, StartFinishesOrUndoesWhatItFinds) {
  const std::string L = "/s/save3.s", S = "/s/savex3.s", LT = L + ".tmp", ST = S + ".tmp",
                    R = L + ".commit";
  using Folder = std::map<std::string, std::string>;
  struct Row {
    const char* state;
    Folder before, after;
  };
  const Row rows[] = {
      {"earlier version's slot", {{L, "old"}, {S, "o"}}, {{L, "old"}, {S, "o"}}},
      {"temporary files only",
       {{L, "old"}, {S, "o"}, {LT, "ne"}, {ST, "n"}},
       {{L, "old"}, {S, "o"}}},
      {"record, list not moved yet",
       {{L, "old"}, {S, "o"}, {LT, "new"}, {ST, "n"}, {R, ""}},
       {{L, "old"}, {S, "o"}}},
      {"record, list moved", {{L, "new"}, {S, "o"}, {ST, "n"}, {R, "x"}}, {{L, "new"}, {S, "n"}}},
      {"record alone", {{L, "new"}, {S, "n"}, {R, "x"}}, {{L, "new"}, {S, "n"}}},
      {"never saved, cut short", {{LT, "ne"}, {R, ""}, {ST, "n"}}, {}},
      {"earlier version's leftovers",
       {{L, "old"}, {S, "o"}, {L + ".tmp-Ab12Cd", "x"}, {S + ".tmp-4242", "y"}},
       {{L, "old"}, {S, "o"}}},
      {"other slots untouched",
       {{"/s/save30.s.tmp", "x"}, {"/s/save1.s.tmp", "y"}},
       {{"/s/save30.s.tmp", "x"}}},
      // Program 7 died in its save 2; program 8 is saving now, without a lock to keep us off.
      {"list moved, state not: the old list comes back",
       {{L, "new"}, {S, "o"}, {ST + ".7-2", "n"}, {L + ".old.7-2", "old"}, {R + ".7-2", ""}},
       {{L, "old"}, {S, "o"}}},
      {"list already put back",
       {{L, "old"}, {S, "o"}, {ST + ".7-2", "n"}, {R + ".7-2", ""}},
       {{L, "old"}, {S, "o"}}},
      {"never saved, list moved", {{L, "new"}, {ST + ".7-2", "n"}, {L + ".first.7-2", ""}}, {}},
      {"both moved",
       {{L, "new"}, {S, "n"}, {L + ".old.7-2", "old"}, {R + ".7-2", ""}},
       {{L, "new"}, {S, "n"}}},
      {"a running program's save is left alone",
       {{L, "new"}, {S, "o"}, {ST + ".8-1", "n"}, {L + ".old.8-1", "old"}, {R + ".8-1", ""}},
       {{L, "new"}, {S, "o"}, {ST + ".8-1", "n"}, {L + ".old.8-1", "old"}, {R + ".8-1", ""}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.state);
    MemoryFiles disk;
    disk.running = {"8"};
    disk.files = row.before;
    recoverSlots(disk, "/s");
    EXPECT_EQ(disk.files, row.after);
  }
}

// A start after saves into every slot were cut short at the same step finishes all ten of them,
// and leaves the names of no slot alone.
TEST(SlotCommitTest, StartFinishesEverySlotFromOneToTen) {
  MemoryFiles disk;
  std::map<std::string, std::string> expected;
  for (int slot = 1; slot <= 10; ++slot) {
    const std::string list = "/s/save" + std::to_string(slot) + ".s";
    const std::string state = "/s/savex" + std::to_string(slot) + ".s";
    disk.files[list] = expected[list] = "new list " + std::to_string(slot);
    disk.files[state] = "old state";
    disk.files[state + ".tmp"] = expected[state] = "new state " + std::to_string(slot);
    disk.files[list + ".commit"] = "";
  }
  disk.files["/s/save11.s.tmp"] = expected["/s/save11.s.tmp"] = "not a slot";
  recoverSlots(disk, "/s");
  EXPECT_EQ(disk.files, expected);
}

}  // namespace
}  // namespace kvelt
