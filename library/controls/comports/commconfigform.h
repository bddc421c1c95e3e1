#pragma once
// The form of the port configuration dialog: one choice per line setting, OK and Cancel.

#include <string>

#include "platform/devices/serial.h"
#include "platform/forms/forms.h"

class TButton;
class TComboBox;
class TLabel;

class TCommConfigForm : public TForm {
 public:
  // Titled with the port's name.
  TCommConfigForm(TComponent* AOwner, const std::string& PortName);

  // Shows the settings of Dcb in the choices.
  void ShowSettings(const DCB& Dcb);
  // Puts the chosen settings into Dcb. False (Dcb unchanged) when the typed rate is no number
  // the port component takes (75..115000).
  bool TakeSettings(DCB& Dcb) const;

  TComboBox* BaudBox = nullptr;
  TComboBox* DataBitsBox = nullptr;
  TComboBox* ParityBox = nullptr;
  TComboBox* StopBitsBox = nullptr;
  TComboBox* FlowBox = nullptr;
  TButton* OkButton = nullptr;
  TButton* CancelButton = nullptr;
};
