// A window that keeps what the game told it, for front ends that draw the texts themselves.
#pragma once

#include <string>
#include <string_view>

#include "base/game.h"
#include "base/window.h"

namespace kvelt {

// A window that only remembers what it was told: the line mode, the terminal and the tests
// draw the texts themselves and show the notices of a turn in their own way.
class RecordingWindow : public Window {
 public:
  void setInputBackground(Rgb colour) override { background = colour; }
  void close() override { closed = true; }
  void notice(std::string_view text) override {
    if (!notices.empty()) notices += '\n';
    notices += text;
  }
  Rgb background{};
  bool closed = false;
  std::string notices;
};

}  // namespace kvelt
