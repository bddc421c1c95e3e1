#include "tests/library/controls/orvanebits/xserver.h"

#include <X11/Xlib.h>

namespace {
Display* display = nullptr;
}

bool XServerOpen() {
  if (!display) display = XOpenDisplay(nullptr);
  return display != nullptr;
}

void XServerClose() {
  if (display) XCloseDisplay(display);
  display = nullptr;
}

int XServerTimeout() {
  int timeout = -1, interval, blanking, exposures;
  if (display) XGetScreenSaver(display, &timeout, &interval, &blanking, &exposures);
  return timeout;
}

void XServerSetTimeout(int seconds) {
  if (!display) return;
  XSetScreenSaver(display, seconds, 0, DefaultBlanking, DefaultExposures);
  XSync(display, False);
}
