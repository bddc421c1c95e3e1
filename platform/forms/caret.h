#pragma once
// The window system's caret: one per application, owned by one control, created hidden, shown
// and hidden by a count, blinking at an application-wide blink time. It shows over the owner's
// image (inverting the pixels below it) and never enters the image itself.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/graphics/geometry.h"

class TBitmap;
class TWinControl;

// Kind 0: solid, 1: grey (a 50 % pattern). Replaces a caret that exists. False without an owner.
// The owner must destroy the caret before it goes.
bool CreateCaret(TWinControl* Owner, int Kind, int Width, int Height);
// A caret of the bitmap's size and pixels.
bool CreateCaret(TWinControl* Owner, const TBitmap& Bitmap);
// Destroys the caret, whichever window owns it; false when there is none.
bool DestroyCaret();
// Counted: the caret shows when every HideCaret has been matched by a ShowCaret. Owner must own
// the caret (nullptr means whichever control owns it).
bool ShowCaret(TWinControl* Owner);
bool HideCaret(TWinControl* Owner);
// Client coordinates of the owner; far-off values put the caret off screen.
bool SetCaretPos(int X, int Y);
bool GetCaretPos(TPoint& Point);
// Milliseconds per blink phase.
unsigned GetCaretBlinkTime();
bool SetCaretBlinkTime(unsigned Milliseconds);
// The control that owns the caret; nullptr when there is none.
TWinControl* GetCaretWindow();

// The caret as it shows now: its area in the owner's client coordinates and its XOR mask (row
// by row): the owner's pixels are XORed with it where the caret lies. False when no caret is on
// screen just now (none, hidden, or in its off blink phase).
struct TCaretImage {
  TWinControl* Owner = nullptr;
  TRect Area;
  std::vector<uint32_t> Pixels;
};
bool GetCaretImage(TCaretImage& Image);
