#pragma once
// The logic program's about box: its names, a help text shown on request, OK and Info. Its
// unit's name keeps it apart from the component demo's about box of the same name.

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/stdctrls.h"

namespace Loginfo {

class TAboutBox : public TForm {
 public:
  explicit TAboutBox(TComponent* AOwner);

  TPanel* Panel1;
  TLabel* ProductName;
  TMemo* HilfeText;
  TBitBtn* OKButton;
  TBitBtn* BitBtn1;

  // Hides the help text and closes.
  void OKButtonClick(TObject* Sender);
  // Shows the help text.
  void BitBtn1Click(TObject* Sender);
};

extern TAboutBox* AboutBox;

}  // namespace Loginfo
