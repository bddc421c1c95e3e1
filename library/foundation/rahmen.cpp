#include "library/foundation/frame.h"

TRahmen::TRahmen(TComponent* AOwner) : TFrameControl(AOwner) {}

void TRahmen::SetColBtnBord(TColor Value) { StoreAndRepaint(FColBtnBord, Value); }
void TRahmen::SetButtonStyle(TTastStyle Value) { StoreAndRepaint(FButtonStyle, Value); }
void TRahmen::SetFramed(bool Value) { StoreAndRepaint(FFramed, Value); }

void TRahmen::SetStatus(bool Value) {
  if (FButtonStyle != tsPushPull && ComponentState().Empty()) return;
  FDown = Value;
  DrawDown(Value);
}
