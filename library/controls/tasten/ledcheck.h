#pragma once
// TLedCheck: a small LED in a bevelled socket with a caption beside, above or below it. By
// CheckMode it is a plain indicator (lcNone), a momentary LED button (lcButton), a check box
// (lcCheckBox) or a radio button of a group (lcRadioBtn). Its checked state is the frame's down
// state.

#include <string>

#include "library/controls/tasten/buttongroup.h"
#include "library/controls/tasten/tickrecord.h"
#include "library/foundation/frame.h"
#include "library/foundation/types.h"

class TLedCheck : public TRahmen, public TGroupMember {
 public:
  explicit TLedCheck(TComponent* AOwner);

  // Sets the frame's button style: none, push, or toggle for check boxes and radio buttons.
  TCheckMode CheckMode() const { return FCheckMode; }
  void SetCheckMode(TCheckMode Value);
  // Stored whatever the mode; LED and caption are redrawn and a radio button notifies its group.
  bool Checked() const { return FDown; }
  void SetChecked(bool Value);
  TColor LedCol() const { return FLedCol; }
  void SetLedCol(TColor Value);
  TLedShape LedShape() const { return FLedShape; }
  void SetLedShape(TLedShape Value);
  // The LED's radius in pixels, 6..30.
  int LedSize() const { return FLedSize; }
  void SetLedSize(int Value);
  TPanelBevel LedBevel() const { return FLedBevel; }
  void SetLedBevel(TPanelBevel Value);
  // A checked LED blinks: lit in the high blink phase, unlit in the low one.
  bool LedBlink() const { return FLedBlink; }
  void SetLedBlink(bool Value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  // Shown instead of Caption while checked, when not empty.
  const std::string& Caption1() const { return FCaption1; }
  void SetCaption1(const std::string& Value);
  TColor CaptionCol() const { return FCaptionCol; }
  void SetCaptionCol(TColor Value);
  TColor CaptionCol1() const { return FCaptionCol1; }
  void SetCaptionCol1(TColor Value);
  // A frame around the caption always (CaptFrame) or only while checked (CaptAutoFrm); switching
  // one on switches the other off.
  bool CaptFrame() const { return FCaptFrame; }
  void SetCaptFrame(bool Value);
  bool CaptAutoFrm() const { return FCaptAutoFrm; }
  void SetCaptAutoFrm(bool Value);
  TColor CaptFrmCol() const { return FCaptFrmCol; }
  void SetCaptFrmCol(TColor Value);
  // Where the caption stands relative to the LED.
  TOrientType CaptPos() const { return FCaptPos; }
  void SetCaptPos(TOrientType Value);

  int GroupIndex() const override { return FGroupIndex; }
  // Negative values become 0; there is no upper bound.
  void SetGroupIndex(int Value);
  bool GroupDown() const override { return FDown; }

 protected:
  void Paint() override;
  // Any mouse button. A checked radio button of a group is refused while its owner owns another
  // LED check box of the group; otherwise the new state shows at the press already.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // CM_BUTTONPRESSED (radio buttons only), CM_ENABLEDCHANGED, WM_SIZE (a minimum size for the LED).
  void WndProc(TMessage& Message) override;

 private:
  void DrawLed(bool Lit);
  void DrawCaption(bool State);
  void NotifyGroup();
  bool IsRadioMember() const;
  void BlinkTick();

  bool FLedBlink = false;
  TLedShape FLedShape = ledCircle;
  TColor FLedCol = clRed;
  int FLedSize = 8;
  TPanelBevel FLedBevel = bvRaised;
  bool FCaptFrame = false;
  bool FCaptAutoFrm = false;
  TColor FCaptionCol = clBlack;
  TColor FCaptFrmCol = clBlack;
  TColor FCaptionCol1 = clBlack;
  std::string FCaption;
  std::string FCaption1;
  int FGroupIndex = 0;
  TOrientType FCaptPos = orRight;
  TCheckMode FCheckMode = lcNone;
  bool FPainted = false;
  TRect FLedRect;
  TPoint FCentre;
  int FRadius = 0;
  TRect FCaptionRect;
  TTickRecord FBlink;
};
