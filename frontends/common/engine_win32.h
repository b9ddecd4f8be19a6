// What the Windows front end needs of the engine beyond common/engine.h: UTF-16 for the
// system's calls and the folder the program runs from.
#pragma once

#include "common/engine.h"
#include "platform/program_dir.h"  // programDir()
#include "platform/utf16_win32.h"  // toUtf16(), toUtf8()
