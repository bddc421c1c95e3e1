#pragma once
// The help form of the serial-port demo: a text about the port component and an OK button.

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/stdctrls.h"

class TComPortHelp : public TForm {
 public:
  explicit TComPortHelp(TComponent* AOwner);
  ~TComPortHelp() override;

  TMemo* Memo1;
  TBitBtn* BitBtn1;
};

// The help form while it is shown; nullptr otherwise.
extern TComPortHelp* ComPortHelp;
