#pragma once
// Small routines of the logic display: clock texts, binary digit strings, the frames and arrows
// of its footer buttons. The drawing routines leave the canvas's pen (and, for the arrows, its
// brush) as they found them.

#include <cstdint>
#include <string>

#include "platform/graphics/geometry.h"

class TCanvas;

// "hh:mm:ss" (at least two hour digits), with tenths ".t" appended when asked. Negative and
// non-finite seconds give "00:00:00"; the hours are not limited.
std::string SecondsToHMS(bool Tenths, double Seconds);

// One character per bit, most significant first.
std::string ByteToBin(uint8_t Value);
std::string WordToBin(uint16_t Value);
std::string LongToBin(uint32_t Value);

// Grey left and top edge, white right and bottom edge, on the columns Left and Right and the
// rows Top and Bottom (all inclusive).
void DrawSunkenFrame(TCanvas& Canvas, const TRect& R);
// The same path with white left and top, grey right and bottom.
void DrawRaisedFrame(TCanvas& Canvas, const TRect& R);
// A black outline around R (Right and Bottom inclusive); R shrinks by 1 on every side and gets a
// raised frame.
void DrawButtonFace(TCanvas& Canvas, TRect& R);

// Filled black triangles inside R; with Bar, a two-pixel bar across the apex.
void DrawArrowUp(TCanvas& Canvas, const TRect& R, bool Bar);
void DrawArrowDown(TCanvas& Canvas, const TRect& R, bool Bar);
void DrawArrowLeft(TCanvas& Canvas, const TRect& R, bool Bar);
void DrawArrowRight(TCanvas& Canvas, const TRect& R, bool Bar);
