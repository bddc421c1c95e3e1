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
  FDrag.GetValue = [this] { return FValue; };
  FDrag.SetValue = [this](double V) { SetValue(V); };
}

void TPoti270::SetValue(double Value) {
  if (!std::isfinite(Value)) return;
  if (Reading()) {
    FValue = Value;
    return;
  }
  Value = Within(Value, FStart, FEnd);
  if (Value == FValue) return;
  FValue = Value;
  DrawPointer();
}

void TPoti270::SetValueStart(double Value) {
  if (!std::isfinite(Value)) return;
  if (Reading()) {
    FStart = Value;
    return;
  }
  Value = ClampRangeStart(Value, FEnd, kBound, false);
  if (Value == FStart) return;
  FStart = Value;
  FValue = std::max(FValue, FStart);
  Invalidate();
}

void TPoti270::SetValueEnd(double Value) {
  if (!std::isfinite(Value)) return;
  if (Reading()) {
    FEnd = Value;
    return;
  }
  Value = ClampRangeEnd(Value, FStart, kBound, false);
  if (Value == FEnd) return;
  FEnd = Value;
  FValue = std::min(FValue, FEnd);
  Invalidate();
}

void TPoti270::SetScalaPart(int Value) { StoreAndRepaint(FScalaPart, std::clamp(Value, 1, 10)); }

void TPoti270::DrawScale(TCanvas& C) {
  // Form data can hold an inverted range; the scale needs one of some width.
  if (FEnd <= FStart) FEnd = FStart + 1;
  TScaleRange range{FStart, FEnd};
  DrawRotaryScale(C, FPlane, range, FScalaPart, FColScala, FontAutom());
}

double TPoti270::PointerAngle() const {
  if (!(FEnd > FStart)) return 0;
  return std::clamp(270 * (FValue - FStart) / (FEnd - FStart), 0.0, 270.0);
}

void TPoti270::PressArc(double U) { FDrag.Press(ArcValue(FStart, FEnd, U)); }

void TPoti270::DragArc(double LastAngle, double Angle) {
  if (!ArcMoveTaken(LastAngle, FValue == FStart, FValue == FEnd, Angle, kJumpLimit)) return;
  FDrag.Move(Within(ArcValue(FStart, FEnd, ArcAngle(Angle, false)), FStart, FEnd));
}

void TPoti270::DragTick() {
  if (FPainted) FDrag.Tick(FStart, FEnd);
}
