#include "platform/devices/screensaver.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <mutex>
#include <string>

namespace {

struct Remembered {
  int active = 0;
  int timeout = 0;
};

std::mutex& Lock() {
  static std::mutex m;
  return m;
}

Remembered& State() {
  static Remembered r;
  return r;
}

// The connection to the X server of $DISPLAY, kept for the process: an X server may reset its
// settings when its last client goes. Null without X11; a display that failed is not retried.
Display* XDisplay() {
  static std::string tried;
  static Display* display = nullptr;
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return nullptr;
  if (tried != name) {
    tried = name;
    if (display) XCloseDisplay(display);
    display = XOpenDisplay(name);
  }
  return display;
}

struct XSaver {
  int timeout, interval, preferBlanking, allowExposures;
};

XSaver Read(Display* d) {
  XSaver s{};
  XGetScreenSaver(d, &s.timeout, &s.interval, &s.preferBlanking, &s.allowExposures);
  return s;
}

void Write(Display* d, const XSaver& s, int timeout) {
  XSetScreenSaver(d, timeout, s.interval, s.preferBlanking, s.allowExposures);
  XSync(d, False);
}

}  // namespace

bool ScreenSaverGetActive(int* active) {
  if (!active) return false;
  std::lock_guard lock(Lock());
  if (Display* d = XDisplay()) {
    const XSaver s = Read(d);
    if (s.timeout > 0) State().timeout = s.timeout;
    *active = s.timeout > 0 ? 1 : 0;
  } else {
    *active = State().active;
  }
  return true;
}

bool ScreenSaverGetTimeout(int* seconds) {
  if (!seconds) return false;
  std::lock_guard lock(Lock());
  if (Display* d = XDisplay()) {
    const XSaver s = Read(d);
    if (s.timeout > 0) State().timeout = s.timeout;
  }
  *seconds = State().timeout;
  return true;
}

bool ScreenSaverSetActive(bool active) {
  std::lock_guard lock(Lock());
  Remembered& r = State();
  if (Display* d = XDisplay()) {
    const XSaver s = Read(d);
    if (s.timeout > 0) r.timeout = s.timeout;
    if (!active) {
      Write(d, s, 0);
    } else if (r.timeout > 0) {
      Write(d, s, r.timeout);
    }
  } else {
    r.active = active && r.timeout > 0 ? 1 : 0;
  }
  return true;
}

bool ScreenSaverSetTimeout(int seconds) {
  if (seconds <= 0) return false;
  std::lock_guard lock(Lock());
  Remembered& r = State();
  r.timeout = seconds;
  if (Display* d = XDisplay()) {
    const XSaver s = Read(d);
    if (s.timeout > 0) Write(d, s, seconds);
  }
  return true;
}
