// TMeter270: its square dial plane, the five face shapes and the places of its dial pieces.

#include <algorithm>
#include <cstdlib>

#include "library/foundation/helpers.h"
#include "library/foundation/store.h"
#include "library/instruments/common/squaredial.h"
#include "library/instruments/instrund/instrund.h"

namespace {

constexpr double kSweep = 270;

}  // namespace

TMeter270::TMeter270(TComponent* AOwner) : TRoundMeter(AOwner, kSweep, 11) {
  caption_ = "U/min x100";
  SetWidth(200);
  SetHeight(200);
}

void TMeter270::SetShape(TShapeTypeT V) {
  if (StoreChanged(shape_, V)) RepaintNow();
}

bool TMeter270::DrawDialFace(TCanvas& c) {
  TRect inner = InnerRect;
  const int p = LayoutSquareDial(map_, inner, Width(), Height());
  if (p == 0) return false;
  // The dial plane measures distances from its corner: y grows upward from there.
  const auto at = [this](int X, int Y) { return map_.MapDistance(X, Y); };
  PrepareFacePen(c);
  DrawSquareDialFace(c, map_, shape_, p, {BordLeft(), BordTop(), BordRight(), BordBottom()});
  pivot_ = at(0, 0);
  direction_ = 1;
  angle_offset_ = 0;
  // The reference ray points to the scale start at the lower left.
  r0_ = at(-650, -650);
  DrawBandRing(c, SquareDialCircle(map_, 650), SquareDialCircle(map_, 580), true);

  TScaleGeometry scale;
  scale.T1 = at(0, 670);
  scale.T2 = at(0, 760);
  scale.LogMinor = scale.T2;
  scale.BaseTurn = -135;
  scale.WidthOnControl = true;
  DrawScale(c, scale);

  DrawReadoutFrame(c, at(-400, -450), at(400, -740));
  const int e = (disp_rect_.Height() * 8) / 10;
  if (FontAutom()) c.Font()->SetHeight(std::abs((2 * e) / 3));
  c.Brush()->SetStyle(bsClear);
  c.TextOut(disp_rect_.Left + (disp_rect_.Width() - c.TextWidth(caption_)) / 2, disp_rect_.Bottom,
            caption_);

  const int d = at(150, 0).X - pivot_.X;
  DrawHub(c, d);
  // Pointer from the hub's rim to radius 800; the peak marker just inside its tip, placed by the
  // tip's row within the dial square, so that it keeps its place on tall and wide controls.
  const int g = std::min(Width(), Height()) / 40;
  const int tip_y = at(0, 650).Y - d;
  const int top = at(0, 1000).Y;
  const int ya = top + ((tip_y - top) * 20) / 18;
  const int h = (17 * g) / 10;
  SetPointerShapes({{pivot_.X, tip_y}, {pivot_.X - g, pivot_.Y - d}, {pivot_.X + g, pivot_.Y - d}},
                   {{pivot_.X, ya}, {pivot_.X - h, ya - h}, {pivot_.X + h, ya - h}}, -135);

  led_radius_ = d / 2;
  const int q = (5 * led_radius_) / 2;
  led_centre_[0] = {inner.Left + q, inner.Bottom - q};
  led_centre_[1] = {inner.Right - q, inner.Bottom - q};
  DrawLedSockets(c);
  DrawMark(c, led_centre_[0].X + led_radius_ + 4, led_centre_[0].Y, false);
  return true;
}
