#pragma once
// The curve program's about box: the program's and the maker's names, a help text shown on
// request, OK and Info.

#include "programs/common/infobox.h"

// The curve program's own unit: the other programs have about boxes of the same name.
namespace Curvinfo {

class TAboutBox : public TInfoBox {
 public:
  explicit TAboutBox(TComponent* AOwner);

  TBitBtn* BitBtn1;  // the Info button
};

extern TAboutBox* AboutBox;

}  // namespace Curvinfo
