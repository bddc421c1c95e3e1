#pragma once
// The about box: the program's icon and names, a help text shown on request, OK and Info.

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/stdctrls.h"

class TAboutBox : public TForm {
 public:
  explicit TAboutBox(TComponent* AOwner);

  TPanel* Panel1;
  TImage* ProgramIcon;
  TLabel* ProductName;
  TMemo* HilfeText;
  TBitBtn* OKButton;
  TBitBtn* InfoBtn;

  void OKButtonClick(TObject* Sender);
  void InfoBtnClick(TObject* Sender);
};

extern TAboutBox* AboutBox;
