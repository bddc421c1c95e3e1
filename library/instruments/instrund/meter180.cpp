// TMeter180: its face, mapping and the places of its dial pieces.

#include <algorithm>
#include <cstdlib>

#include "library/foundation/helpers.h"
#include "library/foundation/store.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/base/numbers.h"

namespace {

constexpr double kSweep = 180;

bool Vertical(TOrientType o) { return o == orLeft || o == orRight; }

}  // namespace

TMeter180::TMeter180(TComponent* AOwner) : TRoundMeter(AOwner, kSweep, 8) {
  FCaption = "U/min x100";
  SetWidth(250);
  SetHeight(144);
}

void TMeter180::SetShape(TmShapeType Value) {
  if (StoreChanged(FShape, Value)) RepaintNow();
}

bool TMeter180::LayoutDial(TCanvas& c) {
  const TOrientType orientation = Orientation();
  const int w = Width(), h = Height();
  DrawBorderedFace(c, FShape == smtRoundrect);
  const double pw = FMap.PixExtent.cx, ph = FMap.PixExtent.cy;
  if (pw <= 0 || ph <= 0) return false;
  TPoint& vo = FMap.VirtOrigin;
  TSize& ve = FMap.VirtExtent;
  if (!Vertical(orientation)) {
    if (2 * h - (h * 4) / 20 > w) {
      vo.X = -1100;
      vo.Y = ToInt(2 * std::llabs(Round(-1100 * ph / pw)) - 150);
      ve.cx = 2 * 1100;
      ve.cy = -(vo.Y + 150);
    } else {
      vo.X = ToInt(Round(double(Round(-(1050 * pw) / ph)) * 0.575));
      vo.Y = 1050;
      ve.cx = std::abs(2 * vo.X);
      ve.cy = -150 - 1050;
    }
    FAngleOffset = 0;
    if (orientation == orTop) {
      FDirection = 1;
    } else {
      vo.Y = -150;
      ve.cy = -ve.cy;
      FDirection = -1;
    }
  } else {
    if (2 * w - (w * 7) / 20 < h) {
      vo.X = -150;
      vo.Y = ToInt(std::llabs(Round((1100 + 150) * ph / pw)) / 2);
      ve.cx = 1100 + 150;
      ve.cy = -2 * vo.Y;
    } else {
      vo.X = -150;
      vo.Y = 1050;
      ve.cx = ToInt(Round(1050 * 2.0 * pw / ph) + 150);
      ve.cy = -(2 * 1050);
    }
    if (orientation == orLeft) {
      FAngleOffset = 90;
      FDirection = -1;
    } else {
      vo.X += ve.cx;
      ve.cx = -ve.cx;
      FAngleOffset = -90;
      FDirection = 1;
    }
  }
  if (!FMap.Valid()) return false;
  FPivot = FMap.MapPoint(0, 0);
  FR0 = FMap.MapPoint(-750, 0);
  if (Vertical(orientation)) FR0 = RotatePoint(FPivot, FR0, 180);
  return true;
}

bool TMeter180::DrawDialFace(TCanvas& c) {
  if (!LayoutDial(c)) return false;
  const TOrientType orientation = Orientation();
  DrawBandRing(c, Box(FMap.MapPoint(-750, 750), FMap.MapPoint(750, -750)),
               Box(FMap.MapPoint(-680, 680), FMap.MapPoint(680, -680)), false);

  TScaleGeometry scale;
  scale.T1 = FMap.MapPoint(0, 760);
  scale.T2 = FMap.MapPoint(0, 840);
  scale.LogMinor = scale.T2;
  scale.BaseTurn = Vertical(orientation) ? FAngleOffset : FDirection * -90.0 + FAngleOffset;
  scale.LabelsBelow = orientation == orBottom;
  scale.WidthOnControl = true;
  DrawScale(c, scale);

  if (Vertical(orientation)) {
    DrawReadoutFrame(c, FMap.MapPoint(0, -150), FMap.MapPoint(515, -340));
  } else {
    DrawReadoutFrame(c, FMap.MapPoint(-260, 520), FMap.MapPoint(260, 330));
  }
  c.Brush()->SetStyle(bsClear);
  const int tw = c.TextWidth(FCaption);
  const int fh = c.Font()->Height();
  int x, y;
  if (Vertical(orientation)) {
    const TPoint centre = FMap.MapPoint(255, 245);
    x = centre.X - tw / 2;
    y = centre.Y - std::abs(fh / 2);
  } else {
    x = FDispRect.Left + (FDispRect.Width() - tw) / 2;
    y = orientation == orTop ? FDispRect.Bottom + 2 : FDispRect.Top - 2 - std::abs(fh);
  }
  c.TextOut(x, y, FCaption);

  // The hub round the pivot; the pointer runs from its rim to radius 825.
  const TPoint d = FMap.MapPoint(75, 75);
  const int dx = d.X - FPivot.X, dy = d.Y - FPivot.Y;
  DrawHub(c, dx);
  const int g = std::min(Width(), Height()) / 40;
  const int hw = (17 * g) / 10, h2 = (18 * hw) / 10;
  const TPoint tip{FPivot.X, FMap.MapPoint(0, 750).Y + dy};
  const int back = orientation == orBottom ? h2 : -h2;
  SetPointerShapes({tip, {FPivot.X - hw, FPivot.Y + dy}, {FPivot.X + hw, FPivot.Y + dy}},
                   {tip, {FPivot.X - h2, tip.Y + back}, {FPivot.X + h2, tip.Y + back}},
                   FDirection * -90.0 + FAngleOffset);

  FLedRadius = (3 * dx) / 4;
  if (Vertical(orientation)) {
    FLedCentre[0] = FMap.MapPoint(1000, 950);
    FLedCentre[1] = FMap.MapPoint(1000, -950);
  } else {
    FLedCentre[0] = FMap.MapPoint(-1000, 950);
    FLedCentre[1] = FMap.MapPoint(1000, 950);
  }
  DrawLedSockets(c);
  if (orientation == orLeft) {
    DrawMark(c, FLedCentre[0].X - FLedRadius - 4, FLedCentre[0].Y - 8, true);
  } else {
    DrawMark(c, FLedCentre[0].X + FLedRadius + 4, FLedCentre[0].Y - 8, false);
  }
  return true;
}
