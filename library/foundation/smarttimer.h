#pragma once
// TSmartTimer: a timer component on the shared tick service. It fires its event periodically
// (ticking), a given number of times (iterating) or once per blink cycle in step with every
// blinking element of the library (blinking).

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/forms/component.h"

// BlinkHigh is BlinkPhase at the moment of the call.
using TTimerEvent = std::function<void(TObject* Sender, bool BlinkHigh)>;

enum TTimerMode { tmStopped, tmTicking, tmBlinking, tmIterate };

class TSmartTimer : public TComponent {
 public:
  explicit TSmartTimer(TComponent* AOwner);
  ~TSmartTimer() override;

  TTimerEvent TimerEvent;

  // Interval in milliseconds for ticking and iterating, at least 50. A change retimes a ticking
  // timer at once (the next event one full new interval later); otherwise it applies from the
  // next start.
  uint16_t Time() const { return FTime; }
  void SetTime(uint16_t Value);

  // Ticking and iterating start with a new record and a full interval; setting the current mode
  // again changes nothing. An iterating timer sets itself to tmStopped when its cycles run out.
  TTimerMode TimerMode() const { return FMode; }
  void SetTimerMode(TTimerMode Value);

  // Events left in tmIterate; it fires max(Cycles, 1) events and ends with Cycles 0.
  int32_t Cycles() const { return FCycles; }
  void SetCycles(int32_t Value) { FCycles = Value; }

 private:
  void ReleaseRecord();
  void Tick();
  void StopWhenCyclesRunOut();

  int32_t FTimerId = -1;
  uint16_t FTime = 50;
  int32_t FCycles = 1;
  TTimerMode FMode = tmStopped;
  // Cleared by the destructor, so a tick whose handler destroys the timer stops touching it.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
