#include "programs/demo/forms/fupdown.h"

TUpDownDemo::TUpDownDemo(TComponent* AOwner) : TDemoForm(AOwner, "TUpDownDemo") {
  TFormLoader loader(this);

  UpDownBtn = loader.Add<TUpDownT>("UpDownBtn");
  UpDownBtn->SetBounds(8, 8, 60, 112);
  UpDownBtn->SetColorUp(clAqua);
  UpDownBtn->SetColorDown(clRed);
  UpDownBtn->SetButton('d');
  UpDownBtn->SetAllowAllUp(true);
  UpDownBtn->SetLockMode(false);
  UpDownBtn->SetRepSpeed(0);

  // Up to the width at which the pad, twice as high, still fits the form.
  SizeBar = loader.Add<TScrollBar>("SizeBar");
  SizeBar->SetKind(sbVertical);
  SizeBar->SetBounds(112, 8, 17, 192);
  SizeBar->SetMin(25);
  SizeBar->SetMax(100);
  SizeBar->SetPosition(60);
  SizeBar->OnChange = [this](TObject*) { UpDownBtn->SetWidth(SizeBar->Position()); };

  Inputs = AddPadInputs(loader, UpDownBtn, 136, 8, "Repeat");
  AddCloser(loader, 254, 218);
  loader.Finish();
}
