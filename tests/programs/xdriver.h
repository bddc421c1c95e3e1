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
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/forms.h"

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

// What the server shows of a screen rectangle.
inline QImage XGrab(int x, int y, int w, int h) {
  return QGuiApplication::primaryScreen()
      ->grabWindow(0, x, y, w, h)
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
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
