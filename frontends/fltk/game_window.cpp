// The game window: the layout at its scale, the picture, and Enter handed to the game.
#include "game_window.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_JPEG_Image.H>
#include <FL/Fl_PNG_Image.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "common/engine.h"
#include "common/game_dirs.h"
#include "common/pane_text.h"
#include "common/warning_setting.h"
#include "common/window_scale.h"
#include "failure_report.h"
#include "key_chord.h"
#include "layout.h"
#include "scale_setting.h"

namespace kvelt::fltk {
namespace {

constexpr int kScrollbarWidth = 14;

Fl_Color colour(Rgb rgb) {
  return fl_rgb_color(rgb.red, rgb.green, rgb.blue);
}

// A file missing is normal until the game's pictures are delivered; the window then shows its
// background colour, or no icon.
template <typename Image>
std::unique_ptr<Image> loadImage(const std::string& dir, const char* name) {
  std::string path = joinPath(dir, name);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return nullptr;
  auto image = std::make_unique<Image>(path.c_str());
  if (image->fail() != 0 || image->w() <= 0) return nullptr;
  return image;
}

TextPane* makePane(Fl_Text_Buffer& buffer, int font) {
  auto* pane = new TextPane(0, 0, 1, 1);
  pane->buffer(&buffer);
  pane->box(FL_DOWN_BOX);
  pane->color(colour(layout::kPaneBackground));
  pane->textcolor(colour(layout::kPaneText));
  pane->textfont(font);
  // Catalogue lines are long: they wrap at word boundaries, and the pane scrolls for the rest.
  pane->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
  // Not reached with Tab: when the window gets the focus, it goes to the input line.
  pane->visible_focus(0);
  return pane;
}

Fl_Box* makeLabel(const char* text, Rgb rgb, int font) {
  // No box of their own: the picture shows around the letters.
  auto* label = new Fl_Box(FL_NO_BOX, 0, 0, 1, 1, text);
  label->labelcolor(colour(rgb));
  label->labelfont(font);
  label->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
  return label;
}

void place(Fl_Widget& widget, const Box& box, int percent) {
  const Box at = layout::scaled(box, percent);
  widget.resize(at.x, at.y, at.w, at.h);
}

// A letter, or one of the keys the input line gives a meaning to.
bool isForInputLine(bool lineEmpty) {
  if (comfortOf(eventChord(), lineEmpty) != Comfort::none) return true;
  switch (Fl::event_key()) {
    case FL_Enter:
    case FL_KP_Enter:
    case FL_Tab:
    case FL_BackSpace:
    case FL_Page_Up:
    case FL_Page_Down:
    case FL_Escape:
    case FL_F + 1:
      return true;
    default:
      return Fl::event_length() > 0 && static_cast<unsigned char>(Fl::event_text()[0]) >= ' ';
  }
}

void setPane(Fl_Text_Buffer& buffer, Fl_Text_Display& pane, const std::string& text) {
  buffer.text(withNewlines(text).c_str());
  // Every page starts at its top, as a text box does when its whole text is set.
  pane.insert_position(0);
  pane.scroll(0, 0);
}

// Copies the selected text of a pane to the clipboard; false when nothing is selected there.
bool copySelected(Fl_Text_Buffer& buffer) {
  if (buffer.selected() == 0) return false;
  char* text = buffer.selection_text();
  const bool copied = text != nullptr && *text != '\0';
  if (copied) Fl::copy(text, static_cast<int>(std::strlen(text)), 1);
  std::free(text);
  return copied;
}

}  // namespace

GameWindow::GameWindow(int font, const GameDirs& dirs, int scale, int defaultScale)
    : Fl_Double_Window(layout::kWindowWidth, layout::kWindowHeight, kTitle),
      dirs_(dirs),
      scale_(scale),
      defaultScale_(defaultScale) {
  box(FL_FLAT_BOX);
  color(colour(layout::kWindowBackground));
  // Desktops tie the window to kvelt.desktop by its WM_CLASS.
  xclass(kTitle);
  const Rgb inputBackground = Game{}.text1Background;
  picture_ = loadImage<Fl_JPEG_Image>(dirs_.catalogueDir, kPictureName);
  if (auto icon = loadImage<Fl_PNG_Image>(dirs_.catalogueDir, kIconName)) this->icon(icon.get());

  // Created in the tab order of the layout.
  text2_ = makePane(text2Buffer_, font);
  text1_ = new InputLine(0, 0, 1, 1);
  text1_->box(FL_DOWN_BOX);
  text1_->color(colour(inputBackground));
  text1_->textcolor(colour(layout::kInputText));
  text1_->cursor_color(colour(layout::kInputText));
  text1_->textfont(font);
  text1_->onEnter = [this](const std::string& line) { sendLine(line); };
  text1_->onComplete = [this](const std::string& line) { return complete(line); };
  text1_->onPage = [this](int direction) { onPage(direction); };
  text1_->onChord = [this](const KeyChord& key) { return onChord(key); };
  text1_->onKey = [this] {
    session_->comfort(Comfort::dismiss);
    showStatus();
  };
  text1_->onEdited = [this] { backToLivePage(); };
  text2_->onWheelPastEnd = [this](int direction) { onWheelPastEnd(direction); };
  text1_->onZoom = [this](int direction) { zoom(direction); };
  text1_->onEscape = [this] { backToLivePage(); };
  text1_->onStatusPage = [this](int direction) { statusLine_->scroll(direction); };
  text1_->onWarningsKey = [this] { switchWarnings(); };
  text1_->onCopy = [this] { copySelection(); };
  text3_ = makePane(text3Buffer_, font);
  label1_ = makeLabel(kCarriedCaption, layout::kLabel1Text, font);
  label2_ = makeLabel(kCredit, layout::kLabel2Text, font);
  map_ = new MapView(font);
  map_->hide();
  // A black strip like the panes, so that it reads well over any part of the picture; it is
  // there only while it has something to say.
  statusLine_ = new StatusLine(font);
  end();

  callback([](Fl_Widget* widget, void*) {
    // Escape would close an FLTK window; here it is just a key the game ignores.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    static_cast<GameWindow*>(widget)->closedByPlayer();
  });
  applyScale(fitting(scale_));
}

GameWindow::~GameWindow() {
  // The panes point at buffers that are members; let them go before the buffers do.
  clear();
}

void GameWindow::applyScale(int percent) {
  scale_ = percent;
  const int width = layout::scaled(layout::kWindowWidth, percent);
  const int height = layout::scaled(layout::kWindowHeight, percent);
  // The layout is fixed at each scale; a window manager may not stretch it.
  size_range(width, height, width, height);
  size(width, height);

  place(*text2_, layout::kText2, percent);
  place(*map_, layout::kText2, percent);
  map_->rescale(percent);
  place(*text1_, layout::kText1, percent);
  place(*text3_, layout::kText3, percent);
  place(*label1_, layout::kLabel1, percent);
  place(*label2_, layout::kLabel2, percent);
  // Text is drawn at the scaled size, not blown up.
  const int font = layout::scaled(layout::kFontPixels, percent);
  for (TextPane* pane : {text2_, text3_}) {
    pane->textsize(font);
    pane->scrollbar_width(layout::scaled(kScrollbarWidth, percent));
    // The wrapping and the line count follow the new font size.
    pane->resize(pane->x(), pane->y(), pane->w(), pane->h());
  }
  text1_->textsize(font);
  for (Fl_Box* label : {label1_, label2_}) label->labelsize(font);

  scaledPicture_.reset();
  if (picture_ && percent != 100) {
    Fl_RGB_Image::RGB_scaling(FL_RGB_SCALING_BILINEAR);  // smooth, not blocky
    scaledPicture_.reset(picture_->copy(layout::scaled(layout::kPictureWidth, percent),
                                        layout::scaled(layout::kPictureHeight, percent)));
  }
  setStatusLine(statusLine_->text());
  redraw();
}

int GameWindow::fitting(int percent) {
  int x = 0, y = 0, width = 0, height = 0;
  Fl::screen_work_area(x, y, width, height, shown() ? Fl::screen_num(this->x(), this->y()) : 0);
  // The frame the window manager draws takes room too, once the window has one.
  const int frameWidth = shown() ? decorated_w() - w() : 0;
  const int frameHeight = shown() ? decorated_h() - h() : 0;
  return layout::fittingScale(percent, width, height, frameWidth, frameHeight);
}

void GameWindow::zoom(int direction) {
  const int asked = direction == 0 ? defaultScale_ : layout::stepScale(scale_, direction);
  const int percent = fitting(asked);
  rememberScale(direction == 0 ? std::nullopt : std::optional<int>(percent));
  if (percent != scale_) applyScale(percent);
  // Until the next key, like the words Tab offers.
  setStatusLine(layout::scaleStatus(percent, percent < asked));
}

void GameWindow::copySelection() {
  if (!copySelected(text2Buffer_)) copySelected(text3Buffer_);
}

Status GameWindow::start(DisplaySettings& display, Files& files, const Start& how) {
  session_ = std::make_unique<PlaySession>(
      Platform{this, &display, &files, dirs_.catalogueDir, dirs_.saveDir},
      KeyNames{.zoom = layout::kZoomKeys});
  if (how.transcript) session_->setTranscript(*how.transcript);
  session_->keepBetweenRuns(how.kept);
  warnings_ = how.warnings;
  session_->setWarnings(warnings_);
  Status status = session_->start();
  if (status.isOk()) showInputLine();
  return status;
}

void GameWindow::open() {
  show();
  // With its frame on, a window kept from a larger screen may still not fit.
  if (const int fits = fitting(scale_); fits < scale_) applyScale(fits);
  // The input line has the focus from the start; the panes only take it when clicked.
  text1_->take_focus();
}

void GameWindow::setInputBackground(Rgb rgb) {
  text1_->color(colour(rgb));
  text1_->redraw();
}

void GameWindow::close() {
  hide();
}

void GameWindow::notice(std::string_view) {
  // The session keeps the turn's notices for the status line.
}

void GameWindow::draw() {
  if (damage() & ~FL_DAMAGE_CHILD) {
    draw_box();
    // At its own size from the top-left corner: the right and bottom edges fall outside.
    if (scaledPicture_) {
      scaledPicture_->draw(0, 0);
    } else if (picture_) {
      picture_->draw(0, 0);
    }
  }
  draw_children();
}

int GameWindow::handle(int event) {
  // Commands are read only from the input line. A key that a pane has no use for, typed while
  // the pane has the focus (after a click to select some narration, or when the desktop gave
  // the window its focus), is not lost: the input line takes it, and the focus with it.
  if (event == FL_SHORTCUT && Fl::focus() != text1_ && isForInputLine(text1_->size() == 0)) {
    text1_->take_focus();
    return text1_->handle(FL_KEYBOARD);
  }
  // Ctrl+C after a click into a pane to select some of it.
  if (event == FL_SHORTCUT && Fl::focus() != text1_ && (Fl::event_state() & FL_CTRL) != 0 &&
      Fl::event_key() == 'c') {
    copySelection();
    return 1;
  }
  return Fl_Double_Window::handle(event);
}

void GameWindow::sendLine(const std::string& line) {
  Status status = session_->enter(line);
  if (!status.isOk()) return fail(status);
  if (session_->view().ended) return hide();
  showInputLine();
}

void GameWindow::closedByPlayer() {
  session_->close();
  hide();
}

void GameWindow::refresh() {
  showView(session_->view());
}

void GameWindow::showView(const View& view) {
  setPane(text2Buffer_, *text2_, view.narration);
  setPane(text3Buffer_, *text3_, carriedPaneText(view.carried));
  showMap(view.mapShown);
  setStatusLine(view.statusLine);
}

void GameWindow::showMap(bool shown) {
  if (shown) {
    // The pane stays as it is behind the map, and comes back with its page and scroll.
    text2_->hide();
    map_->show(session_->map(), scale_);
  } else if (map_->visible()) {
    map_->hide();
    text2_->show();
  }
}

void GameWindow::switchWarnings() {
  warnings_ = !warnings_;
  session_->setWarnings(warnings_);
  rememberWarnings(systemFiles(), settingsDir(dirs_), warnings_);
  // Until the next key, like the size after Ctrl+plus.
  setStatusLine(warnings_ ? kWarningsOn : kWarningsOff);
}

void GameWindow::showInputLine() {
  const View view = session_->view();
  showView(view);
  if (text1_->value() != view.input) text1_->value(view.input.c_str());
}

std::string GameWindow::complete(const std::string& line) {
  // Several words fit: they are offered below the input line, not in the narration.
  std::string completed = session_->complete(line);
  showStatus();
  return completed;
}

void GameWindow::showStatus() {
  setStatusLine(session_->view().statusLine);
}

void GameWindow::setStatusLine(const std::string& text) {
  // What the strip covered, or covers now, is drawn again from the picture up.
  if (statusLine_->setText(text, scale_)) redraw();
}

void GameWindow::fail(const Status& status) {
  exitStatus_ = 1;
  reportCatalogueFailure(status);
  hide();
}

}  // namespace kvelt::fltk
