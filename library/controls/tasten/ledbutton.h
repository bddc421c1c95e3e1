#pragma once
// TLedButton: a square push or toggle button with a round or rectangular LED and a caption,
// either in a field below the LED or written on it. The LED is lit or dim by LedOn, whatever the
// button state, and can blink in step with the blink phase.

#include "library/controls/tasten/groupbutton.h"
#include "library/controls/tasten/tickrecord.h"
#include "library/foundation/types.h"

class TLedButton : public TGroupButton {
 public:
  explicit TLedButton(TComponent* AOwner);

  // Stored even when unchanged; the LED is redrawn in its state.
  TColor ColLed() const { return FColLed; }
  void SetColLed(TColor Value);
  bool LedOn() const { return FLedOn; }
  void SetLedOn(bool Value);
  // A blinking LED is lit while the blink phase differs from LedOn.
  bool LedBlink() const { return FLedBlink; }
  void SetLedBlink(bool Value);
  TLedShape LedShape() const { return FLedShape; }
  void SetLedShape(TLedShape Value);
  TCaptType CaptType() const { return FCaptType; }
  void SetCaptType(TCaptType Value);
  // At most 10 characters.
  const string10& Caption() const { return FCaption; }
  void SetCaption(const string10& Value);
  // Shown instead of Caption while the button is down, when not empty.
  const string10& Caption1() const { return FCaption1; }
  void SetCaption1(const string10& Value);
  TColor ColCaption() const { return FColCaption; }
  void SetColCaption(TColor Value);
  TColor ColCaption1() const { return FColCaption1; }
  void SetColCaption1(TColor Value);
  TPanelBevel CaptBevel() const { return FCaptBevel; }
  void SetCaptBevel(TPanelBevel Value);

  // Repaints; a font change does the same.
  void StyleChanged(TObject* Sender);

 protected:
  bool IsOwnClass(const TComponent& Other) const override;
  void DrawDownState() override { DrawCaption(); }
  void DrawPressState() override { DrawCaption(); }
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // CM_ENABLEDCHANGED: the LED takes the disabled colour at once.
  void WndProc(TMessage& Message) override;

 private:
  // The LED lit or dim (disabled: grey), with the caption on it for ctLed.
  void DrawLed(bool Lit);
  // The caption in its field (ctBevel) or on the LED (ctLed).
  void DrawCaption();
  // The caption's font: the control's, in the height the last paint fitted.
  void SetCaptionFont(TCanvas& Canvas) const;
  bool ShowsCaption1() const { return Down() && !FCaption1.empty(); }
  void BlinkTick();

  bool FLedOn = false;
  bool FLedBlink = false;
  string10 FCaption;
  string10 FCaption1;
  TPanelBevel FCaptBevel = bvNone;
  TLedShape FLedShape = ledCircle;
  TColor FColLed = clLime;
  TCaptType FCaptType = ctBevel;
  TColor FColCaption = clBlack;
  TColor FColCaption1 = clBlack;
  bool FPainted = false;
  TPoint FCentre;
  TRect FLedRect;
  int FRadius = 0;
  TRect FCaptionRect;
  int FCaptionFontHeight = 0;
  TTickRecord FBlink;
};
