#pragma once
// The logic program's about box: its names, a help text shown on request, OK and Info. Its
// unit's name keeps it apart from the component demo's about box of the same name.

#include "programs/common/infobox.h"

namespace Loginfo {

class TAboutBox : public TInfoBox {
 public:
  explicit TAboutBox(TComponent* AOwner);

  TBitBtn* BitBtn1;  // the Info button
};

extern TAboutBox* AboutBox;

}  // namespace Loginfo
