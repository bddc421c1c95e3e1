#pragma once
// The dial plane of the meters with a centred pivot: a square of 2000 units round the pivot
// (-1000..1000 both ways, y up), widened along the longer side of the face, mapped by distances
// from its top-left corner; and the five face shapes drawn on it.

#include "library/foundation/types.h"
#include "library/instruments/common/dialmap.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

class TCanvas;

// Shrinks Inner (the frame's inner rectangle) by a fortieth of the control's smaller side and
// fits the plane to it. Returns the face's overhang beyond a switched-off side (a quarter of the
// shorter inner side, at least 1), or 0 when the control is too small for a dial.
int LayoutSquareDial(TDialMapping& Map, TRect& Inner, int Width, int Height);

struct TFaceSides {
  bool Left = true, Top = true, Right = true, Bottom = true;  // border switches
};

// The face in the canvas's pen and brush: the plane's rectangle (pushed out by Overhang on each
// switched-off side), the dial square, either with corners of Overhang / 2, or the circle of the
// square.
void DrawSquareDialFace(TCanvas& Canvas, const TDialMapping& Map, TShapeTypeT Shape, int Overhang,
                        TFaceSides Sides);

// The box of a circle of Radius dial units round the pivot.
TRect SquareDialCircle(const TDialMapping& Map, int Radius);

// The hub over the pivot: a circle of Radius pixels (either sign) filled in Fill, outlined in
// Outline with a solid one-pixel pen.
void DrawDialHub(TCanvas& Canvas, TPoint Pivot, int Radius, TColor Outline, TColor Fill);
