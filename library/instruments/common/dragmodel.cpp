#include "library/instruments/common/dragmodel.h"

#include <algorithm>
#include <cmath>

#include "library/foundation/helpers.h"
#include "platform/base/numbers.h"

namespace {

constexpr double kArcStart = 45;
constexpr double kArcEnd = 315;
constexpr double kArcSweep = 270;

int RoundToInt(double V) {
  return static_cast<int>(std::clamp<int64_t>(Round(V), INT32_MIN, INT32_MAX));
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
  if (DragTick) drag_id_ = TimerRegister(std::move(DragTick));
}

TDragModel::~TDragModel() { TimerRemove(drag_id_); }

void TDragModel::SetDragDelay(int V) { drag_delay_ = std::clamp(V, 0, 20); }

bool TDragModel::BeginPress(TShiftState Shift) {
  changed_ = false;
  return DragsWith(Shift);
}

void TDragModel::StartRecord() {
  // 50 ms: the tick service runs the record on every tick.
  TimerSetInterval(drag_id_, 50);
}

bool TDragModel::Delayed() const { return drag_delay_ > 0 && drag_id_ >= 0; }

void TDragModel::Take(double V) {
  if (V == GetValue()) return;
  SetValue(V);
  NoteChange();
}

void TDragModel::Press(double V) {
  if (Delayed()) {
    StartRecord();
    target_ = V;
    return;
  }
  Take(V);
}

void TDragModel::PressRelative() {
  if (!Delayed()) return;
  StartRecord();
  target_ = GetValue();
}

void TDragModel::Move(double V) {
  if (Delayed()) {
    target_ = V;
    return;
  }
  Take(V);
}

void TDragModel::MoveBy(double Delta, double Low, double High) {
  if (Delayed()) {
    target_ = std::clamp(target_ + Delta, Low, High);
    return;
  }
  Take(std::clamp(GetValue() + Delta, Low, High));
}

void TDragModel::NoteChange() {
  changed_ = true;
  if (Changing) Changing();
}

TDragModel::TRelease TDragModel::Release() {
  TimerStop(drag_id_);
  const TRelease r{changed_, preset_pressed_};
  // Both belong to this press: a later release without a press fires nothing.
  changed_ = false;
  preset_pressed_ = false;
  return r;
}

void TDragModel::Tick(double Start, double End) {
  if (drag_delay_ <= 0) return;
  const double step = (End - Start) / (drag_delay_ * 15);
  target_ = std::clamp(target_, std::min(Start, End), std::max(Start, End));
  const double value = GetValue();
  double next;
  if (target_ < value) {
    next = std::max(value - step, target_);
  } else if (target_ > value) {
    next = std::min(value + step, target_);
  } else {
    return;
  }
  SetValue(next);
  NoteChange();
}
