// The contract between the game and a front end's window.
#pragma once

#include <string_view>

#include "base/game.h"

namespace kvelt {

// The window's two labels: the caption of the carried-objects pane and the credit line. They
// never change while the game runs.
inline constexpr const char* kCarriedCaption = "Máš u sebe:";
inline constexpr const char* kCredit = "Developed by J.X.W";

// The input line's background from start-up on (it replaces the navy it was designed with).
inline constexpr Rgb kInputLineColour{41, 0, 152};

// What the game asks of the window beyond the three texts, which it keeps in the game record
// (Game::Text1, Text2, Text3). A front end draws those texts after every event it delivers.
class Window {
 public:
  virtual ~Window() = default;
  // Start-up gives the input line its colour once.
  virtual void setInputBackground(Rgb colour) = 0;
  // The exit request closes the window; the program ends after it.
  virtual void close() = 0;
  // A problem that the game reports to the player outside the narration (a save that failed).
  virtual void notice(std::string_view text) = 0;
};

}  // namespace kvelt
