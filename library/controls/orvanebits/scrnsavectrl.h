#pragma once
// TScrnSaveCtrl: switches the screen saver on or off and sets its time-out while the program
// runs; the settings found at creation are put back when the component is freed. Changes are
// never made permanent.

#include "platform/forms/component.h"

class TScrnSaveCtrl : public TComponent {
 public:
  // Saves the current screen-saver settings (before any stored property is applied).
  explicit TScrnSaveCtrl(TComponent* AOwner);
  // Restores the saved activity, then the saved time-out (not at design time). While a component
  // made later still lives, that one takes the saved settings over and restores them instead.
  ~TScrnSaveCtrl() override;

  // Read: the value last set here, not the system's current setting.
  bool SaverEnable() const { return FSaverEnable; }
  void SetSaverEnable(bool Value);
  // Seconds. The system refuses values below 1 and keeps its time-out then.
  int SaverTimeOut() const { return FSaverTimeOut; }
  void SetSaverTimeOut(int Value);

 private:
  bool FSaverEnable = false;
  int FSaverTimeOut = 0;
  int FSavedActive = 0;
  int FSavedTimeOut = 0;
};
