#include "library/foundation/segments.h"
#include "library/foundation/systemtick.h"
#include "library/foundation/tickservice.h"
#include "platform/base/exceptions.h"
#include "platform/base/sysutils.h"

void InitOrvaneUnit() {
  ShortDateFormat = "dd.mm.yy";
  DecimalSeparator = '.';
  BuildSegmentTables();
  TickServiceStartup();
  if (!StartSystemTickTimer()) {
    throw EOutOfResources("Nicht gen\xfcgend Timer verf\xfcgbar");
  }
}

void ExitOrvaneUnit() {
  StopSystemTickTimer();
  TickServiceShutdown();
}
