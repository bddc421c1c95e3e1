#include "library/controls/orvanebits/scrnsavectrl.h"

#include <algorithm>
#include <vector>

#include "platform/devices/screensaver.h"

namespace {

// The live components in the order they were made. Each saved what the ones before it had set,
// so one freed before a later one hands its saved settings on instead of restoring them: the
// system always ends with what the first one found.
std::vector<TScrnSaveCtrl*>& Live() {
  static std::vector<TScrnSaveCtrl*> live;
  return live;
}

}  // namespace

TScrnSaveCtrl::TScrnSaveCtrl(TComponent* AOwner) : TComponent(AOwner) {
  ScreenSaverGetActive(&FSavedActive);
  ScreenSaverGetTimeout(&FSavedTimeOut);
  Live().push_back(this);
}

TScrnSaveCtrl::~TScrnSaveCtrl() {
  auto& live = Live();
  const auto self = std::find(live.begin(), live.end(), this);
  const auto next = self + 1;
  if (next != live.end()) {
    (*next)->FSavedActive = FSavedActive;
    (*next)->FSavedTimeOut = FSavedTimeOut;
    live.erase(self);
    return;
  }
  live.erase(self);
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
