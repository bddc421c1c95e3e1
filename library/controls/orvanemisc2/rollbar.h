#pragma once
// TRollBar: a panel with a caption bar that rolls up to the bar alone and down to HeightMax, like
// a window shade. The bar carries the speed buttons X (close: hides the panel), D (roll down),
// U (roll up) and M (the panel's menu; hidden while the panel has none) and the caption. With
// CanMove the panel can be dragged by its caption bar.

#include <string>

#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/extctrls.h"

enum trRollSpeed { trImmediate, trFast, trMedium, trSlow };

class TRollBar : public TCustomPanel {
 public:
  explicit TRollBar(TComponent* AOwner);

  // The text in the caption bar (the panel's own caption stays empty).
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  TColor ColCaptBack() const { return FColCaptBack; }
  void SetColCaptBack(TColor Value);
  TColor ColCaption() const { return FColCaption; }
  void SetColCaption(TColor Value);
  // True: rolled down to HeightMax. Before the first painting only stored; the painting rolls.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  // Height of the caption bar, 13..20; captions are bold from 16 up.
  int CapHeight() const { return FCapHeight; }
  void SetCapHeight(int Value);
  // The rolled-down height; never below the rolled-up height.
  int HeightMax() const { return FHeightMax; }
  void SetHeightMax(int Value);
  trRollSpeed RollSpeed() const { return FRollSpeed; }
  void SetRollSpeed(trRollSpeed Value);
  bool CanClose() const { return FCanClose; }
  void SetCanClose(bool Value);
  bool CanRoll() const { return FCanRoll; }
  void SetCanRoll(bool Value);
  bool CanMove() const { return FCanMove; }
  void SetCanMove(bool Value) { FCanMove = Value; }

  // The height of the rolled-up panel: the caption bar inside the panel's bevels and border.
  int MinHeight() const;
  // Roll up to the caption bar, or down to HeightMax (which also brings the panel to the front),
  // in steps of the roll speed.
  void RollUp();
  void RollDown();

  // Fired after a click on U or D has rolled the panel, and after X has hidden it.
  TNotifyEvent OnUpDown;
  TNotifyEvent OnClose;

  TSpeedButton* CloseButton() const { return FBtnX; }
  TSpeedButton* RollDownButton() const { return FBtnD; }
  TSpeedButton* RollUpButton() const { return FBtnU; }

 protected:
  void Paint() override;

 private:
  void Layout();
  void DrawCaption();
  void Roll(bool ToDown);
  void CaptionMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  void CaptionMouseMove(TShiftState Shift, int X, int Y);
  void CaptionMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  TSpeedButton* MakeButton(const std::string& Caption, const std::string& Hint,
                           void (TRollBar::*Handler)());
  void CloseClick();
  void RollDownClick();
  void RollUpClick();
  void MenuClick() {}

  bool FPainted = false;
  bool FRolling = false;
  TRect FCaptionRect;
  int FButtonSize = 16;
  int FRollStep = 0;
  bool FDragging = false;
  TSpeedButton* FBtnX;
  TSpeedButton* FBtnD;
  TSpeedButton* FBtnU;
  TSpeedButton* FBtnM;
  TPoint FLastMouse;
  bool FCanClose = true;
  bool FCanRoll = true;
  bool FCanMove = false;
  TColor FColCaptBack = 0x000080;
  TColor FColCaption = 0x00FFFF;
  std::string FCaption = "RollBar";
  bool FDown = true;
  trRollSpeed FRollSpeed = trImmediate;
  int FCapHeight = 18;
  int FHeightMax = 145;
};
