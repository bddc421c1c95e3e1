#include <algorithm>
#include <cmath>

#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr double kBound = 100;
constexpr double kJumpLimit = 45;

}  // namespace

TPoti270::TPoti270(TComponent* AOwner) : TRotaryInput(AOwner, [this](TObject*) { DragTick(); }) {
  Font()->SetColor(clBlack);
  SetCaption("Volt");
  drag_.GetValue = [this] { return value_; };
  drag_.SetValue = [this](double V) { SetValue(V); };
}

void TPoti270::SetValue(double V) {
  if (!std::isfinite(V)) return;
  if (Reading()) {
    value_ = V;
    return;
  }
  V = Within(V, start_, end_);
  if (V == value_) return;
  value_ = V;
  DrawPointer();
}

void TPoti270::SetValueStart(double V) {
  if (!std::isfinite(V)) return;
  if (Reading()) {
    start_ = V;
    return;
  }
  V = ClampRangeStart(V, end_, kBound, false);
  if (V == start_) return;
  start_ = V;
  value_ = std::max(value_, start_);
  Invalidate();
}

void TPoti270::SetValueEnd(double V) {
  if (!std::isfinite(V)) return;
  if (Reading()) {
    end_ = V;
    return;
  }
  V = ClampRangeEnd(V, start_, kBound, false);
  if (V == end_) return;
  end_ = V;
  value_ = std::min(value_, end_);
  Invalidate();
}

void TPoti270::SetScalaPart(int V) { StoreAndRepaint(scala_part_, std::clamp(V, 1, 10)); }

void TPoti270::DrawScale(TCanvas& C) {
  // Form data can hold an inverted range; the scale needs one of some width.
  if (end_ <= start_) end_ = start_ + 1;
  TScaleRange range{start_, end_};
  DrawRotaryScale(C, plane_, range, scala_part_, col_scala_, FontAutom());
}

double TPoti270::PointerAngle() const {
  if (!(end_ > start_)) return 0;
  return std::clamp(270 * (value_ - start_) / (end_ - start_), 0.0, 270.0);
}

void TPoti270::PressArc(double U) { drag_.Press(ArcValue(start_, end_, U)); }

void TPoti270::DragArc(double LastAngle, double Angle) {
  if (!ArcMoveTaken(LastAngle, value_ == start_, value_ == end_, Angle, kJumpLimit)) return;
  drag_.Move(Within(ArcValue(start_, end_, ArcAngle(Angle, false)), start_, end_));
}

void TPoti270::DragTick() {
  if (painted_) drag_.Tick(start_, end_);
}
