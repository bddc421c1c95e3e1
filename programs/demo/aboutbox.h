#pragma once
// The about box: the program's icon and names, a help text shown on request, OK and Info.

#include "programs/common/infobox.h"

class TAboutBox : public TInfoBox {
 public:
  explicit TAboutBox(TComponent* AOwner);

  TImage* ProgramIcon;
  TBitBtn* InfoBtn;  // the Info button
};

extern TAboutBox* AboutBox;
