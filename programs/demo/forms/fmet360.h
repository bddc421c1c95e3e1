#pragma once
// The two-scale 360-degree meter's demo form: the ten-turn potentiometer drives both pointers of
// Meter; the timer swings Meter2 between 0 and 1000 and lets LED 3 or LED 4 blink.

#include "library/controls/tasten/ledcheck.h"
#include "library/foundation/smarttimer.h"
#include "library/instruments/instrund/instrund.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TMeter360Demo : public TDemoForm {
 public:
  explicit TMeter360Demo(TComponent* AOwner);

  TMeter360* Meter = nullptr;
  TMeter360* Meter2 = nullptr;
  TPoti10T* Poti = nullptr;
  TSlider* SelDamp = nullptr;
  TSlider* SelDampPeak = nullptr;
  TRadioGroup* SelLed1 = nullptr;
  TRadioGroup* SelLed2 = nullptr;
  TRadioGroup* SelLed3 = nullptr;
  TRadioGroup* SelLed4 = nullptr;
  TRadioGroup* SelForm = nullptr;
  TRadioGroup* DragModes = nullptr;
  TCheckBox* LedUpper = nullptr;
  TCheckBox* LedLower = nullptr;
  TLedCheck* PeakReset = nullptr;
  TButton* PrintBtn = nullptr;
  TButton* CloseBtn = nullptr;
  TSmartTimer* SmartTimer = nullptr;

 private:
  void SmartTimerTimerEvent(TObject* Sender, bool BlinkHigh);
  void PotiToMeter();

  int FTestValue = 1000;
};
