// TMeter270: its square dial plane, the five face shapes and the places of its dial pieces.

#include <algorithm>
#include <cstdlib>

#include "library/foundation/helpers.h"
#include "library/foundation/squaredial.h"
#include "library/foundation/store.h"
#include "library/instruments/instrund/instrund.h"

namespace {

constexpr double kSweep = 270;

}  // namespace

TMeter270::TMeter270(TComponent* AOwner) : TRoundMeter(AOwner, kSweep, 11) {
  FCaption = "U/min x100";
  SetWidth(200);
  SetHeight(200);
}

void TMeter270::SetShape(TShapeTypeT Value) {
  if (StoreChanged(FShape, Value)) RepaintNow();
}

TRoundMeter::TDialLayout TMeter270::Layout() const {
  const TSquareDial dial(FrameInnerRect(), Width(), Height());
  TDialLayout l;
  if (!dial.Start(l)) return l;
  // The dial plane measures distances from its corner (y grows upward from there); the reference
  // ray points to the scale start at the lower left.
  l.R0 = dial.At(-650, -650);
  l.DispRect = Box(dial.At(-400, -450), dial.At(400, -740));
  const int d = l.HubRadius;
  // Pointer from the hub's rim to radius 800; the peak marker just inside its tip, placed by the
  // tip's row within the dial square, so that it keeps its place on tall and wide controls.
  const int tip_y = dial.At(0, 650).Y - d;
  const int top = dial.At(0, 1000).Y;
  TPoint pointer[3], peak[3];
  dial.Pointer(tip_y, pointer);
  dial.PeakMarker(top + ((tip_y - top) * 20) / 18, peak);
  SetPointerShapes(l, pointer, peak, -135);
  const int socket = d / 2;
  l.LedRadius = LedRadiusIn(socket);
  dial.PlaceCornerLeds(socket, l.LedCentre);
  return l;
}

bool TMeter270::DrawDialFace(TCanvas& c) {
  const TDialLayout& l = FDrawn;
  if (!l.Valid) return false;
  const auto at = [&l](int X, int Y) { return l.Map.MapDistance(X, Y); };
  PrepareFacePen(c);
  DrawSquareDialFace(c, l.Map, FShape, l.Overhang, BorderSides(*this));
  DrawBandRing(c, SquareDialCircle(l.Map, 650), SquareDialCircle(l.Map, 580), true);

  TScaleGeometry scale;
  scale.T1 = at(0, 670);
  scale.T2 = at(0, 760);
  scale.LogMinor = scale.T2;
  scale.BaseTurn = -135;
  scale.WidthOnControl = true;
  DrawScale(c, scale);

  DrawReadoutFrame(c);
  const TRect& r = l.DispRect;
  const int e = (r.Height() * 8) / 10;
  SetCaptionFont(c, scale);
  if (FontAutom()) c.Font()->SetHeight(std::abs((2 * e) / 3));
  c.Brush()->SetStyle(bsClear);
  c.TextOut(r.Left + (r.Width() - c.TextWidth(FCaption)) / 2, r.Bottom, FCaption);

  DrawHub(c);
  DrawLedSockets(c);
  DrawMark(c, l.LedCentre[0].X + l.LedRadius + 4, l.LedCentre[0].Y, false);
  return true;
}
