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
    : TRoundMeter(AOwner, Dial.Sweep, 8), FDial(Dial) {}

void TArcMeter::SetShape(TmShapeType Value) {
  if (StoreChanged(FShape, Value)) RepaintNow();
}

bool TArcMeter::LayOutPlane(TDialLayout& L) const {
  const TArcDial& d = FDial;
  const TOrientType orientation = Orientation();
  const int w = Width(), h = Height();
  const double pw = L.Map.PixExtent.cx, ph = L.Map.PixExtent.cy;
  if (pw <= 0 || ph <= 0) return false;
  TPoint& vo = L.Map.VirtOrigin;
  TSize& ve = L.Map.VirtExtent;
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
      L.AngleOffset = d.LyingTurn;
      L.Direction = 1;
    } else {
      vo.Y = d.Back;
      ve.cy = -ve.cy;
      L.AngleOffset = -d.LyingTurn;
      L.Direction = -1;
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
      L.AngleOffset = d.StandingTurn;
      L.Direction = -1;
    } else {
      vo.X += ve.cx;
      ve.cx = -ve.cx;
      L.AngleOffset = -d.StandingTurn;
      L.Direction = 1;
    }
  }
  return L.Map.Valid();
}

TRoundMeter::TDialLayout TArcMeter::Layout() const {
  const TArcDial& d = FDial;
  const TOrientType orientation = Orientation();
  const bool vertical = Vertical(orientation);
  TDialLayout l;
  LayOutBorderedFace(l);
  l.ClipToFace = d.ClipToFace;
  if (d.ClipToFace) {
    l.FaceClip = l.Face;
    InflateRect(l.FaceClip, -1, -1);
  }
  l.AngleOffset = d.LyingTurn;
  if (!LayOutPlane(l)) return l;
  l.Valid = true;
  const auto at = [&l](TPoint P) { return l.Map.MapPoint(P.X, P.Y); };
  l.Pivot = at({0, 0});
  l.R0 = at({-750, 0});
  if (vertical) l.R0 = RotatePoint(l.Pivot, l.R0, 180);
  const TPoint(&readout)[2] = vertical ? d.StandingReadout : d.LyingReadout;
  l.DispRect = Box(at(readout[0]), at(readout[1]));

  // The pointer runs from radius 75 (the hub's rim) to 825, the peak pointer just beyond its
  // tip; both are built on the scale's middle and turned to its start.
  const TPoint p75 = at({75, 75});
  const int dx = p75.X - l.Pivot.X, dy = p75.Y - l.Pivot.Y;
  l.HubRadius = dx;
  const int g = std::min(Width(), Height()) / 40;
  const int hw = (d.PointerHalf * g) / 10, h2 = (d.PeakHalf * hw) / 10;
  const TPoint tip{l.Pivot.X, at({0, 750}).Y + dy};
  const int back = orientation == orBottom ? h2 : -h2;
  SetPointerShapes(l, {tip, {l.Pivot.X - hw, l.Pivot.Y + dy}, {l.Pivot.X + hw, l.Pivot.Y + dy}},
                   {tip, {l.Pivot.X - h2, tip.Y + back}, {l.Pivot.X + h2, tip.Y + back}},
                   l.Direction * -90.0 + l.AngleOffset);

  l.LedRadius = LedRadiusIn((d.LedShare[0] * dx) / d.LedShare[1]);
  if (vertical) {
    l.LedCentre[0] = at(d.StandingLed);
    l.LedCentre[1] = at({d.StandingLed.X, -d.StandingLed.Y});
  } else {
    l.LedCentre[0] = at(d.LyingLed);
    l.LedCentre[1] = at({-d.LyingLed.X, d.LyingLed.Y});
  }
  return l;
}

bool TArcMeter::DrawDialFace(TCanvas& c) {
  const TDialLayout& l = FDrawn;
  DrawBorderedFace(c, FShape == smtRoundrect);
  if (l.ClipToFace) c.SelectClipRect(l.FaceClip);
  if (!l.Valid) return false;
  const TArcDial& d = FDial;
  const TOrientType orientation = Orientation();
  const bool vertical = Vertical(orientation);
  const auto at = [&l](TPoint P) { return l.Map.MapPoint(P.X, P.Y); };
  DrawBandRing(c, Box(at({-750, 750}), at({750, -750})), Box(at({-680, 680}), at({680, -680})),
               false);

  TScaleGeometry scale;
  scale.T1 = at({0, 760});
  scale.T2 = at({0, 840});
  scale.LogMinor = at({0, d.LogMinorRadius});
  scale.BaseTurn = l.Direction * (d.ScaleTurn + (vertical ? 90.0 : 0.0)) + l.AngleOffset;
  scale.LabelsBelow = orientation == orBottom;
  scale.WidthOnControl = d.LabelWidthOnControl;
  DrawScale(c, scale);

  DrawReadoutFrame(c);
  SetCaptionFont(c, scale);
  c.Brush()->SetStyle(bsClear);
  const int tw = c.TextWidth(FCaption);
  const int fh = c.Font()->Height();
  int x, y;
  if (vertical) {
    const TPoint centre = at(d.StandingCaption);
    x = centre.X - tw / 2;
    y = centre.Y - std::abs(fh / 2);
  } else {
    const TRect& r = l.DispRect;
    x = r.Left + (r.Width() - tw) / 2;
    y = orientation == orTop ? r.Bottom + 2 : r.Top - 2 - std::abs(fh);
  }
  c.TextOut(x, y, FCaption);

  if (d.Hub) DrawHub(c);
  DrawLedSockets(c);
  if (orientation == orLeft) {
    DrawMark(c, l.LedCentre[0].X - l.LedRadius - 4, l.LedCentre[0].Y - 8, true);
  } else {
    DrawMark(c, l.LedCentre[0].X + l.LedRadius + 4, l.LedCentre[0].Y - 8, false);
  }
  return true;
}
