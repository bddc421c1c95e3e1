// Keys of their own for the characters a screen check types, so that xdotool finds each on the
// keyboard instead of remapping a key for the moment of one stroke, which a program that reads
// the new keymap only after the stroke (Qt) misses.

#include "tests/programs/xkeys.h"

#include <set>
#include <vector>

#include "platform/base/strings.h"

// Last: its macros (None, Status, Bool) would clash with what comes after.
#include <X11/Xlib.h>

bool XGiveKeysTo(const std::string& utf8) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  int low = 0, high = 0, per = 0;
  XDisplayKeycodes(display, &low, &high);
  KeySym* map = XGetKeyboardMapping(display, KeyCode(low), high - low + 1, &per);
  std::set<KeySym> present;
  std::vector<int> free;
  for (int code = low; code <= high; ++code) {
    bool empty = true;
    for (int i = 0; i < per; ++i) {
      const KeySym sym = map[(code - low) * per + i];
      if (sym != NoSymbol) present.insert(sym), empty = false;
    }
    if (empty) free.push_back(code);
  }
  XFree(map);
  bool ok = true;
  size_t next = 0;
  for (size_t at = 0; at < utf8.size();) {
    char32_t c = 0;
    const size_t len = DecodeUtf8(utf8, at, c);
    if (len == 0) return false;
    at += len;
    // Latin-1 characters are their own keysyms; the others are Unicode keysyms.
    const KeySym sym = c < 0x100 ? KeySym(c) : KeySym(0x1000000 + c);
    if (present.count(sym) != 0) continue;
    if (next == free.size()) {
      ok = false;
      break;
    }
    KeySym one = sym;
    XChangeKeyboardMapping(display, free[next++], 1, &one, 1);
    present.insert(sym);
  }
  XSync(display, False);
  XCloseDisplay(display);
  return ok;
}
