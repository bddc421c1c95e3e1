#pragma once
// The dial plane of the meters with a centred pivot: a square of 2000 units round the pivot
// (-1000..1000 both ways, y up), widened along the longer side of the face, mapped by distances
// from its top-left corner; and the five face shapes drawn on it. Also the face layout that the
// meters with a rectangular face share.

#include <span>

#include "library/foundation/dialmap.h"
#include "library/foundation/types.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

class TCanvas;
class TFrameControl;

// Shrinks Inner (the frame's inner rectangle) by a fortieth of the control's smaller side and
// fits the plane to it. Returns the face's overhang beyond a switched-off side (a quarter of the
// shorter inner side, at least 1), or 0 when the control is too small for a dial.
int LayoutSquareDial(TDialMapping& Map, TRect& Inner, int Width, int Height);

// The pieces the meters with a centred pivot place alike on the plane: the plane fitted into
// the frame's inner rectangle (as LayoutSquareDial, which leaves Inner shrunk), the pivot at
// its centre, the hub's radius of 150 units in pixels and the pointers' half width at their
// base, a fortieth of the control's smaller side. Overhang 0: too small for a dial; the pieces
// after it are not set then.
struct TSquareDial {
  TDialMapping Map;
  TRect Inner;
  int Overhang = 0;
  TPoint Pivot;
  int HubRadius = 0;
  int PointerHalf = 0;

  TSquareDial(const TRect& FrameInner, int Width, int Height);
  // Starts a meter's layout L with these pieces (Map, Overhang, Valid, Pivot, HubRadius); false,
  // L left invalid, when the control is too small for a dial.
  template <class TLayout>
  bool Start(TLayout& L) const {
    L.Map = Map;
    L.Overhang = Overhang;
    if (Overhang == 0) return false;
    L.Valid = true;
    L.Pivot = Pivot;
    L.HubRadius = HubRadius;
    return true;
  }
  // A dial point (distances from the plane's corner) in pixels.
  TPoint At(int X, int Y) const { return Map.MapDistance(X, Y); }
  // A pointer built pointing up from the hub's rim to the row TipY.
  void Pointer(int TipY, TPoint (&Corners)[3]) const;
  // A peak marker built pointing down at the row Apex, 17 tenths of PointerHalf each side.
  void PeakMarker(int Apex, TPoint (&Corners)[3]) const;
  // The centres of LEDs in sockets of Socket pixels in the corners of Inner: lower left, lower
  // right, upper left, upper right, as many as Centres holds.
  void PlaceCornerLeds(int Socket, std::span<TPoint> Centres) const;
};

struct TFaceSides {
  bool Left = true, Top = true, Right = true, Bottom = true;  // border switches
};
// The sides a frame's border switches leave bordered.
TFaceSides BorderSides(const TFrameControl& Frame);

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
