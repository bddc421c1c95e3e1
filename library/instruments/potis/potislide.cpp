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
#include "platform/graphics/canvas.h"

namespace {

constexpr double kBound = 1000;

}  // namespace

TPotiSlide::TPotiSlide(TComponent* AOwner) : TSlideInput(AOwner, [this](TObject*) { DragTick(); }) {
  SetWidth(60);
  SetHeight(300);
  SetCaption("Volt");
  drag_.GetValue = [this] { return value_; };
  drag_.SetValue = [this](double V) { SetValue(V); };
}

void TPotiSlide::SetValue(double V) {
  if (!std::isfinite(V)) return;
  if (Reading()) {
    value_ = V;
    return;
  }
  V = Within(V, scale_.Start, scale_.End);
  if (V == value_) return;
  value_ = V;
  MoveKnob();
}

void TPotiSlide::SetValueStart(double V) {
  if (!std::isfinite(V)) return;
  if (Reading()) {
    scale_.Start = V;
    return;
  }
  V = ClampRangeStart(V, scale_.End, kBound, scale_.NonLinear);
  if (V == scale_.Start) return;
  scale_.Start = V;
  if (scale_.NonLinear) scale_.CacheLogs();
  Invalidate();
}

void TPotiSlide::SetValueEnd(double V) {
  if (!std::isfinite(V)) return;
  if (Reading()) {
    scale_.End = V;
    return;
  }
  V = ClampRangeEnd(V, scale_.Start, kBound, scale_.NonLinear);
  if (V == scale_.End) return;
  scale_.End = V;
  if (scale_.NonLinear) scale_.CacheLogs();
  Invalidate();
}

void TPotiSlide::RepairLogRange() {
  double start = scale_.Start, end = scale_.End;
  ::RepairLogRange(value_, start, end);
  // The range setters' rules: both ends snap to decades.
  scale_.Start = ClampRangeStart(start, scale_.End, kBound, true);
  scale_.End = ClampRangeEnd(end, scale_.Start, kBound, true);
  KeepLogSpan(scale_.Start, scale_.End);
  scale_.CacheLogs();
}

void TPotiSlide::SetNonLinear(bool V) {
  if (V == scale_.NonLinear) return;
  scale_.NonLinear = V;
  if (V && !Reading()) RepairLogRange();
  Invalidate();
}

void TPotiSlide::SetScalaPart(int V) { StoreAndRepaint(scala_part_, std::clamp(V, 1, 20)); }

void TPotiSlide::PrepareScale() {
  if (scale_.NonLinear) {
    RepairLogRange();
  } else if (scale_.End <= scale_.Start) {
    // Form data can hold an inverted range; the scale needs one of some width.
    scale_.End = scale_.Start + 1;
  }
}

int TPotiSlide::AutoFontSize(int K) const {
  return scale_.NonLinear ? K : TSlideInput::AutoFontSize(K);
}

void TPotiSlide::DrawScale(TCanvas& C, int X0, int K) {
  const int q = K / 3;
  const int t = travel_top_, l = travel_length_;
  // The trench, then the scale's thin pen.
  FillOutlined(C, Rect(X0 - q, t, X0 + q, t + l), clBlack);
  C.Pen()->SetColor(col_scala_);
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
  if (scale_.NonLinear) {
    const TScaleDivision division = LogDivision(scale_, scala_part_);
    place_labels([&] {
      int widest = 0;
      for (const TScaleTick& tick : division.Ticks) {
        if (tick.Major()) widest = std::max(widest, PowerOfTenWidth(C, tick.Value));
      }
      return label_x + 3 + widest;
    });
    const int fh = std::abs(C.Font()->Height());
    layout = StraightScaleLayout(
        division, ticks(), [&](const TScaleTick& T) { return scale_.Pixel(T.Value, true, t, l); },
        [&](const TScaleTick& T, int Y) {
          return TPlacedLabel{{{x + 3, Y - fh * 11 / 20}, {}, true, T.Value}, {}};
        });
  } else {
    const int d = ScaleLabelDecimals(scale_.End - scale_.Start, 2, 4);
    const auto label_width = [&] {
      return std::max(C.TextWidth(FloatToStrF(scale_.End, ffFixed, 4, d)),
                      C.TextWidth(FloatToStrF(scale_.Start, ffFixed, 4, d)));
    };
    place_labels([&] { return label_x + label_width(); });
    const int lw = label_width();
    const int fh = std::abs(C.Font()->Height());
    // A division over 30 pixels gets a thin tick in its middle.
    const int division = l / scala_part_;
    layout = StraightScaleLayout(
        LinearDivision(scale_, scala_part_, division > 30 ? 1 : 0), ticks(),
        [&](const TScaleTick& T) {
          return t + l - l * T.Index / scala_part_ - (T.Major() ? 0 : division / 2);
        },
        [&](const TScaleTick& T, int Y) {
          const std::string text = Cut10(ScaleLabelText(T.Value, d));
          return TPlacedLabel{{{x + lw - C.TextWidth(text), Y - fh * 2 / 3}, text}, {}};
        });
  }
  DrawScaleLayout(C, layout);
}

int TPotiSlide::KnobCentreY() {
  value_ = Within(value_, scale_.Start, scale_.End);
  return scale_.Pixel(value_, true, travel_top_, travel_length_);
}

void TPotiSlide::PressAt(int, int Y) {
  if (travel_length_ < 1) return;
  drag_.Press(scale_.TravelValue(TravelDistance(Y), travel_length_));
}

void TPotiSlide::DragTo(int, int Y) {
  if (travel_length_ < 1) return;
  const double v = scale_.TravelValue(TravelDistance(Y), travel_length_);
  drag_.Move(Within(v, scale_.Start, scale_.End));
}

void TPotiSlide::DragTick() {
  if (painted_) drag_.Tick(scale_.Start, scale_.End);
}
