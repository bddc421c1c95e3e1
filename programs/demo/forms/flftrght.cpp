#include "programs/demo/forms/flftrght.h"

TLeftRightDemo::TLeftRightDemo(TComponent* AOwner) : TDemoForm(AOwner, "TLeftRightDemo") {
  TFormLoader loader(this);

  LeftRightBtn = loader.Add<TLeftRightT>("LeftRightBtn");
  LeftRightBtn->SetBounds(8, 8, 112, 60);
  LeftRightBtn->SetColorLeft(clLime);
  LeftRightBtn->SetColorRight(clRed);
  LeftRightBtn->SetButton('r');
  LeftRightBtn->SetAllowAllUp(true);
  LeftRightBtn->SetLockMode(false);
  LeftRightBtn->SetRepSpeed(0);

  // Up to the height at which the pad still leaves the column beside it free.
  SizeBar = loader.Add<TScrollBar>("SizeBar");
  SizeBar->SetBounds(8, 112, 184, 17);
  SizeBar->SetMin(25);
  SizeBar->SetMax(96);
  SizeBar->SetPosition(60);
  SizeBar->OnChange = [this](TObject*) { LeftRightBtn->SetHeight(SizeBar->Position()); };

  Inputs = AddPadInputs(loader, LeftRightBtn, 218, 8, "off");
  AddCloser(loader, 336, 204);
  loader.Finish();
}
