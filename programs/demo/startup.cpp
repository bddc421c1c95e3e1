#include "programs/demo/startup.h"

#include "library/controls/sysctrl/sysinfo.h"
#include "library/foundation/tickservice.h"
#include "programs/demo/magiceyestate.h"

void StartDemoUnits() {
  InitOrvaneUnit();
  MagicEyeDemoInit();
  SysCtrlInit();
}

void StopDemoUnits() { ExitOrvaneUnit(); }
