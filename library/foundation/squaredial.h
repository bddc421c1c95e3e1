#pragma once
// The dial plane of the meters with a centred pivot: a square of 2000 units round the pivot
// (-1000..1000 both ways, y up), widened along the longer side of the face, mapped by distances
// from its top-left corner; and the five face shapes drawn on it. Also the face layout that the
// meters with a rectangular face share.

#include "library/foundation/dialmap.h"
#include "library/foundation/types.h"
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

// Room a face keeps inside on each side (for a readout or the LEDs).
struct TFaceRoom {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The face round Inner (the frame's inner rectangle) of a meter: on a bordered side Inner gives
// its room and Gap, and the face ends there; on an open side the face reaches Overhang beyond
// Inner, which then gives its room. Returns the face; Inner is left with what is inside.
TRect LayOutFace(TRect& Inner, TFaceSides Sides, int Gap, int Overhang, TFaceRoom Room = {});

// The faces' pen and brush: a solid one-pixel Outline, copied, over a solid Fill.
void SetFacePen(TCanvas& Canvas, TColor Outline, TColor Fill);

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
