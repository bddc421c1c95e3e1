#include "library/controls/tasten/groupbutton.h"

TGroupButton::TGroupButton(TComponent* AOwner) : TRahmen(AOwner) {}

void TGroupButton::SetDown(bool Value) {
  const bool was = Status();
  if (Value == was) return;
  SetStatus(Value);
  DrawDownState();
  if (Status() != was) NotifyGroup();
}

void TGroupButton::NotifyGroup() {
  if (Status()) ::NotifyGroup(*this, FGroupIndex);
}

bool TGroupButton::PressRefused() const {
  if (FGroupIndex == 0 || Parent() == nullptr || FAllowAllUp || !Status()) return false;
  return OtherGroupMembers(Parent(), *this, FGroupIndex,
                           [this](const TComponent& c) { return IsOwnClass(c); }) > 0;
}

void TGroupButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (PressRefused()) return;
  TRahmen::MouseDown(Button, Shift, X, Y);
  DrawPressState();
  NotifyGroup();
}

void TGroupButton::WndProc(TMessage& Message) {
  if (Message.Msg == CM_BUTTONPRESSED) {
    if (ReleasedByNotice(Message, *this, FGroupIndex)) SetDown(false);
    return;
  }
  TRahmen::WndProc(Message);
}
