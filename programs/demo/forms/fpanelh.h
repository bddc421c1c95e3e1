#pragma once
// The horizontal panel meter's demo form: Meter follows the slide potentiometer; Meter2 is swung
// by the timer between two values beyond both ends of its range.

#include "library/controls/tasten/bevel3d.h"
#include "library/controls/tasten/ledcheck.h"
#include "library/foundation/smarttimer.h"
#include "library/instruments/instrect/instrect.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TMeterHDemo : public TDemoForm {
 public:
  explicit TMeterHDemo(TComponent* AOwner);

  TMeterPanelH* Meter = nullptr;
  TMeterPanelH* Meter2 = nullptr;
  TPotiSlide* Poti = nullptr;
  TSelectorSlide* SelDamp = nullptr;
  TBevel3D* BevDamp = nullptr;
  TBevel3D* BevValue = nullptr;
  TBevel3D* BevWert = nullptr;
  TRadioGroup* SelModus = nullptr;
  TRadioGroup* SelBackCol = nullptr;
  TRadioGroup* SelSkalaCol = nullptr;
  TRadioGroup* SelZeigerCol = nullptr;
  TRadioGroup* SelTextCol = nullptr;
  TRadioGroup* SelBevelOut = nullptr;
  TRadioGroup* SelBevelIn = nullptr;
  TRadioGroup* SelLeds = nullptr;
  TRadioGroup* SelLed1 = nullptr;
  TRadioGroup* SelLed2 = nullptr;
  TRadioGroup* DragModes = nullptr;
  TLedCheck* PeakReset = nullptr;
  TButton* PrintBtn = nullptr;
  TSmartTimer* SmartTimer = nullptr;

 private:
  void SmartTimerTimerEvent(TObject* Sender, bool BlinkHigh);
  void PeakResetClick();

  // The value the timer gives Meter2 next but one: it toggles between -10 and 60.
  double FTestValue = -10;
};
