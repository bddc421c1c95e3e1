#pragma once
// The timer component demo: four latching buttons run one timer as a one-shot, ticking, in the
// blink rhythm or for a number of cycles; each mode has its LED, and every event beeps.

#include "library/controls/tasten/bevel3d.h"
#include "library/controls/tasten/ledbutton.h"
#include "library/controls/tasten/spin.h"
#include "library/foundation/smarttimer.h"
#include "programs/demo/demoform.h"

class TSmartTimeDemo : public TDemoForm {
 public:
  explicit TSmartTimeDemo(TComponent* AOwner);

  TSmartTimer* SmartTimer;
  TBevel3D* ShotBtn;
  TBevel3D* TickerBtn;
  TBevel3D* BlinkerBtn;
  TBevel3D* IterateBtn;
  TTextSpin* OneShotTime;
  TTextSpin* TickTime;
  TTextSpin* IterateTicks;
  TLedButton* OneShotLed;
  TLedButton* TickerLed;
  TLedButton* BlinkerLed;
  TLedButton* IterateLed;

 private:
  // Stops the timer and puts out every LED but the iteration's.
  void StopAll();
  // The down handlers' common start: StopAll and the other three buttons released.
  void StartMode(TBevel3D* Pressed);
  void TimerEvent();
};
