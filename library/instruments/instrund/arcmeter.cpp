// TArcMeter: the layout and dial of the meters whose arc lies beside a pivot near one edge.

#include <algorithm>
#include <cstdlib>

#include "library/foundation/helpers.h"
#include "library/foundation/store.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/base/numbers.h"

namespace {

// The plane's edge above the pivot while the arc lies above it.
constexpr int kTop = 1050;

bool Vertical(TOrientType o) { return o == orLeft || o == orRight; }

// Twice a side plus K twentieths of it: the other side beyond which the plane is fitted to it.
int Across(int Side, int K) { return 2 * Side + (Side * K) / 20; }

}  // namespace

TArcMeter::TArcMeter(TComponent* AOwner, const TArcDial& Dial)
    : TRoundMeter(AOwner, Dial.Sweep, 8), FDial(Dial) {
  FClipToFace = Dial.ClipToFace;
  FAngleOffset = Dial.LyingTurn;
}

void TArcMeter::SetShape(TmShapeType Value) {
  if (StoreChanged(FShape, Value)) RepaintNow();
}

bool TArcMeter::LayoutDial(TCanvas& c) {
  const TArcDial& d = FDial;
  const TOrientType orientation = Orientation();
  const int w = Width(), h = Height();
  const TRect face = DrawBorderedFace(c, FShape == smtRoundrect);
  if (d.ClipToFace) {
    FFaceClip = face;
    InflateRect(FFaceClip, -1, -1);
    c.SelectClipRect(FFaceClip);
  }

  const double pw = FMap.PixExtent.cx, ph = FMap.PixExtent.cy;
  if (pw <= 0 || ph <= 0) return false;
  TPoint& vo = FMap.VirtOrigin;
  TSize& ve = FMap.VirtExtent;
  if (!Vertical(orientation)) {
    if (Across(h, d.LyingTall) > w) {
      vo.X = -d.HalfWidth;
      vo.Y = ToInt(2 * std::llabs(Round(-d.HalfWidth * ph / pw)) + d.Back);
      ve.cx = 2 * d.HalfWidth;
      ve.cy = -(vo.Y - d.Back);
    } else {
      double span = -(d.WideSpan * pw) / ph;
      if (d.RoundWideSpan) span = double(Round(span));
      vo.X = ToInt(Round(span * d.WideShare));
      vo.Y = kTop;
      ve.cx = std::abs(2 * vo.X);
      ve.cy = -(kTop - d.Back);
    }
    if (orientation == orTop) {
      FAngleOffset = d.LyingTurn;
      FDirection = 1;
    } else {
      vo.Y = d.Back;
      ve.cy = -ve.cy;
      FAngleOffset = -d.LyingTurn;
      FDirection = -1;
    }
  } else {
    vo.X = d.Back;
    if (Across(w, d.StandingTall) < h) {
      vo.Y = ToInt(std::llabs(Round(d.Depth * ph / pw)) / 2);
      ve.cx = d.Depth;
      ve.cy = -2 * vo.Y;
    } else {
      vo.Y = d.HalfHeight;
      ve.cx = ToInt(Round(d.HalfHeight * 2.0 * pw / ph) + d.DepthExtra);
      ve.cy = -(2 * d.HalfHeight);
    }
    if (orientation == orLeft) {
      FAngleOffset = d.StandingTurn;
      FDirection = -1;
    } else {
      vo.X += ve.cx;
      ve.cx = -ve.cx;
      FAngleOffset = -d.StandingTurn;
      FDirection = 1;
    }
  }
  if (!FMap.Valid()) return false;
  FPivot = FMap.MapPoint(0, 0);
  FR0 = FMap.MapPoint(-750, 0);
  if (Vertical(orientation)) FR0 = RotatePoint(FPivot, FR0, 180);
  return true;
}

bool TArcMeter::DrawDialFace(TCanvas& c) {
  if (!LayoutDial(c)) return false;
  const TArcDial& d = FDial;
  const TOrientType orientation = Orientation();
  const bool vertical = Vertical(orientation);
  const auto at = [this](TPoint P) { return FMap.MapPoint(P.X, P.Y); };
  DrawBandRing(c, Box(FMap.MapPoint(-750, 750), FMap.MapPoint(750, -750)),
               Box(FMap.MapPoint(-680, 680), FMap.MapPoint(680, -680)), false);

  TScaleGeometry scale;
  scale.T1 = FMap.MapPoint(0, 760);
  scale.T2 = FMap.MapPoint(0, 840);
  scale.LogMinor = FMap.MapPoint(0, d.LogMinorRadius);
  scale.BaseTurn = FDirection * (d.ScaleTurn + (vertical ? 90.0 : 0.0)) + FAngleOffset;
  scale.LabelsBelow = orientation == orBottom;
  scale.WidthOnControl = d.LabelWidthOnControl;
  DrawScale(c, scale);

  const TPoint(&readout)[2] = vertical ? d.StandingReadout : d.LyingReadout;
  DrawReadoutFrame(c, at(readout[0]), at(readout[1]));
  c.Brush()->SetStyle(bsClear);
  const int tw = c.TextWidth(FCaption);
  const int fh = c.Font()->Height();
  int x, y;
  if (vertical) {
    const TPoint centre = at(d.StandingCaption);
    x = centre.X - tw / 2;
    y = centre.Y - std::abs(fh / 2);
  } else {
    x = FDispRect.Left + (FDispRect.Width() - tw) / 2;
    y = orientation == orTop ? FDispRect.Bottom + 2 : FDispRect.Top - 2 - std::abs(fh);
  }
  c.TextOut(x, y, FCaption);

  // The pointer runs from radius 75 (the hub's rim) to 825, the peak pointer just beyond its
  // tip; both are built on the scale's middle and turned to its start.
  const TPoint p75 = FMap.MapPoint(75, 75);
  const int dx = p75.X - FPivot.X, dy = p75.Y - FPivot.Y;
  if (d.Hub) DrawHub(c, dx);
  const int g = std::min(Width(), Height()) / 40;
  const int hw = (d.PointerHalf * g) / 10, h2 = (d.PeakHalf * hw) / 10;
  const TPoint tip{FPivot.X, FMap.MapPoint(0, 750).Y + dy};
  const int back = orientation == orBottom ? h2 : -h2;
  SetPointerShapes({tip, {FPivot.X - hw, FPivot.Y + dy}, {FPivot.X + hw, FPivot.Y + dy}},
                   {tip, {FPivot.X - h2, tip.Y + back}, {FPivot.X + h2, tip.Y + back}},
                   FDirection * -90.0 + FAngleOffset);

  FLedRadius = LedRadiusIn((d.LedShare[0] * dx) / d.LedShare[1]);
  if (vertical) {
    FLedCentre[0] = at(d.StandingLed);
    FLedCentre[1] = FMap.MapPoint(d.StandingLed.X, -d.StandingLed.Y);
  } else {
    FLedCentre[0] = at(d.LyingLed);
    FLedCentre[1] = FMap.MapPoint(-d.LyingLed.X, d.LyingLed.Y);
  }
  DrawLedSockets(c);
  if (orientation == orLeft) {
    DrawMark(c, FLedCentre[0].X - FLedRadius - 4, FLedCentre[0].Y - 8, true);
  } else {
    DrawMark(c, FLedCentre[0].X + FLedRadius + 4, FLedCentre[0].Y - 8, false);
  }
  return true;
}
