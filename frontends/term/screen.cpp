// The terminal while the game runs: drawing the window's panes with curses.
#include "screen.h"

#include <curses.h>

#include <algorithm>
#include <string_view>

#include "colours.h"
#include "common/engine.h"
#include "layout.h"
#include "status_parts.h"
#include "terminal_check.h"
#include "text_wrap.h"

namespace kvelt::term {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char32_t), "curses takes the code points as they are");

constexpr short kPanePair = 1, kInputPair = 2, kCaptionPair = 3, kCreditPair = 4;
// Where the window's exact colours go on a terminal that can redefine its palette.
constexpr short kOwnPaneText = 16, kOwnBlack = 17, kOwnWhite = 18, kOwnInput = 19;
constexpr std::u32string_view kMoreAbove = U"PgUp ▲";
constexpr std::u32string_view kMoreBelow = U"PgDn ▼";
constexpr std::u32string_view kBackFromMap = U"Esc nebo F3 vrátí stránku";
// In both languages, as the program's other words to the player; each line is clipped alone.
constexpr const char* kTooSmall[] = {"Hra potřebuje terminál aspoň 80 × 24, zvětši ho.",
                                     "kvelt-term needs a terminal of at least 80 × 24"};

void defineColour(short number, Rgb colour) {
  init_color(number, static_cast<short>(colour.red * 1000 / 255),
             static_cast<short>(colour.green * 1000 / 255),
             static_cast<short>(colour.blue * 1000 / 255));
}

void put(int row, int column, std::u32string_view text, attr_t attributes) {
  std::wstring wide(text.begin(), text.end());
  attrset(attributes);
  mvaddnwstr(row, column, wide.c_str(), static_cast<int>(wide.size()));
}

void fill(const Rect& rect, attr_t attributes) {
  const std::u32string blanks(static_cast<std::size_t>(rect.width), U' ');
  for (int row = rect.top; row < rect.bottom(); ++row) put(row, rect.left, blanks, attributes);
}

// The map over the narration pane: centred where the pane is larger, clipped where it is smaller.
// It is placed by its full size, so that it stays put as rooms are added.
void putMap(const Rect& pane, const std::vector<std::string>& lines, attr_t attributes) {
  const int top = pane.top + std::max(0, (pane.height - kMapTextLines) / 2);
  const int left = pane.left + std::max(0, (pane.width - kMapTextColumns) / 2);
  for (int row = 0; row < static_cast<int>(lines.size()) && top + row < pane.bottom(); ++row) {
    put(top + row, left, clipToWidth(decodeUtf8(lines[row]), pane.right() - left), attributes);
  }
}

}  // namespace

Screen::Screen(bool utf8Locale) {
  // Unlike initscr, newterm lets us say what went wrong in the line mode's words.
  terminal_ = newterm(nullptr, stdout, stdin);
  if (terminal_ == nullptr) return;
  raw();  // Ctrl-C arrives as a key, so the game closes its window before the program ends
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  set_escdelay(25);
  timeout(200);  // wake up now and then to notice an ending signal
  setUpColours();
  if (utf8Locale && terminalDrawsLines()) mapGlyphs_ = MapGlyphs::boxDrawing;
}

Screen::~Screen() {
  endwin();
}

void Screen::setUpColours() {
  if (!has_colors()) return;
  start_color();
  use_default_colors();
  colour_ = true;
  // The captions sit on the panes' black, not on the terminal's own background: that may be
  // white, and white or light yellow letters would vanish on it.
  if (can_change_color() && COLORS > kOwnInput) {
    ownColours_ = true;
    defineColour(kOwnPaneText, layout::kPaneText);
    defineColour(kOwnBlack, layout::kPaneBackground);
    defineColour(kOwnWhite, layout::kLabel1Text);
    init_pair(kPanePair, kOwnPaneText, kOwnBlack);
    init_pair(kCaptionPair, kOwnWhite, kOwnBlack);
    init_pair(kCreditPair, kOwnPaneText, kOwnBlack);
    return;
  }
  const short text = paletteColour(layout::kPaneText, COLORS).index;
  const short white = paletteColour(layout::kLabel1Text, COLORS).index;
  const short black = paletteColour(layout::kPaneBackground, COLORS).index;
  init_pair(kPanePair, text, black);
  init_pair(kCaptionPair, white, black);
  init_pair(kCreditPair, text, black);
}

