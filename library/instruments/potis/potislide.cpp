#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/base/sysutils.h"
#include "platform/graphics/canvas_state.h"

TPotiSlide::TPotiSlide(TComponent* AOwner) : TSlideInput(AOwner, [this](TObject*) { DragTick(); }) {
  SetWidth(60);
  SetHeight(300);
  SetCaption("Volt");
  FDrag.GetValue = [this] { return FValue; };
  FDrag.SetValue = [this](double V) { SetValue(V); };
}

void TPotiSlide::SetValue(double Value) {
  if (StoreValue(FValue, Value, Reading(), FScale)) MoveKnob();
}

void TPotiSlide::Loaded() {
  TSlideInput::Loaded();
  FScale.Repair();
}

void TPotiSlide::SetValueStart(double Value) {
  if (!FScale.SetStart(Value, Reading(), [&](bool) { CacheLogs(); })) return;
  FScale.Repair();
  Invalidate();
}

void TPotiSlide::SetValueEnd(double Value) {
  if (!FScale.SetEnd(Value, Reading(), [&](bool) { CacheLogs(); })) return;
  FScale.Repair();
  Invalidate();
}

void TPotiSlide::CacheLogs() {
  if (FScale.NonLinear) FScale.CacheLogs();
}

void TPotiSlide::SetNonLinear(bool Value) {
  if (!FScale.StoreNonLinear(Value)) return;
  if (!Reading()) FScale.Repair();
  Invalidate();
}

void TPotiSlide::SetScalaPart(int Value) {
  if (FScale.SetPart(Value)) Invalidate();
}

int TPotiSlide::AutoFontSize(int K) const {
  return FScale.NonLinear ? K : TSlideInput::AutoFontSize(K);
}

void TPotiSlide::DrawScale(TCanvas& C, int X0, int K) {
  const int q = K / 3;
  const int t = FDrawn.TravelTop, l = FDrawn.TravelLength;
  const TCanvasSaver keep(C, cpPen | cpBrush | cpFont);
  // The trench, then the scale's thin pen.
  FillOutlined(C, Rect(X0 - q, t, X0 + q, t + l), clBlack);
  C.Pen()->SetColor(FColScala);
  C.Brush()->SetStyle(bsClear);
  // Labels start where the right-hand long ticks end. On a narrow potentiometer they would run
  // over its right edge: their font shrinks, and what is still too wide moves left, taking its
  // room from the right-hand ticks, which end where the labels start.
  const int ticks_start = X0 + q + K;
  const int label_x = X0 + q + 2 * K;
  int x = label_x;
  const auto place_labels = [&](const std::function<int()>& LabelsRight) {
    ShrinkFontUntil(C, [&] { return LabelsRight() <= InnerRect.Right; });
    x = std::max(label_x - std::max(LabelsRight() - InnerRect.Right, 0), ticks_start + 2);
  };
  // Ticks on both sides of the trench, the right-hand ones ending where the labels start.
  const auto ticks = [&]() -> std::vector<TStraightTicks> {
    const int left = X0 - q - K;
    return {{true, left, left - K, left - K / 2, 1, 1},
            {true, ticks_start, ticks_start + std::min(K, x - ticks_start),
             ticks_start + std::min(K / 2, x - ticks_start), 1, 1}};
  };
  TScaleLayout layout;
  if (FScale.NonLinear) {
    const TScaleDivision division = LogDivision(FScale, FScale.Part());
    place_labels([&] {
      int widest = 0;
      for (const TScaleTick& tick : division.Ticks) {
        if (tick.Major()) widest = std::max(widest, PowerOfTenWidth(C, tick.Value));
      }
      return label_x + 3 + widest;
    });
    const int fh = std::abs(C.Font()->Height());
    layout = StraightScaleLayout(
        division, ticks(), [&](const TScaleTick& T) { return FScale.Pixel(T.Value, true, t, l); },
        [&](const TScaleTick& T, int Y) {
          return TPlacedLabel{{{x + 3, Y - fh * 11 / 20}, {}, true, T.Value}, {}};
        });
  } else {
    const int d = ScaleLabelDecimals(FScale.End - FScale.Start, 2, 4);
    const auto label_width = [&] {
      return std::max(C.TextWidth(FloatToStrF(FScale.End, ffFixed, 4, d)),
                      C.TextWidth(FloatToStrF(FScale.Start, ffFixed, 4, d)));
    };
    place_labels([&] { return label_x + label_width(); });
    const int lw = label_width();
    const int fh = std::abs(C.Font()->Height());
    // A division over 30 pixels gets a thin tick in its middle.
    const int division = l / FScale.Part();
    layout = StraightScaleLayout(
        LinearDivision(FScale, FScale.Part(), division > 30 ? 1 : 0), ticks(),
        [&](const TScaleTick& T) {
          return t + l - l * T.Index / FScale.Part() - (T.Major() ? 0 : division / 2);
        },
        [&](const TScaleTick& T, int Y) {
          const std::string text = Cut10(ScaleLabelText(T.Value, d));
          return TPlacedLabel{{{x + lw - C.TextWidth(text), Y - fh * 2 / 3}, text}, {}};
        });
  }
  DrawScaleLayout(C, layout);
}

int TPotiSlide::KnobCentreY() {
  FValue = Within(FValue, FScale.Start, FScale.End);
  return FScale.Pixel(FValue, true, FDrawn.TravelTop, FDrawn.TravelLength);
}

void TPotiSlide::PressAt(int, int Y) {
  const TLayout l = Layout();
  if (l.TravelLength < 1) return;
  FDrag.Press(FScale.TravelValue(l.Distance(Y), l.TravelLength));
}

void TPotiSlide::DragTo(int, int Y) {
  const TLayout l = Layout();
  if (l.TravelLength < 1) return;
  const double v = FScale.TravelValue(l.Distance(Y), l.TravelLength);
  FDrag.Move(Within(v, FScale.Start, FScale.End));
}

void TPotiSlide::DragTick() {
  if (FPainted) FDrag.Tick(FScale.Start, FScale.End);
}
