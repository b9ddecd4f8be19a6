// Checks of the engine's Windows platform layer, run inside Wine by the driver.
#pragma once

#include <string>

#include "check_report.h"

namespace kvelt::wine {

// Windows-1250 conversion, wide-path files, the program's folder and the save folder.
// `scratchDir` is an empty writable folder (UTF-8).
void checkPlatform(CheckReport& report, const std::string& scratchDir);

}  // namespace kvelt::wine
