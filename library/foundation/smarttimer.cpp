#include "library/foundation/smarttimer.h"

#include <cstdint>

#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"

namespace {
constexpr uint16_t kMinTime = 50;
}

TSmartTimer::TSmartTimer(TComponent* AOwner) : TComponent(AOwner) {}

TSmartTimer::~TSmartTimer() {
  *FAlive = false;
  TimerRemove(FTimerId);
}

void TSmartTimer::SetTime(uint16_t Value) {
  if (Value < kMinTime) Value = kMinTime;
  if (!StoreChanged(FTime, Value)) return;
  if (FTimerId != -1 && FMode == tmTicking) TimerSetInterval(FTimerId, FTime);
}

void TSmartTimer::SetTimerMode(TTimerMode Value) {
  if (!StoreChanged(FMode, Value)) return;
  switch (FMode) {
    case tmStopped:
      TimerStop(FTimerId);
      break;
    case tmTicking:
    case tmIterate:
      ReleaseRecord();
      FTimerId = TimerRegister([this](TObject*) { Tick(); });
      TimerSetInterval(FTimerId, FTime);
      break;
    case tmBlinking:
      ReleaseRecord();
      FTimerId = TimerRegisterSync([this](TObject*) { Tick(); });
      break;
  }
}

void TSmartTimer::ReleaseRecord() {
  if (FTimerId == -1) return;
  TimerStop(FTimerId);
  TimerRemove(FTimerId);
  FTimerId = -1;
}

void TSmartTimer::Tick() {
  if (FMode == tmIterate && FCycles > INT32_MIN) --FCycles;
  if (TimerEvent) {
    // The handler may destroy this timer (and with it TimerEvent) while it runs.
    std::shared_ptr<bool> alive = FAlive;
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
  if (FMode != tmIterate || FCycles > 0) return;
  FCycles = 0;
  TimerStop(FTimerId);
  FMode = tmStopped;
}
