#include "library/foundation/frame.h"

TOrvaneBase::TOrvaneBase(TComponent* AOwner)
    : TFrameControl(AOwner),
      WorkBitmap(std::make_unique<TBitmap>()),
      FrameBitmap(std::make_unique<TBitmap>()) {}

TOrvaneBase::~TOrvaneBase() = default;

void TOrvaneBase::PrepareFrame() {
  WorkBitmap->SetSize(Width(), Height());
  FrameBitmap->SetSize(Width(), Height());
}

void TOrvaneBase::ReleaseWithoutStyle() {
  if (FDown) DrawDown(false);
}
