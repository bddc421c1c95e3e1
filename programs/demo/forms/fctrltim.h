#pragma once
// The time switch demo: a count-down time switch whose resolution, colours and italic digits are
// chosen on the form, and four lamps that light up blinking when its triggers and its end come.

#include <array>

#include "library/controls/disp7s/ctrltimer.h"
#include "library/controls/tasten/ledcheck.h"
#include "library/controls/tasten/pictbutton.h"
#include "library/controls/tasten/spin.h"
#include "programs/demo/demoform.h"

class TCtrlTimDemo : public TDemoForm {
 public:
  explicit TCtrlTimDemo(TComponent* AOwner);
  ~TCtrlTimDemo() override;

  TCtrlTimer* CtrlTimer;
  TTextSpin* ResSpin;
  TTextSpin* Disp7Scol;
  TTextSpin* DispBgCol;
  TLedCheck* LedCheck1;
  TPictButton* Trigger1;
  TPictButton* Trigger2;
  TPictButton* Trigger3;
  TPictButton* Elapsed;

  void ResSpinChanged(TObject* Sender);

 private:
  void Fired(TPictButton* Lamp, const char* Text);
};

// The instance made at start-up (see startupforms.h); nullptr once it is freed.
extern TCtrlTimDemo* CtrlTimDemo;
