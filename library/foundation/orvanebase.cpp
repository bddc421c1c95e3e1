#include <algorithm>

#include "library/foundation/frame.h"

TOrvaneBase::TOrvaneBase(TComponent* AOwner)
    : TFrameControl(AOwner),
      WorkBitmap(std::make_unique<TBitmap>()),
      FrameBitmap(std::make_unique<TBitmap>()) {}

TOrvaneBase::~TOrvaneBase() = default;

void TOrvaneBase::PrepareFrame() {
  // A control too big for a bitmap keeps empty images (drawing on them does nothing), as its
  // screen image does.
  int w = std::min(Width(), TBitmap::kMaxDimension);
  int h = std::min(Height(), TBitmap::kMaxDimension);
  if (static_cast<long long>(w) * h > TBitmap::kMaxPixels) w = h = 0;
  WorkBitmap->SetSize(w, h);
  FrameBitmap->SetSize(w, h);
}

void TOrvaneBase::ReleaseWithoutStyle() {
  if (FDown) DrawDown(false);
}
