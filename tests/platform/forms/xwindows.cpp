#include "tests/platform/forms/xwindows.h"

// clang-format off
#include <QGuiApplication>
#include <X11/Xlib.h>
// clang-format on

namespace {

Display* XDisplay() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->display() : nullptr;
}

Atom AtomOf(const char* name) { return XInternAtom(XDisplay(), name, False); }

}  // namespace

std::vector<unsigned long> XProperty(unsigned long window, const char* name) {
  Display* display = XDisplay();
  if (window == 0) window = DefaultRootWindow(display);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> out;
  if (XGetWindowProperty(display, window, AtomOf(name), 0, 1024, False, AnyPropertyType, &type,
                         &format, &count, &after, &data) == Success &&
      data != nullptr && format == 32) {
    const auto* values = reinterpret_cast<const unsigned long*>(data);
    out.assign(values, values + count);
  }
  if (data != nullptr) XFree(data);
  return out;
}

bool XHasAtom(unsigned long window, const char* property, const char* atom) {
  const Atom wanted = AtomOf(atom);
  for (unsigned long a : XProperty(window, property)) {
    if (a == wanted) return true;
  }
  return false;
}

bool XMaximised(unsigned long window) {
  return XHasAtom(window, "_NET_WM_STATE", "_NET_WM_STATE_MAXIMIZED_VERT") &&
         XHasAtom(window, "_NET_WM_STATE", "_NET_WM_STATE_MAXIMIZED_HORZ");
}

void XAskToMaximise(unsigned long window, bool on) {
  Display* display = XDisplay();
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = AtomOf("_NET_WM_STATE");
  e.xclient.format = 32;
  e.xclient.data.l[0] = on ? 1 : 0;
  e.xclient.data.l[1] = long(AtomOf("_NET_WM_STATE_MAXIMIZED_VERT"));
  e.xclient.data.l[2] = long(AtomOf("_NET_WM_STATE_MAXIMIZED_HORZ"));
  e.xclient.data.l[3] = 1;  // asked by a normal application
  XSendEvent(display, DefaultRootWindow(display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &e);
  XFlush(display);
}

int XStackingIndex(unsigned long window) {
  const std::vector<unsigned long> list = XProperty(0, "_NET_CLIENT_LIST_STACKING");
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i] == window) return int(i);
  }
  return -1;
}
