#include "library/instruments/common/dragmodel.h"

#include <algorithm>
#include <cmath>

#include "library/foundation/helpers.h"
#include "platform/base/numbers.h"

namespace {

constexpr double kArcStart = 45;
constexpr double kArcEnd = 315;
constexpr double kArcSweep = 270;

int RoundToInt(double Value) {
  return static_cast<int>(std::clamp<int64_t>(Round(Value), INT32_MIN, INT32_MAX));
}

}  // namespace

bool DragsWith(TShiftState Shift) { return Shift == TShiftState{ssLeft}; }

double PointAngle(TPoint Centre, int X, int Y) {
  return VectorAngleDeg(double(Y) - Centre.Y, double(Centre.X) - X);
}

double ArcAngle(double PointAngle, bool Clamp) {
  if (Clamp) PointAngle = std::clamp(PointAngle, kArcStart, kArcEnd);
  return PointAngle - kArcStart;
}

double ArcValue(double Start, double End, double U) {
  return Start + (End - Start) * U / kArcSweep;
}

int ArcPosition(int ScalaPart, double U) {
  return RoundToInt(U / (kArcSweep / std::max(ScalaPart, 1)));
}

bool ArcMoveTaken(double LastPointAngle, bool AtStart, bool AtEnd, double PointAngle,
                  double Limit) {
  double u0 = ArcAngle(LastPointAngle, true);
  if (AtEnd) {
    u0 = kArcSweep;
  } else if (AtStart) {
    u0 = 0;
  }
  return std::fabs(u0 - ArcAngle(PointAngle, false)) <= Limit;
}

// ---- TDragModel ----

TDragModel::TDragModel(TTickProc DragTick) {
  if (DragTick) FDragId = TimerRegister(std::move(DragTick));
}

TDragModel::~TDragModel() { TimerRemove(FDragId); }

void TDragModel::SetDragDelay(int Value) { FDragDelay = std::clamp(Value, 0, 20); }

bool TDragModel::BeginPress(TShiftState Shift) {
  FChanged = false;
  return DragsWith(Shift);
}

void TDragModel::StartRecord() {
  // 50 ms: the tick service runs the record on every tick.
  TimerSetInterval(FDragId, 50);
}

bool TDragModel::Delayed() const { return FDragDelay > 0 && FDragId >= 0; }

void TDragModel::Take(double Value) {
  if (Value == GetValue()) return;
  SetValue(Value);
  NoteChange();
}

void TDragModel::Press(double Value) {
  if (Delayed()) {
    StartRecord();
    FTarget = Value;
    return;
  }
  Take(Value);
}

void TDragModel::PressRelative() {
  if (!Delayed()) return;
  StartRecord();
  FTarget = GetValue();
}

void TDragModel::Move(double Value) {
  if (Delayed()) {
    FTarget = Value;
    return;
  }
  Take(Value);
}

void TDragModel::MoveBy(double Delta, double Low, double High) {
  if (Delayed()) {
    FTarget = std::clamp(FTarget + Delta, Low, High);
    return;
  }
  Take(std::clamp(GetValue() + Delta, Low, High));
}

void TDragModel::NoteChange() {
  FChanged = true;
  if (Changing) Changing();
}

TDragModel::TRelease TDragModel::Release() {
  TimerStop(FDragId);
  const TRelease r{FChanged, FPresetPressed};
  // Both belong to this press: a later release without a press fires nothing.
  FChanged = false;
  FPresetPressed = false;
  return r;
}

void TDragModel::Tick(double Start, double End) {
  if (FDragDelay <= 0) return;
  const double step = (End - Start) / (FDragDelay * 15);
  FTarget = std::clamp(FTarget, std::min(Start, End), std::max(Start, End));
  const double value = GetValue();
  double next;
  if (FTarget < value) {
    next = std::max(value - step, FTarget);
  } else if (FTarget > value) {
    next = std::min(value + step, FTarget);
  } else {
    return;
  }
  SetValue(next);
  NoteChange();
}
