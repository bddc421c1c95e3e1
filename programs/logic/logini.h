#pragma once
// The setup dialog: display colours from a colour grid (set live), the 32 channel names, the
// display layout and the print options. Unless closed with OK, it puts back everything it
// changed.

#include <array>

#include "library/controls/tasten/bevel3d.h"
#include "library/controls/tasten/spin.h"
#include "platform/base/stringlist.h"
#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/colorgrd.h"
#include "platform/forms/stdctrls/dialogs.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "programs/logic/logic.h"

class TSetup : public TForm {
 public:
  // Works on Target (the main form's display).
  TSetup(TComponent* AOwner, TLogic* Target);

  TColorGrid* ColorGrid;
  TRadioGroup* FarbWahl;
  TTextSpin* KanalWahl;
  TEdit* KanalEdit;
  TButton* NameStore;
  TBevel3D* Bevel3D1;
  TTextSpin* DispTyp;
  TRadioGroup* PrSelect;
  TRadioGroup* PrZoom;
  TButton* PrSetup;
  TButton* StoreBtn;
  TButton* CancelBtn;
  TPrinterSetupDialog* PrinterSetupDialog1;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void ColorGridClick(TObject* Sender);
  void KanalWahlChange(TObject* Sender);
  void NameStoreClick(TObject* Sender);
  void DispTypChange(TObject* Sender);
  void PrSetupClick(TObject* Sender);
  void StoreBtnClick(TObject* Sender);
  void CancelBtnClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

 private:
  TLogic* FDisplay;
  std::array<TColor, 8> FColours{};
  TStringList FNames;
  tdispType FDisplayTyp = complete;
  bool FRestore = false;
};

extern TSetup* Setup;
