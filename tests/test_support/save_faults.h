// Every fault point of one save injected once, twice and as a kill, and what the slot held after.
#pragma once

#include <string>
#include <vector>

#include "base/files.h"

namespace kvelt::testing {

struct FaultCampaign {
  int points = 0;            // fault points of one save that meets no fault
  int runs = 0;              // saves (and recoveries) tried with faults
  int torn = 0;              // slots that held neither the old game nor the new one, byte for byte
  int falseFailures = 0;     // saves that reported a failure and still changed the slot
  int lostSaves = 0;         // saves that reported success and did not hold the new game
  int leftovers = 0;         // runs after which anything but the slot's two files was in the folder
  int recoveryFailures = 0;  // recoveries without faults that still failed
  std::vector<std::string> problems;  // the first few runs that went wrong, described
  bool clean() const {
    return torn + falseFailures + lostSaves + leftovers + recoveryFailures == 0;
  }
};

// Saves a new game over slot 3 in `dir` (an old game when `slotExisted`, else a never-saved
// slot), with every single fault, every pair of faults and a kill at every point, then with
// faults and kills in the recovery that follows a kill; and checks each outcome.
FaultCampaign runSaveFaults(Files& disk, const std::string& dir, bool slotExisted);

}  // namespace kvelt::testing
