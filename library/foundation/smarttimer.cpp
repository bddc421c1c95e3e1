#include "library/foundation/smarttimer.h"

#include <cstdint>

#include "library/foundation/tickservice.h"

namespace {
constexpr uint16_t kMinTime = 50;
}

TSmartTimer::TSmartTimer(TComponent* AOwner) : TComponent(AOwner) {}

TSmartTimer::~TSmartTimer() {
  *alive_ = false;
  TimerRemove(timer_id_);
}

void TSmartTimer::SetTime(uint16_t Value) {
  if (Value < kMinTime) Value = kMinTime;
  if (Value == time_) return;
  time_ = Value;
  if (timer_id_ != -1 && mode_ == tmTicking) TimerSetInterval(timer_id_, time_);
}

void TSmartTimer::SetTimerMode(TTimerMode Value) {
  if (Value == mode_) return;
  mode_ = Value;
  switch (mode_) {
    case tmStopped:
      TimerStop(timer_id_);
      break;
    case tmTicking:
    case tmIterate:
      ReleaseRecord();
      timer_id_ = TimerRegister([this](TObject*) { Tick(); });
      TimerSetInterval(timer_id_, time_);
      break;
    case tmBlinking:
      ReleaseRecord();
      timer_id_ = TimerRegisterSync([this](TObject*) { Tick(); });
      break;
  }
}

void TSmartTimer::ReleaseRecord() {
  if (timer_id_ == -1) return;
  TimerStop(timer_id_);
  TimerRemove(timer_id_);
  timer_id_ = -1;
}

void TSmartTimer::Tick() {
  if (mode_ == tmIterate && cycles_ > INT32_MIN) --cycles_;
  if (TimerEvent) {
    // The handler may destroy this timer (and with it TimerEvent) while it runs.
    std::shared_ptr<bool> alive = alive_;
    TTimerEvent event = TimerEvent;
    try {
      event(this, BlinkPhase);
    } catch (...) {
      // A failed event still counts, so an iterating timer ends all the same.
      if (*alive) StopWhenCyclesRunOut();
      throw;
    }
    if (!*alive) return;
  }
  StopWhenCyclesRunOut();
}

void TSmartTimer::StopWhenCyclesRunOut() {
  if (mode_ != tmIterate || cycles_ > 0) return;
  cycles_ = 0;
  TimerStop(timer_id_);
  mode_ = tmStopped;
}
