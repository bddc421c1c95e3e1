#pragma once
// The curve program's about box: the program's and the maker's names, a help text shown on
// request, OK and Info.

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/stdctrls.h"

// The curve program's own unit: the other programs have about boxes of the same name.
namespace Curvinfo {

class TAboutBox : public TForm {
 public:
  explicit TAboutBox(TComponent* AOwner);

  TPanel* Panel1;
  TLabel* ProductName;
  TMemo* HilfeText;
  TBitBtn* OKButton;
  TBitBtn* BitBtn1;

  // Hides the help text and closes the box.
  void OKButtonClick(TObject* Sender);
  // Shows the help text.
  void BitBtn1Click(TObject* Sender);
};

extern TAboutBox* AboutBox;

}  // namespace Curvinfo
