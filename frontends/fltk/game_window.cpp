// The game window: the layout, the picture, and Enter handed to the game.
#include "game_window.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_JPEG_Image.H>
#include <FL/Fl_PNG_Image.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <filesystem>

#include "common/completion.h"
#include "common/tab_choices.h"
#include "failure_report.h"
#include "layout.h"
#include "shell/files.h"
#include "shell/session.h"
#include "shell/shown_words.h"

namespace kvelt::fltk {
namespace {

Fl_Color colour(Rgb rgb) {
  return fl_rgb_color(rgb.red, rgb.green, rgb.blue);
}

// The game keeps its panes with CR LF between lines, as the text boxes it was written for.
std::string withoutCarriageReturns(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

// The refresh of the carried objects writes ten lines, most of them empty; shown as they are
// they would give the small pane a scroll bar with nothing to scroll to.
std::string withoutTrailingEmptyLines(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
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

TextPane* makePane(const Box& box, Fl_Text_Buffer& buffer, int font) {
  auto* pane = new TextPane(box.x, box.y, box.w, box.h);
  pane->buffer(&buffer);
  pane->box(FL_DOWN_BOX);
  pane->color(colour(kPaneBackground));
  pane->textcolor(colour(kPaneText));
  pane->textfont(font);
  pane->textsize(kFontPixels);
  // Catalogue lines are long: they wrap at word boundaries, and the pane scrolls for the rest.
  pane->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
  pane->scrollbar_width(14);
  // Not reached with Tab: when the window gets the focus, it goes to the input line.
  pane->visible_focus(0);
  return pane;
}

Fl_Box* makeLabel(const Box& box, const char* text, Rgb rgb, int font) {
  // No box of their own: the picture shows around the letters.
  auto* label = new Fl_Box(FL_NO_BOX, box.x, box.y, box.w, box.h, text);
  label->labelcolor(colour(rgb));
  label->labelfont(font);
  label->labelsize(kFontPixels);
  label->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
  return label;
}

// A letter, or one of the keys the input line gives a meaning to.
bool isForInputLine() {
  switch (Fl::event_key()) {
    case FL_Enter:
    case FL_KP_Enter:
    case FL_Tab:
    case FL_BackSpace:
    case FL_Page_Up:
    case FL_Page_Down:
      return true;
    default:
      return Fl::event_length() > 0 && static_cast<unsigned char>(Fl::event_text()[0]) >= ' ';
  }
}

void setPane(Fl_Text_Buffer& buffer, Fl_Text_Display& pane, const std::string& text) {
  buffer.text(withoutCarriageReturns(text).c_str());
  // Every page starts at its top, as a text box does when its whole text is set.
  pane.insert_position(0);
  pane.scroll(0, 0);
}

}  // namespace

GameWindow::GameWindow(int font, const GameDirs& dirs)
    : Fl_Double_Window(kWindowWidth, kWindowHeight, kTitle), dirs_(dirs) {
  box(FL_FLAT_BOX);
  color(colour(kWindowBackground));
  picture_ = loadImage<Fl_JPEG_Image>(dirs_.catalogueDir, kPictureName);
  if (auto icon = loadImage<Fl_PNG_Image>(dirs_.catalogueDir, kIconName)) this->icon(icon.get());

  // Created in the tab order of the layout.
  text2_ = makePane(kText2, text2Buffer_, font);
  text1_ = new InputLine(kText1.x, kText1.y, kText1.w, kText1.h);
  text1_->box(FL_DOWN_BOX);
  text1_->color(colour(game_.text1Background));
  text1_->textcolor(colour(kInputText));
  text1_->cursor_color(colour(kInputText));
  text1_->textfont(font);
  text1_->textsize(kFontPixels);
  text1_->onEnter = [this](const std::string& line) { sendLine(line); };
  text1_->onComplete = [this](const std::string& line) { return complete(line); };
  text1_->onPage = [this](int direction) { text2_->page(direction); };
  text3_ = makePane(kText3, text3Buffer_, font);
  makeLabel(kLabel1, kCarriedCaption, kLabel1Text, font);
  makeLabel(kLabel2, kCredit, kLabel2Text, font);
  // A black strip like the panes, so that it reads well over any part of the picture; it is
  // there only while it has something to say.
  statusLine_ = makeLabel(kStatusLine, "", kPaneText, font);
  statusLine_->box(FL_FLAT_BOX);
  statusLine_->color(colour(kPaneBackground));
  statusLine_->hide();
  end();

  // The layout is fixed; a window manager may not stretch it.
  size_range(kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight);
  callback([](Fl_Widget* widget, void*) {
    // Escape would close an FLTK window; here it is just a key the game ignores.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    static_cast<GameWindow*>(widget)->closedByPlayer();
  });
}

GameWindow::~GameWindow() {
  // The panes point at buffers that are members; let them go before the buffers do.
  clear();
}

Status GameWindow::start(DisplaySettings& display, Files& files) {
  Status status =
      startGame(game_, Platform{this, &display, &files, dirs_.catalogueDir, dirs_.saveDir});
  if (status.isOk()) refresh();
  return status;
}

void GameWindow::open() {
  show();
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

void GameWindow::notice(std::string_view text) {
  if (!pendingNotice_.empty()) pendingNotice_ += '\n';
  pendingNotice_ += text;
}

void GameWindow::draw() {
  if (damage() & ~FL_DAMAGE_CHILD) {
    draw_box();
    // At its own size from the top-left corner: the right and bottom edges fall outside.
    if (picture_) picture_->draw(0, 0);
  }
  draw_children();
}

int GameWindow::handle(int event) {
  // Commands are read only from the input line. A key that a pane has no use for, typed while
  // the pane has the focus (after a click to select some narration, or when the desktop gave
  // the window its focus), is not lost: the input line takes it, and the focus with it.
  if (event == FL_SHORTCUT && Fl::focus() != text1_ && isForInputLine()) {
    text1_->take_focus();
    return text1_->handle(FL_KEYBOARD);
  }
  return Fl_Double_Window::handle(event);
}

void GameWindow::sendLine(const std::string& line) {
  Status status = pressEnter(game_, line);
  if (!status.isOk()) return fail(status);
  if (game_.windowClosed) return hide();
  refresh();
}

void GameWindow::closedByPlayer() {
  closeWindow(game_);
  hide();
}

void GameWindow::refresh() {
  setPane(text2Buffer_, *text2_, game_.Text2);
  setPane(text3Buffer_, *text3_, withoutTrailingEmptyLines(game_.Text3));
  if (text1_->value() != game_.Text1) text1_->value(game_.Text1.c_str());
  setStatusLine(pendingNotice_);
  pendingNotice_.clear();
}

std::string GameWindow::complete(const std::string& line) {
  Completion completion = completeLine(line, visibleWords(game_));
  // Several words fit: they are offered below the input line, not in the narration.
  setStatusLine(tabChoices(completion.candidates));
  return completion.line;
}

void GameWindow::setStatusLine(const std::string& text) {
  if (text == statusText_) return;
  statusText_ = text;
  statusLine_->copy_label(statusText_.c_str());
  if (statusText_.empty()) {
    statusLine_->hide();
  } else {
    // As wide and high as its text, up to the room it has below the input line.
    int width = kStatusLine.w - 2 * kStatusPadding, height = 0;
    fl_font(statusLine_->labelfont(), statusLine_->labelsize());
    fl_measure(statusText_.c_str(), width, height, 0);
    statusLine_->resize(kStatusLine.x, kStatusLine.y,
                        std::min(width + 2 * kStatusPadding, kStatusLine.w),
                        std::min(height + 2 * kStatusPadding, kStatusLine.h));
    statusLine_->show();
  }
  // What the strip covered, or covers now, is drawn again from the picture up.
  redraw();
}

void GameWindow::fail(const Status& status) {
  exitStatus_ = 1;
  reportFailure(catalogueFailure(status));
  hide();
}

}  // namespace kvelt::fltk
