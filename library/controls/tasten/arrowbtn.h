#pragma once
// TArrowBtn: a square button with a symbol (an arrow in four directions, a circle or a square)
// lit by the LED colour rule. Its own push, toggle and locked modes replace the frame's button
// model; it repeats OnDown while held, its symbol can blink, and it joins radio groups.
//
// It composes the static frame image and the button in WorkBitmap and copies that to the screen.

#include "library/controls/tasten/buttongroup.h"
#include "library/controls/tasten/tickrecord.h"
#include "library/foundation/frame.h"
#include "library/foundation/types.h"

class TArrowBtn : public TOrvaneBase, public TGroupMember {
 public:
  explicit TArrowBtn(TComponent* AOwner);

  // tbmPush: down while held. tbmPushPull: each click latches or unlatches. tbmLocked: latches
  // like a toggle alone, and stays down when clicked again in a group.
  TBtnMode ButtonMode() const { return FButtonMode; }
  void SetButtonMode(TBtnMode Value) { FButtonMode = Value; }
  // Pressed and latched together. Every change notifies the group, also to False: the other
  // arrow buttons of the group then come up as well.
  bool Down() const { return FPressed; }
  void SetDown(bool Value);
  // The setters below redraw the button when the value changed.
  TArrBtnShape Shape() const { return FShape; }
  void SetShape(TArrBtnShape Value);
  // Where the arrow points.
  TOrientType Orientation() const { return FOrientation; }
  void SetOrientation(TOrientType Value);
  // The symbol is lit while ShapeOn differs from ShapeBlink AND the blink phase.
  bool ShapeOn() const { return FShapeOn; }
  void SetShapeOn(bool Value);
  bool ShapeBlink() const { return FShapeBlink; }
  void SetShapeBlink(bool Value);
  // Symbol colour while released and while pressed.
  TColor ColorUp() const { return FColorUp; }
  void SetColorUp(TColor Value);
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor Value);
  TColor ColorButton() const { return FColorButton; }
  void SetColorButton(TColor Value);
  // Period of the auto-repeat in ms (taken mod 2001); below 50 there is none.
  int RepSpeed() const { return FRepSpeed; }
  void SetRepSpeed(int Value) { FRepSpeed = Value; }

  int GroupIndex() const override { return FGroupIndex; }
  // Clamped to 0..255.
  void SetGroupIndex(int Value) { FGroupIndex = ClampGroupIndex(Value); }
  bool GroupDown() const override { return FPressed; }

 protected:
  void Paint() override;
  // Any mouse button, only while enabled: pressed, the group notified, OnClick, OnDown in push
  // mode, and the repeat armed.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // The mode's release rule (another one while the parent owns more arrow buttons of the group),
  // then OnDown when latched, else OnUp.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // CM_BUTTONPRESSED from another member of the group releases the button, whatever the
  // sender's state; CM_ENABLEDCHANGED redraws in the disabled colour.
  void WndProc(TMessage& Message) override;

 private:
  template <class T>
  void StoreAndDraw(T& Field, T Value);
  // Whether the parent owns this and at least one more arrow button of the group.
  bool Grouped() const;
  // Frame image, button and symbol into WorkBitmap, then onto the screen.
  void DrawButton();
  void DrawSymbol(TCanvas& C, const TRect& R);
  void BlinkTick();
  void RepeatTick();

  int FRepSpeed = 0;
  TBtnMode FButtonMode = tbmPush;
  bool FPressed = false;
  bool FLatched = false;
  TColor FColorUp = clLime;
  TColor FColorDown = clRed;
  TColor FColorButton = clSilver;
  TOrientType FOrientation = orTop;
  int FGroupIndex = 0;
  TArrBtnShape FShape = taArrow;
  bool FShapeBlink = false;
  bool FShapeOn = true;
  bool FPhase = false;
  TRect FButtonRect;
  bool FPainted = false;
  TTickRecord FBlink;
  TTickRecord FRepeat;
};
