#include "platform/forms/wmhints.h"

// Qt's headers go before Xlib's, whose macros (Bool, Status) they cannot stand.
// clang-format off
#include <QGuiApplication>
#include <QWidget>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
// clang-format on

namespace {

Display* XDisplay() {
  auto* x11 =
      qGuiApp == nullptr ? nullptr : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 == nullptr ? nullptr : x11->display();
}

// The window a WINDOW property of `window` names; 0 when it has none.
Window WindowProperty(Display* Dpy, Window Win, Atom Property) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  Window found = 0;
  if (XGetWindowProperty(Dpy, Win, Property, 0, 1, False, XA_WINDOW, &type, &format, &count, &after,
                         &data) == Success &&
      data != nullptr && type == XA_WINDOW && format == 32 && count == 1) {
    found = *reinterpret_cast<Window*>(data);
  }
  if (data != nullptr) XFree(data);
  return found;
}

// The hints that Motif-aware window managers read: which decorations the frame has and which
// functions the window offers.
enum : unsigned long {
  kMwmFunctions = 1,
  kMwmDecorations = 2,
  kFuncResize = 2,
  kFuncMove = 4,
  kFuncMinimize = 8,
  kFuncMaximize = 16,
  kFuncClose = 32,
  kDecorBorder = 2,
  kDecorResizeH = 4,
  kDecorTitle = 8,
  kDecorMenu = 16,
  kDecorMinimize = 32,
  kDecorMaximize = 64,
};

}  // namespace

namespace forms_internal {

bool WindowManagerRunning() {
  Display* display = XDisplay();
  if (display == nullptr) return false;
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
  const Window child = WindowProperty(display, DefaultRootWindow(display), check);
  // A window left over from a manager that is gone does not name itself.
  return child != 0 && WindowProperty(display, child, check) == child;
}

void SetFrameHints(QWidget* Widget, const FrameHints& Hints) {
  Display* display = XDisplay();
  if (display == nullptr || Widget == nullptr) return;
  unsigned long functions = kFuncMove, decorations = 0;
  if (Hints.title) decorations |= kDecorBorder | kDecorTitle;
  if (Hints.resize) {
    functions |= kFuncResize;
    decorations |= kDecorResizeH;
  }
  if (Hints.close) {
    functions |= kFuncClose;
    decorations |= kDecorMenu;
  }
  if (Hints.minimize) {
    functions |= kFuncMinimize;
    decorations |= kDecorMinimize;
  }
  if (Hints.maximize) {
    functions |= kFuncMaximize;
    decorations |= kDecorMaximize;
  }
  const long value[5] = {long(kMwmFunctions | kMwmDecorations), long(functions), long(decorations),
                         0, 0};
  const Atom atom = XInternAtom(display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(display, Window(Widget->winId()), atom, atom, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(value), 5);
  XFlush(display);
}

}  // namespace forms_internal
