#pragma once
// The game port demo: both joysticks' positions on edits and bar gauges, their buttons A and B
// on bitmap strips, and LEDs that tell whether the port and each stick answer. Without a
// joystick the port stays disabled and the LEDs red with "?".

#include <array>

#include "library/controls/orvanemisc2/gameport.h"
#include "library/controls/tasten/ledbutton.h"
#include "library/controls/tasten/multibmp.h"
#include "library/instruments/instrect/instrect.h"
#include "programs/demo/demoform.h"

class TGamePortDemo : public TDemoForm {
 public:
  explicit TGamePortDemo(TComponent* AOwner);

  // What the form shows of one stick.
  struct TStickView {
    TEdit* XEdit = nullptr;
    TEdit* YEdit = nullptr;
    TGaugeGp* XGauge = nullptr;
    TGaugeGp* YGauge = nullptr;
    TMultiBmp* ButtonA = nullptr;
    TMultiBmp* ButtonB = nullptr;
  };

  TGamePort* Game;
  std::array<TStickView, 2> Stick;
  TLedButton* PortOkLed;
  TLedButton* StickOkLed1;
  TLedButton* StickOkLed2;

 private:
  void FormShow();
  void Move(const TStickView& View, int X, int Y);
  void ButtonChange(const TStickView& View, TJoyButtonChanged Changed, int Glyph);
};
