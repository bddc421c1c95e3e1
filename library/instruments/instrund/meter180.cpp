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
  caption_ = "U/min x100";
  SetWidth(250);
  SetHeight(144);
}

void TMeter180::SetShape(TmShapeType V) {
  if (StoreChanged(shape_, V)) RepaintNow();
}

bool TMeter180::LayoutDial(TCanvas& c) {
  const TOrientType orientation = Orientation();
  const int w = Width(), h = Height();
  DrawBorderedFace(c, shape_ == smtRoundrect);
  const double pw = map_.PixExtent.cx, ph = map_.PixExtent.cy;
  if (pw <= 0 || ph <= 0) return false;
  TPoint& vo = map_.VirtOrigin;
  TSize& ve = map_.VirtExtent;
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
    angle_offset_ = 0;
    if (orientation == orTop) {
      direction_ = 1;
    } else {
      vo.Y = -150;
      ve.cy = -ve.cy;
      direction_ = -1;
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
      angle_offset_ = 90;
      direction_ = -1;
    } else {
      vo.X += ve.cx;
      ve.cx = -ve.cx;
      angle_offset_ = -90;
      direction_ = 1;
    }
  }
  if (!map_.Valid()) return false;
  pivot_ = map_.MapPoint(0, 0);
  r0_ = map_.MapPoint(-750, 0);
  if (Vertical(orientation)) r0_ = RotatePoint(pivot_, r0_, 180);
  return true;
}

bool TMeter180::DrawDialFace(TCanvas& c) {
  if (!LayoutDial(c)) return false;
  const TOrientType orientation = Orientation();
  DrawBandRing(c, Box(map_.MapPoint(-750, 750), map_.MapPoint(750, -750)),
               Box(map_.MapPoint(-680, 680), map_.MapPoint(680, -680)), false);

  TScaleGeometry scale;
  scale.T1 = map_.MapPoint(0, 760);
  scale.T2 = map_.MapPoint(0, 840);
  scale.LogMinor = scale.T2;
  scale.BaseTurn = Vertical(orientation) ? angle_offset_ : direction_ * -90.0 + angle_offset_;
  scale.LabelsBelow = orientation == orBottom;
  scale.WidthOnControl = true;
  DrawScale(c, scale);

  if (Vertical(orientation)) {
    DrawReadoutFrame(c, map_.MapPoint(0, -150), map_.MapPoint(515, -340));
  } else {
    DrawReadoutFrame(c, map_.MapPoint(-260, 520), map_.MapPoint(260, 330));
  }
  c.Brush()->SetStyle(bsClear);
  const int tw = c.TextWidth(caption_);
  const int fh = c.Font()->Height();
  int x, y;
  if (Vertical(orientation)) {
    const TPoint centre = map_.MapPoint(255, 245);
    x = centre.X - tw / 2;
    y = centre.Y - std::abs(fh / 2);
  } else {
    x = disp_rect_.Left + (disp_rect_.Width() - tw) / 2;
    y = orientation == orTop ? disp_rect_.Bottom + 2 : disp_rect_.Top - 2 - std::abs(fh);
  }
  c.TextOut(x, y, caption_);

  // The hub round the pivot; the pointer runs from its rim to radius 825.
  const TPoint d = map_.MapPoint(75, 75);
  const int dx = d.X - pivot_.X, dy = d.Y - pivot_.Y;
  DrawHub(c, dx);
  const int g = std::min(Width(), Height()) / 40;
  const int hw = (17 * g) / 10, h2 = (18 * hw) / 10;
  const TPoint tip{pivot_.X, map_.MapPoint(0, 750).Y + dy};
  const int back = orientation == orBottom ? h2 : -h2;
  SetPointerShapes({tip, {pivot_.X - hw, pivot_.Y + dy}, {pivot_.X + hw, pivot_.Y + dy}},
                   {tip, {pivot_.X - h2, tip.Y + back}, {pivot_.X + h2, tip.Y + back}},
                   direction_ * -90.0 + angle_offset_);

  led_radius_ = (3 * dx) / 4;
  if (Vertical(orientation)) {
    led_centre_[0] = map_.MapPoint(1000, 950);
    led_centre_[1] = map_.MapPoint(1000, -950);
  } else {
    led_centre_[0] = map_.MapPoint(-1000, 950);
    led_centre_[1] = map_.MapPoint(1000, 950);
  }
  DrawLedSockets(c);
  if (orientation == orLeft) {
    DrawMark(c, led_centre_[0].X - led_radius_ - 4, led_centre_[0].Y - 8, true);
  } else {
    DrawMark(c, led_centre_[0].X + led_radius_ + 4, led_centre_[0].Y - 8, false);
  }
  return true;
}
