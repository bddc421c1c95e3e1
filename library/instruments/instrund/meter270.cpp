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

bool TMeter270::DrawDialFace(TCanvas& c) {
  TRect inner = InnerRect;
  const int p = LayoutSquareDial(FMap, inner, Width(), Height());
  if (p == 0) return false;
  // The dial plane measures distances from its corner: y grows upward from there.
  const auto at = [this](int X, int Y) { return FMap.MapDistance(X, Y); };
  PrepareFacePen(c);
  DrawSquareDialFace(c, FMap, FShape, p, {BordLeft(), BordTop(), BordRight(), BordBottom()});
  FPivot = at(0, 0);
  FDirection = 1;
  FAngleOffset = 0;
  // The reference ray points to the scale start at the lower left.
  FR0 = at(-650, -650);
  DrawBandRing(c, SquareDialCircle(FMap, 650), SquareDialCircle(FMap, 580), true);

  TScaleGeometry scale;
  scale.T1 = at(0, 670);
  scale.T2 = at(0, 760);
  scale.LogMinor = scale.T2;
  scale.BaseTurn = -135;
  scale.WidthOnControl = true;
  DrawScale(c, scale);

  DrawReadoutFrame(c, at(-400, -450), at(400, -740));
  const int e = (FDispRect.Height() * 8) / 10;
  if (FontAutom()) c.Font()->SetHeight(std::abs((2 * e) / 3));
  c.Brush()->SetStyle(bsClear);
  c.TextOut(FDispRect.Left + (FDispRect.Width() - c.TextWidth(FCaption)) / 2, FDispRect.Bottom,
            FCaption);

  const int d = at(150, 0).X - FPivot.X;
  DrawHub(c, d);
  // Pointer from the hub's rim to radius 800; the peak marker just inside its tip, placed by the
  // tip's row within the dial square, so that it keeps its place on tall and wide controls.
  const int g = std::min(Width(), Height()) / 40;
  const int tip_y = at(0, 650).Y - d;
  const int top = at(0, 1000).Y;
  const int ya = top + ((tip_y - top) * 20) / 18;
  const int h = (17 * g) / 10;
  SetPointerShapes({{FPivot.X, tip_y}, {FPivot.X - g, FPivot.Y - d}, {FPivot.X + g, FPivot.Y - d}},
                   {{FPivot.X, ya}, {FPivot.X - h, ya - h}, {FPivot.X + h, ya - h}}, -135);

  FLedRadius = LedRadiusIn(d / 2);
  const int q = (5 * (d / 2)) / 2;
  FLedCentre[0] = {inner.Left + q, inner.Bottom - q};
  FLedCentre[1] = {inner.Right - q, inner.Bottom - q};
  DrawLedSockets(c);
  DrawMark(c, FLedCentre[0].X + FLedRadius + 4, FLedCentre[0].Y, false);
  return true;
}
