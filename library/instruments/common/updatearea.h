#pragma once
// The area a value update recomposes. An instrument that composes its moving parts over a static
// image redraws, after the first full composition, only where the moving parts were and where
// they are now, plus what changed in the static image; everything else keeps its pixels on the
// screen, and only that area is handed to the window.

#include <span>

#include "platform/graphics/geometry.h"

class TCanvas;
class TPointTurn;

// The pixels a filled polygon can cover (its corners' box, a pixel to spare on every side).
TRect PolygonBox(std::span<const TPoint> Points);

// The three corners of a pointer as it stands at its base place (From), turned by By into To.
void TurnCorners(const TPoint (&From)[3], TPoint (&To)[3], const TPointTurn& By);

// Starts composing Area of the work image Work: the static image copied in, the clip set to
// Area, a clear pen in copy mode and a solid brush for the moving parts' fills. The caller puts
// Work's pen, brush and clip back (a TCanvasSaver round the composition).
void BeginCompose(TCanvas& Work, TCanvas* Static, const TRect& Area);
// Ends it: Area copied to the screen.
void EndCompose(TCanvas& Work, TCanvas& Screen, const TRect& Area);

class TUpdateArea {
 public:
  // The static image or the layout changed: the next composition covers the whole control.
  void Reset() { FWhole = true; }
  // The area to recompose for moving parts now covering Now, with Changed redrawn in the static
  // image: the whole Client after a Reset or when Whole, else Now, Changed and what the moving
  // parts covered before, within Client. Records Now as what they cover.
  TRect Next(const TRect& Client, const TRect& Now, const TRect& Changed, bool Whole);

 private:
  TRect FBefore;
  bool FWhole = true;
};
