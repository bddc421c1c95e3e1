// Wavorine: the curve editor.

#include "library/controls/sysctrl/sysinfo.h"
#include "library/foundation/frame.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "programs/curves/curvinfo.h"

using Curvinfo::AboutBox;
using Curvinfo::TAboutBox;
#include "programs/curves/curvmain.h"

int main() {
  // Toggle buttons report their click at the press; chosen before any form exists.
  FrameClickRule = TFrameClickRule::ClickAtToggle;
  Application->Initialize();
  InitOrvaneUnit();
  SysCtrlInit();
  Application->SetTitle("Wavorine Demo");
  Application->CreateForm(curvForm);
  Application->CreateForm(AboutBox);
  Application->Run();
  ExitOrvaneUnit();
  return 0;
}
