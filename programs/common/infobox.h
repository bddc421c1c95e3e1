#pragma once
// The programs' about box: a sunken panel with the product's name and four lines, a help text
// that covers the panel on request, OK and Info. Each program gives its texts and widths.

#include <functional>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/stdctrls.h"

struct TInfoLine {
  const char* Name;
  const char* Text;  // UTF-8
  int Left, Top;
};

struct TInfoBoxText {
  int ClientWidth;
  const char* Product;
  int ProductLeft, ProductWidth;
  std::vector<TInfoLine> Lines;
  int LineWidth;
  const char* Help;            // UTF-8
  const char* InfoButtonName;  // the Info button's component name
};

class TInfoBox : public TForm {
 public:
  TPanel* Panel1;
  TLabel* ProductName;
  TMemo* HilfeText;
  TBitBtn* OKButton;
  TBitBtn* InfoButton;

  // Hides the help text and closes.
  void OKButtonClick(TObject* Sender);
  // Shows the help text.
  void InfoButtonClick(TObject* Sender);

 protected:
  // AddMore puts a program's own controls on the panel while the form is still being read.
  TInfoBox(TComponent* AOwner, const TInfoBoxText& Text,
           const std::function<void(TFormLoader&, TPanel*)>& AddMore = {});
};