void Screen::colourInputLine(Rgb background) {
  // Redefining a colour makes some terminals repaint: only when start-up has changed it.
  if (!colour_ || (inputColoured_ && background == inputBackground_)) return;
  inputColoured_ = true;
  inputBackground_ = background;
  if (ownColours_) {
    defineColour(kOwnInput, background);
    init_pair(kInputPair, kOwnWhite, kOwnInput);
  } else {
    init_pair(kInputPair, paletteColour(layout::kLabel1Text, COLORS).index,
              paletteColour(background, COLORS).index);
  }
}

void Screen::draw(const View& view, const InputLine& input, const std::vector<std::string>& map) {
  // The bold attribute brightens the basic colours that stand in for light yellow and white.
  auto coloured = [&](short pair, Rgb text, attr_t plain) -> attr_t {
    if (!colour_) return plain;
    const bool bright = !ownColours_ && paletteColour(text, COLORS).bright;
    return COLOR_PAIR(pair) | (bright ? A_BOLD : A_NORMAL);
  };
  colourInputLine(view.inputBackground);
  const attr_t paneAttr = coloured(kPanePair, layout::kPaneText, A_NORMAL);
  const attr_t inputAttr = coloured(kInputPair, layout::kLabel1Text, A_REVERSE);
  const attr_t captionAttr = coloured(kCaptionPair, layout::kLabel1Text, A_BOLD);
  const attr_t creditAttr = coloured(kCreditPair, layout::kPaneText, A_NORMAL);

  erase();
  const std::u32string credit = decodeUtf8(kCredit);
  const Layout layout = computeLayout(COLS, LINES, displayWidth(credit));
  if (!layout.fits) {
    for (int row = 0; row < 2 && row < LINES; ++row) {
      put(row, 0, clipToWidth(decodeUtf8(kTooSmall[row]), COLS), A_NORMAL);
    }
    refresh();
    return;
  }

  // The narration, one column in from each edge, scrolled by whole pages.
  const Rect& narration = layout.narration;
  fill(narration, paneAttr);
  const std::vector<std::u32string> rows = wrapText(view.narration, narration.width - 2);
  const int lastStart = std::max(0, static_cast<int>(rows.size()) - narration.height);
  lastStart_ = lastStart;
  pageStep_ = std::max(1, narration.height - 1);
  scroll_ = std::clamp(scroll_, 0, lastStart);
  // The hint sits on the free row above the input line, so it never hides narration.
  std::u32string hint;
  if (view.mapShown) {
    putMap(narration, map, paneAttr);
    hint = kBackFromMap;
  } else {
    for (int row = 0; row < narration.height && scroll_ + row < static_cast<int>(rows.size());
         ++row) {
      put(narration.top + row, narration.left + 1, rows[scroll_ + row], paneAttr);
    }
    if (scroll_ > 0) hint += kMoreAbove;
    if (scroll_ < lastStart) hint += (hint.empty() ? U"" : U"  ") + std::u32string(kMoreBelow);
  }
  put(layout.caption.top, layout.input.left, hint, A_NORMAL);

  put(layout.caption.top, layout.caption.left,
      clipToWidth(decodeUtf8(kCarriedCaption), layout.caption.width), captionAttr);
  fill(layout.carried, paneAttr);
  int carriedRow = layout.carried.top;
  for (std::string_view line : splitLines(view.carried)) {
    if (carriedRow == layout.carried.bottom()) break;
    std::u32string word = decodeUtf8(line);
    for (char32_t& letter : word) letter = printable(letter);
    put(carriedRow++, layout.carried.left + 1, clipToWidth(word, layout.carried.width - 2),
        paneAttr);
  }

  // A new status text is read from its first part.
  if (view.statusLine != statusShown_) {
    statusShown_ = view.statusLine;
    statusPart_ = 0;
  }
  const std::vector<std::vector<std::u32string>> parts =
      statusParts(wrapText(view.statusLine, layout.status.width), layout.status.height);
  const std::vector<std::u32string>& part = parts[statusPart_ % parts.size()];
  for (int row = 0; row < static_cast<int>(part.size()); ++row) {
    put(layout.status.top + row, layout.status.left, part[row], A_NORMAL);
  }
  put(layout.credit.top, layout.credit.left, credit, creditAttr);

  fill(layout.input, inputAttr);
  const InputLine::View line = input.view(layout.input.width - 2);
  put(layout.input.top, layout.input.left + 1, line.shown, inputAttr);
  attrset(A_NORMAL);
  move(layout.input.top, layout.input.left + 1 + line.cursorColumn);
  refresh();
}

}  // namespace kvelt::term
