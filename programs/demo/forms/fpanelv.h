#pragma once
// The vertical panel meter's demo form: Meter follows the slide potentiometer; Meter2 is swung
// by the timer between -60 and 60, beyond both ends of its range.

#include "library/controls/tasten/ledcheck.h"
#include "library/foundation/smarttimer.h"
#include "library/instruments/instrect/instrect.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TMeterVDemo : public TDemoForm {
 public:
  explicit TMeterVDemo(TComponent* AOwner);

  TMeterPanelV* Meter = nullptr;
  TMeterPanelV* Meter2 = nullptr;
  TPotiSlide* Poti = nullptr;
  TSelectorSlide* SelDamp = nullptr;
  TRadioGroup* SelLeds = nullptr;
  TRadioGroup* SelLed1 = nullptr;
  TRadioGroup* SelLed2 = nullptr;
  TRadioGroup* SelDisp = nullptr;
  TRadioGroup* SelModus = nullptr;
  TRadioGroup* SelForm = nullptr;
  TRadioGroup* SelBar = nullptr;
  TRadioGroup* DragModes = nullptr;
  TCheckBox* ItalicCheck = nullptr;
  TLedCheck* PeakReset = nullptr;
  TButton* PrintBtn = nullptr;
  TButton* CloseBtn = nullptr;
  TSmartTimer* SmartTimer = nullptr;

 private:
  void SmartTimerTimerEvent(TObject* Sender, bool BlinkHigh);

  double FTestValue = -10;
};
