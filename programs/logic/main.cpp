// Pulsaric: the logic analyzer display.

#include "library/foundation/frame.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "programs/logic/loginfo.h"
#include "programs/logic/logini.h"
#include "programs/logic/logmain.h"
#include "programs/logic/scan.h"

int main() {
  Application->Initialize();
  InitOrvaneUnit();
  // Framed buttons report a toggle's click at the press; chosen before any form exists.
  FrameClickRule = TFrameClickRule::ClickAtToggle;
  Application->SetTitle(kLogicCaption);
  Application->CreateForm(LogAna);
  Setup = new TSetup(Application, LogAna->Display);
  Application->CreateForm(Loginfo::AboutBox);
  BufferFill = new TBufferFill(Application, LogAna->Display);
  Application->Run();
  ExitOrvaneUnit();
  return 0;
}
