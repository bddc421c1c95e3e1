#pragma once
// The bitmap strip demo: strips stepped by a timer, strips that run their animation once when
// clicked, four strip buttons of one radio group stepped by their clicks, and a blinking close
// button.

#include <array>

#include "library/controls/orvanemisc2/rotlabel.h"
#include "library/controls/tasten/multibmp.h"
#include "library/foundation/smarttimer.h"
#include "programs/demo/demoform.h"

class TMultiBmpDemo : public TDemoForm {
 public:
  explicit TMultiBmpDemo(TComponent* AOwner);

  TMultiBmp* Dog;
  TMultiBmp* Dogv;
  TMultiBmp* Monkey;
  TMultiBmp* Rose;
  TMultiBmp* Rocket;
  TMultiBmp* Jet;
  TMultiBmp* Car;
  std::array<TMultiBmp*, 4> MultiBmp{};  // MultiBmp1 .. MultiBmp4
  TMultiBmp* CloseBtn;
  TRotLabel* RotLabel1;
  TSmartTimer* SmartTimer1;

  // The timer's event: the running strips show their next frame.
  void SmartTimer1TimerEvent(TObject* Sender, bool BlinkHigh);
};

// The next frame of a strip, from the last back to the first.
void StepGlyph(TMultiBmp& Strip);
