// Asking terminfo whether the terminal can address the cursor and draw lines. term.h defines
// macros named after every capability (lines, columns, ...), so it stays in this file.
#include "terminal_check.h"

#include <curses.h>
#include <term.h>
#include <unistd.h>

#include <cstdlib>

namespace kvelt::term {
namespace {

// (char*)-1 for a name that is not a string capability, nullptr for one the terminal lacks.
bool hasString(const char* capability) {
  const char* value = tigetstr(const_cast<char*>(capability));
  // NOLINTNEXTLINE(performance-no-int-to-ptr): terminfo's own marker is that address
  return value != nullptr && value != reinterpret_cast<const char*>(-1);
}

}  // namespace

std::string whyNoScreen() {
  if (isatty(STDIN_FILENO) == 0) return "standard input is not a terminal";
  if (isatty(STDOUT_FILENO) == 0) return "standard output is not a terminal";
  const char* type = std::getenv("TERM");
  if (type == nullptr || *type == '\0') return "TERM is not set";
  const std::string name = type;
  int error = 0;
  if (setupterm(type, STDOUT_FILENO, &error) != OK) return "the terminal " + name + " is unknown";
  const bool canMove = hasString("cup");
  del_curterm(cur_term);
  if (!canMove) return "the terminal " + name + " cannot move the cursor";
  return "";
}

bool terminalDrawsLines() {
  return hasString("acsc");
}

}  // namespace kvelt::term
