#pragma once
// The real mouse and keyboard of an X server, through xdotool, for the programs' screen checks.

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/forms.h"

// The failures of a screen check so far; each is told on stderr as it comes.
inline int g_failures = 0;

inline void Fail(const std::string& what) {
  std::fprintf(stderr, "FAIL: %s\n", what.c_str());
  ++g_failures;
}

// Whether the program runs on an X server; says on which platform it runs otherwise (the checks
// end with 2 then).
inline bool OnXServer() {
  if (QGuiApplication::platformName() == "xcb") return true;
  std::fprintf(stderr, "needs an X server (platform is %s)\n",
               qPrintable(QGuiApplication::platformName()));
  return false;
}

// Runs xdotool with the arguments; false when it failed.
inline bool Xdotool(const std::string& args) {
  const std::string command = "xdotool " + args;
  return std::system(command.c_str()) == 0;
}

// Moves the pointer to a screen point and waits until the server has it there. A synchronous
// move to where the pointer already is waits for a motion that never comes (15 s), so it is left
// out then.
inline bool XPointerTo(int x, int y) {
  if (QCursor::pos() == QPoint(x, y)) return true;
  return Xdotool("mousemove --sync " + std::to_string(x) + " " + std::to_string(y));
}

// A click of the left button at a screen point.
inline bool XClickAt(int x, int y) { return XPointerTo(x, y) && Xdotool("click 1"); }

// A failure when an xdotool action did not succeed.
inline void Check(bool done, const std::string& what) {
  if (!done) Fail("xdotool: " + what);
}

// A real click at a point of a control's client area (its centre by default).
inline void ClickAt(const TControl* c, int x = -1, int y = -1) {
  const TPoint p = c->ClientOrigin();
  if (x < 0) x = c->Width() / 2, y = c->Height() / 2;
  Check(XClickAt(p.X + x, p.Y + y), "click");
}

// What the server shows of a screen rectangle.
inline QImage XGrab(int x, int y, int w, int h) {
  return QGuiApplication::primaryScreen()
      ->grabWindow(0, x, y, w, h)
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

// What the server shows of a form's client area.
inline QImage GrabClient(const TForm* f) {
  const TPoint o = f->ClientOrigin();
  return XGrab(o.X, o.Y, f->ClientWidth(), f->ClientHeight());
}

// A pixel of a grab as a colour of the library.
inline TColor At(const QImage& shot, int x, int y) {
  const QRgb p = shot.pixel(x, y);
  return TColor(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16);
}

// One step of a screen check: it waits until ready() holds, then acts.
struct XStep {
  std::string what;
  std::function<bool()> ready;
  std::function<void()> act;
};

// Runs the program's event loop with the steps polled from a timer (which also runs inside modal
// loops) until the program ends; a wait of more than 15 s ends it, closing any modal window.
// Returns what went wrong: the step waited for in vain (with what why() tells of the wait), or the
// step the program ended before.
inline std::vector<std::string> RunXSteps(std::vector<XStep>& steps,
                                          const std::function<std::string()>& why = {}) {
  std::vector<std::string> failures;
  size_t next = 0;
  QElapsedTimer clock;
  clock.start();
  bool ending = false;
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [&] {
    if (ending) {
      // A modal window's own loop outlasts Terminate: close it, then the one under it.
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    } else if (next < steps.size() && steps[next].ready()) {
      steps[next].act();
      ++next;
      clock.restart();
    } else if (clock.elapsed() > 15000) {
      ending = true;
      if (next < steps.size()) {
        std::string seen = why ? why() : std::string();
        failures.push_back("waited in vain for " + steps[next].what +
                           (seen.empty() ? "" : ": " + seen));
      } else {
        failures.push_back("the program did not end");
      }
      Application->Terminate();
    }
  });
  driver.start(100);
  Application->Run();
  if (next < steps.size()) failures.push_back("ended before " + steps[next].what);
  return failures;
}
