#include "library/controls/orvanemisc2/rotlabel.h"

#include <array>
#include <cmath>

#include "platform/base/numbers.h"
#include "platform/graphics/canvas_state.h"

namespace {

constexpr double kRadPerDeg = 3.14159265358979324 / 180;

int T(double v) { return int(Trunc(v)); }

int ReduceAngle(int Value) {
  const int a = Value % 360;
  return a < 0 ? a + 360 : a;
}

}  // namespace

TPoint RotatedTextOrigin(int cx, int cy, int w, int h, int Angle) {
  const double c = std::cos(Angle * kRadPerDeg), s = std::sin(Angle * kRadPerDeg);
  return {cx - T(w * 0.5 * c) - T(h * 0.5 * s), cy + T(w * 0.5 * s) - T(h * 0.5 * c)};
}

TRotLabel::TRotLabel(TComponent* AOwner) : TCustomLabel(AOwner) {
  SetTransparent(true);
  SetAutoSize(false);
  SetBounds(Left(), Top(), 115, 115);
  Font()->SetName("Arial");
  Font()->SetStyle({fsBold});
  Font()->SetSize(16);
  Font()->SetColor(0x0000FF);
}

void TRotLabel::StoreAngle(int Value) { FAngle = ReduceAngle(Value); }

void TRotLabel::SetrlAngle(int Value) {
  Value = ReduceAngle(Value);
  if (Value == FAngle) return;
  FAngle = Value;
  Invalidate();
}

void TRotLabel::SetrlStyle3D(T3DEffect Value) {
  if (Value == FStyle3D) return;
  FStyle3D = Value;
  Invalidate();
}

void TRotLabel::SetrlShColor(TColor Value) {
  if (Value == FShColor) return;
  FShColor = Value;
  Invalidate();
}

void TRotLabel::SetrlShOffSetH(int Value) {
  if (Value == FShOffSetH) return;
  FShOffSetH = Value;
  if (FStyle3D == rlShadowed) Invalidate();
}

void TRotLabel::SetrlShOffSetV(int Value) {
  if (Value == FShOffSetV) return;
  FShOffSetV = Value;
  if (FStyle3D == rlShadowed) Invalidate();
}

void TRotLabel::SetrlTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  if (!Value) SetParentColor(false);
  Invalidate();
}

void TRotLabel::Paint() {
  const double c = std::cos(FAngle * kRadPerDeg), s = std::sin(FAngle * kRadPerDeg);
  int d1 = 0, d2 = 0;
  if (FStyle3D == rlRaised) {
    d1 = 1;
    d2 = -1;
  } else if (FStyle3D == rlLowered) {
    d1 = -1;
    d2 = 1;
  }
  TCanvas* canvas = Canvas();
  TCanvasSaver keep(*canvas, cpBrush | cpFont);
  canvas->SetFont(Font());
  canvas->Font()->SetOrientation(0);
  canvas->Brush()->SetStyle(bsClear);
  const std::string& text = Caption();
  const int w = canvas->TextWidth(text), h = canvas->TextHeight(text);
  const int cx = Width() / 2, cy = Height() / 2;
  const TPoint origin = RotatedTextOrigin(cx, cy, w, h, FAngle);
  if (!FTransparent) {
    const double bw = (w + 10) * 0.5, bh = (h + 7) * 0.5;
    const std::array<TPoint, 4> box = {{
        {cx - T(bw * c) - T(bh * s), cy + T(bw * s) - T(bh * c)},
        {cx + T(bw * c) - T(bh * s), cy - T(bw * s) - T(bh * c)},
        {cx + T(bw * c) + T(bh * s), cy - T(bw * s) + T(bh * c)},
        {cx - T(bw * c) + T(bh * s), cy + T(bw * s) + T(bh * c)},
    }};
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->Polygon(box);
    canvas->Brush()->SetStyle(bsClear);
  }
  canvas->Font()->SetOrientation(FAngle * 10);
  const TColor own = Font()->Color();
  auto pass = [&](TColor color, int dx, int dy) {
    canvas->Font()->SetColor(color);
    canvas->TextOut(origin.X + dx, origin.Y + dy, text);
  };
  if (FStyle3D == rlRaised || FStyle3D == rlLowered) {
    pass(clWhite, d2, d2);
    pass(clBlack, d1, d1);
  } else if (FStyle3D == rlShadowed) {
    pass(FShColor, FShOffSetH, FShOffSetV);
  }
  pass(own, 0, 0);
}
