#include "library/controls/orvanebits/scrnsavectrl.h"

#include "platform/devices/screensaver.h"

TScrnSaveCtrl::TScrnSaveCtrl(TComponent* AOwner) : TComponent(AOwner) {
  ScreenSaverGetActive(&FSavedActive);
  ScreenSaverGetTimeout(&FSavedTimeOut);
}

TScrnSaveCtrl::~TScrnSaveCtrl() {
  if (ComponentState().Contains(csDesigning)) return;
  ScreenSaverSetActive(FSavedActive != 0);
  ScreenSaverSetTimeout(FSavedTimeOut);
}

void TScrnSaveCtrl::SetSaverEnable(bool Value) {
  FSaverEnable = Value;
  if (!ComponentState().Contains(csDesigning)) ScreenSaverSetActive(Value);
}

void TScrnSaveCtrl::SetSaverTimeOut(int Value) {
  FSaverTimeOut = Value;
  if (!ComponentState().Contains(csDesigning)) ScreenSaverSetTimeout(Value);
}
