#pragma once
// The frame-based button of a radio group (bevel, LED, picture and bitmap buttons): its Down state
// is the frame's button state, and it joins a group through GroupIndex (see buttongroup.h).
//
// A descendant answers IsOwnClass (the class the press refusal counts) and redraws what shows its
// state in DrawDownState/DrawPressState. It keeps the frame's mouse-up rule, and calls
// TGroupButton::MouseDown and TGroupButton::WndProc from its own overrides, if it has any.

#include "library/controls/tasten/buttongroup.h"
#include "library/foundation/frame.h"

class TGroupButton : public TRahmen, public TGroupMember {
 public:
  explicit TGroupButton(TComponent* AOwner);

  bool Down() const { return Status(); }
  // When the value differs from the state: the frame's status setter (which takes it only for a
  // toggle button, or while the component is loaded), DrawDownState, and, when the button really
  // went down, the group is notified. So a push button cannot be put down or up by a program,
  // and only toggle buttons are released by their group.
  void SetDown(bool Value);

  int GroupIndex() const override { return FGroupIndex; }
  // Clamped to 0..255; nothing is redrawn.
  void SetGroupIndex(int Value) { FGroupIndex = ClampGroupIndex(Value); }
  // While set, a down member can be clicked up even in a group.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }

  bool GroupDown() const override { return Status(); }

 protected:
  // Whether Other is of this button's class or derives from it.
  virtual bool IsOwnClass(const TComponent& Other) const = 0;
  // Redraws what shows the state, after the Down setter.
  virtual void DrawDownState() {}
  // Redraws what shows the state, after a press and before the group hears of it.
  virtual void DrawPressState() {}

  // Sends the group notice while the button is down.
  void NotifyGroup();
  // A press on a down, grouped button (without AllowAllUp) is refused while its parent owns
  // another member of its class with its group index. Buttons on a panel that the form owns are
  // therefore never refused: the panel owns none.
  bool PressRefused() const;

  // Any mouse button: the refusal; else the frame's rule, DrawPressState and the notice.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // CM_BUTTONPRESSED from another down member of the group releases the button (no event).
  void WndProc(TMessage& Message) override;

 private:
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
};
