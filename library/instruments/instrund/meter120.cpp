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
  update_after_tick_ = true;
  clip_to_face_ = true;
  angle_offset_ = 30;
  caption_ = "l/min";
  SetWidth(250);
  SetHeight(112);
}

void TMeter120::SetShape(TmShapeType V) {
  if (StoreChanged(shape_, V)) RepaintNow();
}

bool TMeter120::DrawDialFace(TCanvas& c) {
  if (!LayoutDial(c)) return false;
  const TOrientType orientation = Orientation();
  DrawBandRing(c, Box(map_.MapPoint(-750, 750), map_.MapPoint(750, -750)),
               Box(map_.MapPoint(-680, 680), map_.MapPoint(680, -680)), false);

  TScaleGeometry scale;
  scale.T1 = map_.MapPoint(0, 760);
  scale.T2 = map_.MapPoint(0, 840);
  scale.LogMinor = map_.MapPoint(0, 810);
  scale.BaseTurn = Vertical(orientation) ? direction_ * -30.0 + angle_offset_
                                         : direction_ * -kSweep + angle_offset_;
  scale.LabelsBelow = orientation == orBottom;
  DrawScale(c, scale);

  if (Vertical(orientation)) {
    DrawReadoutFrame(c, map_.MapPoint(250, 75), map_.MapPoint(655, -75));
  } else {
    DrawReadoutFrame(c, map_.MapPoint(-260, 590), map_.MapPoint(260, 400));
  }
  c.Brush()->SetStyle(bsClear);
  const int tw = c.TextWidth(caption_);
  const int fh = c.Font()->Height();
  int x, y;
  if (Vertical(orientation)) {
    const TPoint centre = map_.MapPoint(450, 140);
    x = centre.X - tw / 2;
    y = centre.Y - std::abs(fh / 2);
  } else {
    x = disp_rect_.Left + (disp_rect_.Width() - tw) / 2;
    y = orientation == orTop ? disp_rect_.Bottom + 2 : disp_rect_.Top - 2 - std::abs(fh);
  }
  c.TextOut(x, y, caption_);

  // Pointer from radius 75 to 825 and the peak pointer just beyond its tip, on the scale start.
  const int g = std::min(Width(), Height()) / 40;
  const TPoint d = map_.MapPoint(75, 75);
  const int dy = d.Y - pivot_.Y;
  const int hw = 2 * g;
  const TPoint tip{pivot_.X, map_.MapPoint(0, 750).Y + dy};
  const int back = orientation == orBottom ? 2 * hw : -2 * hw;
  SetPointerShapes({tip, {pivot_.X - hw, pivot_.Y + dy}, {pivot_.X + hw, pivot_.Y + dy}},
                   {tip, {pivot_.X - 2 * hw, tip.Y + back}, {pivot_.X + 2 * hw, tip.Y + back}},
                   direction_ * -90.0 + angle_offset_);

  led_radius_ = (2 * (d.X - pivot_.X)) / 3;
  if (Vertical(orientation)) {
    led_centre_[0] = map_.MapPoint(1000, 800);
    led_centre_[1] = map_.MapPoint(1000, -800);
  } else {
    led_centre_[0] = map_.MapPoint(-850, 950);
    led_centre_[1] = map_.MapPoint(850, 950);
  }
  DrawLedSockets(c);
  if (orientation == orLeft) {
    DrawMark(c, led_centre_[0].X - led_radius_ - 4, led_centre_[0].Y - 8, true);
  } else {
    DrawMark(c, led_centre_[0].X + led_radius_ + 4, led_centre_[0].Y - 8, false);
  }
  return true;
}

bool TMeter120::LayoutDial(TCanvas& c) {
  const TOrientType orientation = Orientation();
  const int w = Width(), h = Height();
  const TRect face = DrawBorderedFace(c, shape_ == smtRoundrect);
  face_clip_ = face;
  InflateRect(face_clip_, -1, -1);
  c.SelectClipRect(face_clip_);

  const double pw = map_.PixExtent.cx, ph = map_.PixExtent.cy;
  if (pw <= 0 || ph <= 0) return false;
  TPoint& vo = map_.VirtOrigin;
  TSize& ve = map_.VirtExtent;
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
      angle_offset_ = 30;
      direction_ = 1;
    } else {
      vo.Y = 250;
      ve.cy = -ve.cy;
      angle_offset_ = -30;
      direction_ = -1;
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
      angle_offset_ = 60;
      direction_ = -1;
    } else {
      vo.X += ve.cx;
      ve.cx = -ve.cx;
      angle_offset_ = -60;
      direction_ = 1;
    }
  }
  if (!map_.Valid()) return false;
  pivot_ = map_.MapPoint(0, 0);
  r0_ = map_.MapPoint(-750, 0);
  if (Vertical(orientation)) r0_ = RotatePoint(pivot_, r0_, 180);
  return true;
}
