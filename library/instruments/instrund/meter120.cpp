// TMeter120: its face, mapping and the places of its dial pieces.

#include <algorithm>
#include <cstdlib>

#include "library/foundation/digits.h"
#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/foundation/store.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"

namespace {

constexpr double kSweep = 120;

bool Vertical(TOrientType o) { return o == orLeft || o == orRight; }

}  // namespace

TMeter120::TMeter120(TComponent* AOwner) : TRoundMeter(AOwner, kSweep, 8) {
  FUpdateAfterTick = true;
  FClipToFace = true;
  FAngleOffset = 30;
  FCaption = "l/min";
  SetWidth(250);
  SetHeight(112);
}

void TMeter120::SetShape(TmShapeType Value) {
  if (StoreChanged(FShape, Value)) RepaintNow();
}

bool TMeter120::DrawDialFace(TCanvas& c) {
  if (!LayoutDial(c)) return false;
  const TOrientType orientation = Orientation();
  DrawBandRing(c, Box(FMap.MapPoint(-750, 750), FMap.MapPoint(750, -750)),
               Box(FMap.MapPoint(-680, 680), FMap.MapPoint(680, -680)), false);

  TScaleGeometry scale;
  scale.T1 = FMap.MapPoint(0, 760);
  scale.T2 = FMap.MapPoint(0, 840);
  scale.LogMinor = FMap.MapPoint(0, 810);
  scale.BaseTurn = Vertical(orientation) ? FDirection * -30.0 + FAngleOffset
                                         : FDirection * -kSweep + FAngleOffset;
  scale.LabelsBelow = orientation == orBottom;
  DrawScale(c, scale);

  if (Vertical(orientation)) {
    DrawReadoutFrame(c, FMap.MapPoint(250, 75), FMap.MapPoint(655, -75));
  } else {
    DrawReadoutFrame(c, FMap.MapPoint(-260, 590), FMap.MapPoint(260, 400));
  }
  c.Brush()->SetStyle(bsClear);
  const int tw = c.TextWidth(FCaption);
  const int fh = c.Font()->Height();
  int x, y;
  if (Vertical(orientation)) {
    const TPoint centre = FMap.MapPoint(450, 140);
    x = centre.X - tw / 2;
    y = centre.Y - std::abs(fh / 2);
  } else {
    x = FDispRect.Left + (FDispRect.Width() - tw) / 2;
    y = orientation == orTop ? FDispRect.Bottom + 2 : FDispRect.Top - 2 - std::abs(fh);
  }
  c.TextOut(x, y, FCaption);

  // Pointer from radius 75 to 825 and the peak pointer just beyond its tip, on the scale start.
  const int g = std::min(Width(), Height()) / 40;
  const TPoint d = FMap.MapPoint(75, 75);
  const int dy = d.Y - FPivot.Y;
  const int hw = 2 * g;
  const TPoint tip{FPivot.X, FMap.MapPoint(0, 750).Y + dy};
  const int back = orientation == orBottom ? 2 * hw : -2 * hw;
  SetPointerShapes({tip, {FPivot.X - hw, FPivot.Y + dy}, {FPivot.X + hw, FPivot.Y + dy}},
                   {tip, {FPivot.X - 2 * hw, tip.Y + back}, {FPivot.X + 2 * hw, tip.Y + back}},
                   FDirection * -90.0 + FAngleOffset);

  FLedRadius = (2 * (d.X - FPivot.X)) / 3;
  if (Vertical(orientation)) {
    FLedCentre[0] = FMap.MapPoint(1000, 800);
    FLedCentre[1] = FMap.MapPoint(1000, -800);
  } else {
    FLedCentre[0] = FMap.MapPoint(-850, 950);
    FLedCentre[1] = FMap.MapPoint(850, 950);
  }
  DrawLedSockets(c);
  if (orientation == orLeft) {
    DrawMark(c, FLedCentre[0].X - FLedRadius - 4, FLedCentre[0].Y - 8, true);
  } else {
    DrawMark(c, FLedCentre[0].X + FLedRadius + 4, FLedCentre[0].Y - 8, false);
  }
  return true;
}

bool TMeter120::LayoutDial(TCanvas& c) {
  const TOrientType orientation = Orientation();
  const int w = Width(), h = Height();
  const TRect face = DrawBorderedFace(c, FShape == smtRoundrect);
  FFaceClip = face;
  InflateRect(FFaceClip, -1, -1);
  c.SelectClipRect(FFaceClip);

  const double pw = FMap.PixExtent.cx, ph = FMap.PixExtent.cy;
  if (pw <= 0 || ph <= 0) return false;
  TPoint& vo = FMap.VirtOrigin;
  TSize& ve = FMap.VirtExtent;
  if (!Vertical(orientation)) {
    if ((h * 23) / 10 > w) {
      vo.X = -960;
      vo.Y = ToInt(2 * std::llabs(Round(-960 * ph / pw)) + 250);
      ve.cx = 1920;
      ve.cy = -(vo.Y - 250);
    } else {
      vo.X = ToInt(Round(-800 * pw / ph * 0.5));
      vo.Y = 1050;
      ve.cx = std::abs(2 * vo.X);
      ve.cy = -800;
    }
    if (orientation == orTop) {
      FAngleOffset = 30;
      FDirection = 1;
    } else {
      vo.Y = 250;
      ve.cy = -ve.cy;
      FAngleOffset = -30;
      FDirection = -1;
    }
  } else {
    if (w * 2 < h) {
      vo.X = 250;
      vo.Y = ToInt(std::llabs(Round(850 * ph / pw)) / 2);
      ve.cx = 850;
      ve.cy = -2 * vo.Y;
    } else {
      vo.X = 250;
      vo.Y = 920;
      ve.cx = ToInt(Round(920 * 2.0 * pw / ph));
      ve.cy = -(2 * 920);
    }
    if (orientation == orLeft) {
      FAngleOffset = 60;
      FDirection = -1;
    } else {
      vo.X += ve.cx;
      ve.cx = -ve.cx;
      FAngleOffset = -60;
      FDirection = 1;
    }
  }
  if (!FMap.Valid()) return false;
  FPivot = FMap.MapPoint(0, 0);
  FR0 = FMap.MapPoint(-750, 0);
  if (Vertical(orientation)) FR0 = RotatePoint(FPivot, FR0, 180);
  return true;
}
