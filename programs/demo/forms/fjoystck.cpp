#include "programs/demo/forms/fjoystck.h"

TJoyStickDemo::TJoyStickDemo(TComponent* AOwner) : TDemoForm(AOwner, "TJoyStickDemo") {
  TFormLoader loader(this);

  JoyStick = loader.Add<TJoyStick>("JoyStick");
  JoyStick->SetBounds(8, 8, 190, 190);
  JoyStick->SetColorMain(clRed);
  JoyStick->SetColorSek(clBlue);
  JoyStick->SetButton('i');
  JoyStick->SetAllowAllUp(true);
  JoyStick->SetLockMode(false);
  JoyStick->SetRepSpeed(0);

  HeightBar = loader.Add<TScrollBar>("HeightBar");
  HeightBar->SetKind(sbVertical);
  HeightBar->SetBounds(202, 8, 17, 190);
  HeightBar->SetMin(60);
  HeightBar->SetMax(190);
  HeightBar->SetPosition(190);
  HeightBar->OnChange = [this](TObject*) { JoyStick->SetWidth(HeightBar->Position()); };

  Inputs = AddPadInputs(loader, JoyStick, 226, 8, "off");
  AddCloser(loader, 344, 218);
  loader.Finish();
}
