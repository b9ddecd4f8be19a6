// The game as a front end reaches it: the one header of the kit that opens onto the engine.
// A front end holds a PlaySession and draws its View; from the engine itself it needs only the
// services it hands the session and the few texts and helpers below.
#pragma once

#include "base/display_settings.h"   // DisplaySettings, NullDisplay: the screen a game may switch
#include "base/files.h"              // Files, systemFiles(), joinPath()
#include "base/game.h"               // Rgb, Integer, Platform
#include "base/status.h"             // Status
#include "base/utf8.h"               // decodeUtf8(), encodeUtf8()
#include "base/window.h"             // Window, kCarriedCaption, kCredit
#include "persistence/save_files.h"  // saveFailedNotice()
#include "text/lines.h"              // splitLines()
