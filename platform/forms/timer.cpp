#include "platform/forms/timer.h"

#include "platform/forms/systimer.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { UpdateTimer(); }

TTimer::~TTimer() {
  if (FTimerId != 0) KillTimer(FTimerId);
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FTimerId != 0) KillTimer(FTimerId);
  FTimerId = 0;
  if (FEnabled && FInterval > 0) FTimerId = SetTimer(FInterval, [this] { Timer(); });
}

void TTimer::Timer() {
  if (FBusy || !OnTimer) return;
  FBusy = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{FBusy};
  OnTimer(this);
}
