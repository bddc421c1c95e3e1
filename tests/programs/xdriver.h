#pragma once
// The real mouse and keyboard of an X server, through xdotool, for the programs' screen checks.

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QScreen>
#include <cstdlib>
#include <string>

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
