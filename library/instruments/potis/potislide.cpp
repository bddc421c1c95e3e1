#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "library/foundation/helpers.h"
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
  TPen* pen = C.Pen();
  pen->SetMode(pmCopy);
  pen->SetStyle(psSolid);
  pen->SetWidth(1);
  pen->SetColor(clBlack);
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(clBlack);
  C.Rectangle(X0 - q, t, X0 + q, t + l);

  pen->SetColor(col_scala_);
  C.Brush()->SetStyle(bsClear);
  // Labels start where the right-hand long ticks end. On a narrow potentiometer they would run
  // over its right edge: their font shrinks, and what is still too wide moves left, taking its
  // room from the right-hand ticks, which end where the labels start.
  const int ticks_start = X0 + q + K;
  const int label_x = X0 + q + 2 * K;
  int x = label_x;
  auto ticks = [&](int Y, int Length) {
    C.MoveTo(X0 - q - K, Y);
    C.LineTo(X0 - q - K - Length, Y);
    C.MoveTo(ticks_start, Y);
    C.LineTo(ticks_start + std::min(Length, x - ticks_start), Y);
  };
  auto place_labels = [&](const std::function<int()>& LabelsRight) {
    ShrinkFontUntil(C, [&] { return LabelsRight() <= InnerRect.Right; });
    x = std::max(label_x - std::max(LabelsRight() - InnerRect.Right, 0), ticks_start + 2);
  };
  if (scale_.NonLinear) {
    const int decades = scale_.Decades();
    place_labels([&] {
      int widest = 0;
      double v = scale_.Start;
      for (int j = 0; j <= decades; ++j, v *= 10) widest = std::max(widest, PowerOfTenWidth(C, v));
      return label_x + 3 + widest;
    });
    const int fh = std::abs(C.Font()->Height());
    double v = scale_.Start;
    for (int j = 0; j <= decades; ++j) {
      const int y = scale_.Pixel(v, true, t, l);
      ticks(y, K);
      DrawPowerOfTen(x + 3, y - fh * 11 / 20, C, v);
      if (scala_part_ > 1 && j < decades) {
        for (int m = 1; m < scala_part_; ++m) {
          ticks(scale_.Pixel(v * m * 10 / scala_part_, true, t, l), K / 2);
        }
      }
      v *= 10;
    }
    return;
  }
  const double range = scale_.End - scale_.Start;
  const int d = ScaleLabelDecimals(range, 2, 4);
  auto label_width = [&] {
    return std::max(C.TextWidth(FloatToStrF(scale_.End, ffFixed, 4, d)),
                    C.TextWidth(FloatToStrF(scale_.Start, ffFixed, 4, d)));
  };
  place_labels([&] { return label_x + label_width(); });
  const int lw = label_width();
  const int fh = std::abs(C.Font()->Height());
  const int division = l / scala_part_;
  for (int i = 0; i <= scala_part_; ++i) {
    const int y = t + l - l * i / scala_part_;
    ticks(y, K);
    if (division > 30 && i < scala_part_) ticks(y - division / 2, K / 2);
    const std::string text = Cut10(ScaleLabelText(scale_.Start + range / scala_part_ * i, d));
    C.TextOut(x + lw - C.TextWidth(text), y - fh * 2 / 3, text);
  }
}

int TPotiSlide::KnobCentreY() {
  value_ = Within(value_, scale_.Start, scale_.End);
  return scale_.Pixel(value_, true, travel_top_, travel_length_);
}

void TPotiSlide::PressAt(int, int Y) {
  if (travel_length_ < 1) return;
  drag_.Press(TravelValue(scale_, TravelDistance(Y), travel_length_));
}

void TPotiSlide::DragTo(int, int Y) {
  if (travel_length_ < 1) return;
  const double v = TravelValue(scale_, TravelDistance(Y), travel_length_);
  drag_.Move(Within(v, scale_.Start, scale_.End));
}

void TPotiSlide::DragTick() {
  if (painted_) drag_.Tick(scale_.Start, scale_.End);
}
