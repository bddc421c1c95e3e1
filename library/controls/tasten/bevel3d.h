#pragma once
// TBevel3D: a framed plate with an optional caption field (a coloured rectangle with one caption,
// or a second one while the button is down), with word wrap, a 3D bevel and a blinking text. A
// label plate, a push or toggle button, and a radio-group member.

#include <string>

#include "library/controls/tasten/groupbutton.h"
#include "library/controls/tasten/tickrecord.h"
#include "library/foundation/types.h"

class TBevel3D : public TGroupButton {
 public:
  explicit TBevel3D(TComponent* AOwner);

  // Setters repaint the whole control unless said otherwise.
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  // Shown instead of Caption while the button is down, when not empty.
  const std::string& Caption1() const { return FCaption1; }
  void SetCaption1(const std::string& Value);
  // The colour setters redraw only the caption field.
  TColor ColCaption() const { return FColCaption; }
  void SetColCaption(TColor Value);
  TColor ColCaption1() const { return FColCaption1; }
  void SetColCaption1(TColor Value);
  // A silver field fills the whole inner area; any other colour leaves a 4 % margin.
  TColor ColCaptBack() const { return FColCaptBack; }
  void SetColCaptBack(TColor Value);
  // Without it no caption field is drawn.
  bool CaptEnable() const { return FCaptEnable; }
  void SetCaptEnable(bool Value);
  TPanelBevel CaptBevel() const { return FCaptBevel; }
  void SetCaptBevel(TPanelBevel Value);
  TTextStyle TextAdjust() const { return FTextAdjust; }
  void SetTextAdjust(TTextStyle Value);
  // Switching it on switches FontAutom off; a paint with both on switches it off again.
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // The caption text shows in the high blink phase and vanishes in the low one.
  bool CaptBlink() const { return FCaptBlink; }
  void SetCaptBlink(bool Value);

  // Draws the caption field, with its text or only its background; nothing before the first
  // paint or without CaptEnable. Forms that change a caption's look themselves call it.
  void DrawCaption(bool WithText);

 protected:
  bool IsOwnClass(const TComponent& Other) const override;
  void DrawDownState() override { DrawCaption(true); }
  void DrawPressState() override { DrawCaption(true); }
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // WM_USER carries the blink step: WParam non-zero shows the text, 0 only the field.
  void WndProc(TMessage& Message) override;

 private:
  // Caption1 shows instead of Caption now.
  bool ShowsCaption1() const { return Down() && !FCaption1.empty(); }
  void DrawLine(const TRect& Band, const std::string& Line);
  // The caption's font: the control's, in the height the last paint fitted.
  void SetCaptionFont(TCanvas& Canvas) const;
  void BlinkTick();

  std::string FCaption;
  std::string FCaption1;
  TTextStyle FTextAdjust = ttCenter;
  TColor FColCaption = clBlack;
  TColor FColCaption1 = clBlack;
  TColor FColCaptBack = clBlue;
  bool FCaptEnable = false;
  bool FCaptBlink = false;
  bool FWordWrap = false;
  TPanelBevel FCaptBevel = bvNone;
  TRect FCaptionRect;
  int FCaptionFontHeight = 0;
  bool FPainted = false;
  TTickRecord FBlink;
};
