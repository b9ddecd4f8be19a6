// FLTK's key events as chords.
#include "key_chord.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>

namespace kvelt::fltk {

KeyChord eventChord() {
  KeyChord chord;
  // The key's own symbol, whatever Shift makes of it.
  const int key = Fl::event_key();
  if (key >= 'a' && key <= 'z') chord.letter = static_cast<char>(key);
  chord.f1 = key == FL_F + 1;
  chord.f2 = key == FL_F + 2;
  chord.f3 = key == FL_F + 3;
  const int state = Fl::event_state();
  chord.ctrl = (state & FL_CTRL) != 0;
  chord.alt = (state & FL_ALT) != 0;
  chord.shift = (state & FL_SHIFT) != 0;
  return chord;
}

bool isModifierEvent() {
  const int key = Fl::event_key();
  // Shift, Caps Lock, Ctrl, Meta and Alt lie together; 0xfe03 is AltGr on many keyboards.
  return (key >= FL_Shift_L && key <= FL_Alt_R) || key == 0xfe03;
}

}  // namespace kvelt::fltk
