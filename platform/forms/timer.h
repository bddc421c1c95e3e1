#pragma once
// TTimer: a component that fires OnTimer every Interval milliseconds while Enabled.

#include <cstdint>

#include "platform/forms/component.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  // Changing Enabled or Interval starts the countdown afresh.
  void SetEnabled(bool Value);
  unsigned Interval() const { return FInterval; }
  // 0 stops the timer.
  void SetInterval(unsigned Value);

  // Fired on the GUI thread, never nested for the same timer (a tick arriving while the handler
  // still runs is dropped), and only while set.
  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  bool FEnabled = true;
  unsigned FInterval = 1000;
  uintptr_t FTimerId = 0;
  bool FBusy = false;
};
