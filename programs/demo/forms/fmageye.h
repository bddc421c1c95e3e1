#pragma once
// The level indicator's demo form: Magic shows the stretch set by two rotary potentiometers;
// twelve small indicators show a sine wave that travels on as long as the program runs.

#include <vector>

#include "library/foundation/smarttimer.h"
#include "library/instruments/instrect/instrect.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TMagicEyeDemo : public TDemoForm {
 public:
  explicit TMagicEyeDemo(TComponent* AOwner);

  TMagicEye* Magic = nullptr;
  std::vector<TMagicEye*> MagicEyes;  // MagicEye1..MagicEye12
  TPoti270* PotiStart = nullptr;
  TPoti270* PotiEnd = nullptr;
  TRadioGroup* SelBevelOut = nullptr;
  TRadioGroup* SelBevelIn = nullptr;
  TRadioGroup* SelBackCol = nullptr;
  TRadioGroup* SelBarCol = nullptr;
  TRadioGroup* SelInvCol = nullptr;
  TButton* PrintBtn = nullptr;
  TButton* CloseBtn = nullptr;
  TSmartTimer* SmartTimer = nullptr;

 private:
  void SmartTimerTimerEvent(TObject* Sender, bool BlinkHigh);
};
