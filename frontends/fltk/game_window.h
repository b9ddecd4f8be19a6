// Form1 on FLTK: the game's one window, which owns the game and draws its three texts.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
// fl_draw.H brings in Xlib, whose Status macro would hide the game's own Status.
#undef Status

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/comfort_keys.h"
#include "common/engine.h"
#include "common/game_dirs.h"
#include "common/play_session.h"
#include "input_line.h"
#include "map_view.h"
#include "status_line.h"
#include "text_pane.h"

class Fl_Image;
class Fl_RGB_Image;

namespace kvelt::fltk {

class GameWindow : public Fl_Double_Window, public kvelt::Window {
 public:
  // `font` is the FLTK font number every control writes in; the layout is drawn at `scale` per
  // cent, and Ctrl+0 goes back to `defaultScale`.
  GameWindow(int font, const GameDirs& dirs, int scale, int defaultScale);
  ~GameWindow() override;

  // How the game starts, from the command line and the kept settings.
  struct Start {
    std::optional<std::string> transcript;  // every turn is appended to this file
    KeptStart kept = KeptStart::resume;     // the game kept from the last run, or a new one
    bool warnings = true;                   // the dead-end warning in the status line
  };
  // Form_Load on the given services; the window is not shown yet.
  Status start(DisplaySettings& display, Files& files, const Start& how);
  // Shows the window with the input line focused.
  void open();
  // The program's exit status once the window has gone: 0, or 1 after a catalogue failure.
  int exitStatus() const { return exitStatus_; }
  int scale() const { return scale_; }

  // kvelt::Window
  void setInputBackground(Rgb colour) override;
  void close() override;
  void notice(std::string_view text) override;

 protected:
  void draw() override;
  int handle(int event) override;

 private:
  // Places and sizes every control, the fonts and the picture for `percent`.
  void applyScale(int percent);
  // Ctrl+plus (+1), Ctrl+minus (-1), Ctrl+0 (0: the desktop's default, forgetting the choice).
  void zoom(int direction);
  // `percent`, or the largest smaller factor at which the window fits its screen's work area.
  int fitting(int percent);
  // Ctrl+C with nothing selected in the input line: the selected narration, or carried words.
  void copySelection();
  void sendLine(const std::string& line);
  void closedByPlayer();
  // The panes from the session (the live page or one read back), and the status line.
  void refresh();
  // The same, and the input line as the game has left it (after Enter, at the start).
  void showInputLine();
  // The comfort keys (true when `key` was one), and the earlier pages read back with Page Up,
  // Page Down and the wheel.
  bool onChord(const KeyChord& key);
  void onPage(int direction);
  void onWheelPastEnd(int direction);
  void backToLivePage();
  void showStatus();
  std::string complete(const std::string& line);
  void showView(const View& view);
  // F3: the map stands where the narration pane is, until the session takes it down.
  void showMap(bool shown);
  // Shift+F1: the dead-end warning off or on again, kept for the next runs.
  void switchWarnings();
  void setStatusLine(const std::string& text);
  void fail(const Status& status);

  GameDirs dirs_;
  std::unique_ptr<PlaySession> session_;
  std::unique_ptr<Fl_RGB_Image> picture_;    // at its own size
  std::unique_ptr<Fl_Image> scaledPicture_;  // at the window's scale, when that is not 100 %
  Fl_Text_Buffer text2Buffer_, text3Buffer_;
  TextPane* text2_;
  InputLine* text1_;
  TextPane* text3_;
  Fl_Box* label1_;
  Fl_Box* label2_;
  MapView* map_;
  // The session's answers, save and load problems, and the words Tab could not choose between.
  StatusLine* statusLine_;
  bool warnings_ = true;
  int scale_;
  int defaultScale_;
  int exitStatus_ = 0;
};

}  // namespace kvelt::fltk
