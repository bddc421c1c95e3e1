#include "library/foundation/systemtick.h"

#include <cstdint>

#include "library/foundation/tickservice.h"
#include "platform/forms/systimer.h"

namespace {

constexpr unsigned kTickPeriodMs = 55;

uintptr_t TickTimerId = 0;
bool TickTimerRunning = false;

}  // namespace

bool StartSystemTickTimer() {
  StopSystemTickTimer();
  TickTimerId = SetTimer(kTickPeriodMs, [] { TickServiceCallback(); });
  TickTimerRunning = TickTimerId != 0;
  return TickTimerRunning;
}

void StopSystemTickTimer() {
  if (!TickTimerRunning) return;
  KillTimer(TickTimerId);
  TickTimerRunning = false;
  TickTimerId = 0;
}
