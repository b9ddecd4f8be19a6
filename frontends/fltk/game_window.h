// Form1 on FLTK: the game's one window, which owns the game and draws its three texts.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
// fl_draw.H brings in Xlib, whose Status macro would hide the game's own Status.
#undef Status

#include <memory>
#include <string>
#include <string_view>

#include "common/game_dirs.h"
#include "input_line.h"
#include "shell/game.h"
#include "shell/status.h"
#include "shell/window.h"
#include "text_pane.h"

class Fl_Image;

namespace kvelt::fltk {

class GameWindow : public Fl_Double_Window, public kvelt::Window {
 public:
  // `font` is the FLTK font number every control writes in.
  GameWindow(int font, const GameDirs& dirs);
  ~GameWindow() override;

  // Form_Load on the given services; the window is not shown yet.
  Status start(DisplaySettings& display, Files& files);
  // Shows the window with the input line focused.
  void open();
  // The program's exit status once the window has gone: 0, or 1 after a catalogue failure.
  int exitStatus() const { return exitStatus_; }

  // kvelt::Window
  void setInputBackground(Rgb colour) override;
  void close() override;
  void notice(std::string_view text) override;

 protected:
  void draw() override;
  int handle(int event) override;

 private:
  void sendLine(const std::string& line);
  void closedByPlayer();
  void refresh();
  std::string complete(const std::string& line);
  void setStatusLine(const std::string& text);
  void fail(const Status& status);

  GameDirs dirs_;
  Game game_;
  std::unique_ptr<Fl_Image> picture_;
  Fl_Text_Buffer text2Buffer_, text3Buffer_;
  TextPane* text2_;
  InputLine* text1_;
  TextPane* text3_;
  Fl_Box* statusLine_;  // save and load problems, and the words Tab could not choose between
  std::string statusText_;
  std::string pendingNotice_;
  int exitStatus_ = 0;
};

}  // namespace kvelt::fltk
