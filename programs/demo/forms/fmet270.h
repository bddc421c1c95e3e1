#pragma once
// The 270-degree meter's demo form: Meter follows the slide potentiometer; Meter2 is swung by
// the timer between -11 and 11, just beyond its range.

#include "library/controls/tasten/ledcheck.h"
#include "library/foundation/smarttimer.h"
#include "library/instruments/instrund/instrund.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TMeter270Demo : public TDemoForm {
 public:
  explicit TMeter270Demo(TComponent* AOwner);

  TMeter270* Meter = nullptr;
  TMeter270* Meter2 = nullptr;
  TPotiSlide* Poti = nullptr;
  TSelectorSlide* SelDamp = nullptr;
  TRadioGroup* SelLeds = nullptr;
  TRadioGroup* SelLed1 = nullptr;
  TRadioGroup* SelLed2 = nullptr;
  TRadioGroup* SelDisp = nullptr;
  TRadioGroup* SelForm = nullptr;
  TRadioGroup* DragModes = nullptr;
  TCheckBox* ItalicCheck = nullptr;
  TLedCheck* PeakReset = nullptr;
  TButton* PrintBtn = nullptr;
  TButton* CloseBtn = nullptr;
  TSmartTimer* SmartTimer = nullptr;

 private:
  void SmartTimerTimerEvent(TObject* Sender, bool BlinkHigh);

  int FTestValue = -11;
};
