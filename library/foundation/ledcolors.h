#pragma once
// The one colour rule of every LED and lit symbol of the library, and the drawing of an LED body.
//
//   lit       its colour as set
//   unlit     its colour with each channel masked to its bits $60 (colour AND $FF606060; the top
//             byte is kept, so a system colour stays one)
//   disabled  $969696 whatever the state, when its control is disabled
//
// Text written on an LED takes the opposite shade: unlit on a lit LED, full colour on an unlit
// one, and the unlit shade on a disabled one.

#include <cstdint>
#include <span>

#include "library/foundation/types.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

class TCanvas;

constexpr TColor kLedDisabledColour = 0x969696;

constexpr TColor LedDimmed(TColor Colour) {
  return static_cast<TColor>(static_cast<uint32_t>(Colour) & 0xFF606060u);
}

// The fill of an enabled LED.
constexpr TColor LedColour(TColor Colour, bool Lit) { return Lit ? Colour : LedDimmed(Colour); }

// The fill of an LED on a control that may be disabled.
constexpr TColor LedColour(TColor Colour, bool Lit, bool Enabled) {
  return Enabled ? LedColour(Colour, Lit) : kLedDisabledColour;
}

// The colour of text written on the LED.
constexpr TColor LedTextColour(TColor Colour, bool Lit, bool Enabled) {
  return Enabled && !Lit ? Colour : LedDimmed(Colour);
}

// Pen and brush of an LED body: black solid one-pixel outline in copy mode, solid brush in Fill.
void SetLedPen(TCanvas& Canvas, TColor Fill);

// An LED body in Fill with its black outline: the circle or the rectangle of Box (Right and
// Bottom exclusive, as for Ellipse and Rectangle). Leaves the canvas with that pen and brush.
void DrawLed(TCanvas& Canvas, TLedShape Shape, const TRect& Box, TColor Fill);

// An LED body of any outline (a triangle, say) in Fill with its black outline.
void DrawLedPolygon(TCanvas& Canvas, std::span<const TPoint> Corners, TColor Fill);

// The circle of Radius around Centre: the box (X - R, Y - R, X + R, Y + R).
inline TRect LedCircleBox(TPoint Centre, int Radius) {
  return Rect(Centre.X - Radius, Centre.Y - Radius, Centre.X + Radius, Centre.Y + Radius);
}
