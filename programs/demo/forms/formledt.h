#pragma once
// The LED push button demo: one LED button whose bevels, caption type, switch function, LED shape,
// colour and action are chosen on the form, four LED buttons that follow the action in pairs, and
// a running light of four more on a blinking timer.

#include <array>

#include "library/controls/tasten/ledbutton.h"
#include "library/foundation/smarttimer.h"
#include "programs/demo/demoform.h"

class TLedTastDemo : public TDemoForm {
 public:
  explicit TLedTastDemo(TComponent* AOwner);

  TLedButton* LedTaste1;
  std::array<TLedButton*, 4> Led{};     // Led1 .. Led4
  std::array<TLedButton*, 4> LedBar{};  // LedBar1 .. LedBar4
  TEdit* Edit1;
  TEdit* Edit2;
  TRadioGroup* SelBevelOut;
  TRadioGroup* SelBevelIn;
  TRadioGroup* SelTexte;
  TRadioGroup* SelSchalter;
  TRadioGroup* SelLedTyp;
  TRadioGroup* SelLedAction;
  TRadioGroup* SelLedColor;
  TSmartTimer* Timer1;

  // One step of the running light (the timer's event).
  void Timer1TimerEvent(TObject* Sender, bool BlinkHigh);

 private:
  void ApplyLedAction(const TLedSetting& Action);
  void SelTexteClick();

  // Steps of the running light: 0..3 toggle a bar, anything else is the pause.
  int FRunStep = -1;
};
