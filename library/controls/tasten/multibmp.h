#pragma once
// TMultiBmp: shows one frame of a bitmap strip (up to 32 equally wide pictures side by side). The
// frame can blink, the frames can run as an animation, a special frame shows while disabled, and
// a transparent colour can give way to the background. A push or toggle button and a radio-group
// member.
//
// Blinking and animation run from one interval record; its tick hands the step to the control's
// WM_USER handler.

#include <memory>

#include "library/controls/tasten/groupbutton.h"
#include "library/controls/tasten/tickrecord.h"
#include "platform/graphics/bitmap.h"

// Animation steps per second: 1000 div (10 - ordinal) ms per frame.
enum tAnimSpeed {
  an10Ticks,
  an9Ticks,
  an8Ticks,
  an7Ticks,
  an6Ticks,
  an5Ticks,
  an4Ticks,
  an3Ticks,
  an2Ticks,
  an1Ticks
};

class TMultiBmp : public TGroupButton {
 public:
  explicit TMultiBmp(TComponent* AOwner);

  // The strip; the setter copies the given bitmap (nullptr clears it) and repaints.
  const TBitmap* Glyph() const { return FStrip.get(); }
  void SetGlyph(const TBitmap* Value);
  // Number of frames in the strip, 1..32; a shown frame above a new count comes down to it.
  int GlyphNums() const { return FGlyphNums; }
  void SetGlyphNums(int Value);
  // The frame shown, from 1. Once painted, a value past the count wraps: count + 1 gives 1.
  // Values below 1 give 1.
  int GlyphSel() const { return FGlyphSel; }
  void SetGlyphSel(int Value);
  // The frame shown while disabled; 0 for none. Once painted only 0..GlyphNums is taken.
  int GlyphDisSel() const { return FGlyphDisSel; }
  void SetGlyphDisSel(int Value);
  // Draws the frame with ColTransp replaced by the background (ColBack).
  bool GlyphMode() const { return FGlyphMode; }
  void SetGlyphMode(bool Value);
  TColor ColTransp() const { return FColTransp; }
  void SetColTransp(TColor Value);
  // Stretches the frame over the whole inner area; without it the frame keeps its size,
  // centred, and is cut at the right and bottom when it does not fit.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // Blanks the frame in the high blink phase. Switching it on stops the animation.
  bool BlinkOn() const { return FBlinkOn; }
  void SetBlinkOn(bool Value);
  // Steps through the frames; switching it on stops the blinking.
  bool Animate() const { return FAnimate; }
  void SetAnimate(bool Value);
  tAnimSpeed AnimSpeed() const { return FAnimSpeed; }
  void SetAnimSpeed(tAnimSpeed Value);

  // Fired when the animation wraps from the last frame to the first, before it shows.
  TNotifyEvent OnEndAnim;

 protected:
  bool IsOwnClass(const TComponent& Other) const override;
  void Paint() override;
  // WM_USER: the blink or animation step. CM_ENABLEDCHANGED: the disabled frame swapped in/out.
  void WndProc(TMessage& Message) override;

 private:
  // Source and destination of the shown frame, and the frame with its transparent colour
  // replaced; then the frame is drawn.
  void PrepareFrame();
  void DrawPicture(bool Content);
  void Step();
  void Tick();

  std::unique_ptr<TBitmap> FStrip;
  std::unique_ptr<TBitmap> FWork;
  tAnimSpeed FAnimSpeed = an4Ticks;
  bool FBlinkOn = false;
  int FGlyphNums = 2;
  int FGlyphSel = 1;
  bool FAutoSize = false;
  bool FGlyphMode = false;
  bool FAnimate = false;
  TColor FColTransp = clOlive;
  int FGlyphDisSel = 0;
  bool FPainted = false;
  TRect FSource;
  TRect FDest;
  // The frame to show again when enabled.
  int FEnabledSel = 1;
  TTickRecord FTimer;
};
