#pragma once
// The numeric entry demo: an editable field whose accepted value shows as integer and as float
// in two read-only fields, and a read-only field used as a digital instrument for a
// potentiometer.

#include "library/controls/orvanemisc/numedit.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TNumEditDemo : public TDemoForm {
 public:
  explicit TNumEditDemo(TComponent* AOwner);

  TNumEdit* NumEdit1 = nullptr;  // the entry, -100..999.9
  TNumEdit* NumEdit2 = nullptr;  // its integer value
  TNumEdit* NumEdit3 = nullptr;  // its float value
  TNumEdit* NumEdit4 = nullptr;  // the instrument
  TPoti270* Poti2701 = nullptr;
  TCheckBox* EventSel = nullptr;  // "OnChanged"
  TButton* CloseBtn = nullptr;

 private:
  void ShowEntry();
  void ShowPoti();
};
