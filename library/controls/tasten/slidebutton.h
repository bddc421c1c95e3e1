#pragma once
// TSlideButton: a two-position slide switch, a slot in which a knob covers one half while the
// other half shows a coloured field with a short text or a bitmap. Every click flips the position
// and fires KeyChange. Only the frame of TRahmen is used: no button style, no group, no timer.

#include <memory>

#include "library/foundation/frame.h"
#include "library/foundation/types.h"
#include "platform/graphics/bitmap.h"

// swPos2 is the first value: the knob down, the field above it.
enum swStatus { swPos2, swPos1 };

class TSlideButton : public TRahmen {
 public:
  explicit TSlideButton(TComponent* AOwner);
  ~TSlideButton() override;

  // Setting it from a program redraws without KeyChange.
  swStatus Position() const { return FPosition; }
  void SetPosition(swStatus Value);
  // The field's text in swPos2 (TextPos1) and in swPos1 (TextPos2); at most 10 characters. With
  // FontAutom a changed text's size is fitted again once the control has painted.
  const string10& TextPos1() const { return FText[0]; }
  void SetTextPos1(const string10& Value);
  const string10& TextPos2() const { return FText[1]; }
  void SetTextPos2(const string10& Value);
  // The colour setters redraw the switch.
  TColor ColorPos1() const { return FColorPos[0]; }
  void SetColorPos1(TColor Value);
  TColor ColorPos2() const { return FColorPos[1]; }
  void SetColorPos2(TColor Value);
  TColor ColTextPos1() const { return FColText[0]; }
  void SetColTextPos1(TColor Value);
  TColor ColTextPos2() const { return FColText[1]; }
  void SetColTextPos2(TColor Value);
  // The knob.
  TColor ColButton() const { return FColButton; }
  void SetColButton(TColor Value);
  // Bitmaps on a silver field instead of the texts: BmpPos1 shows in swPos1, BmpPos2 in swPos2.
  bool BmpEnable() const { return FBmpEnable; }
  void SetBmpEnable(bool Value);
  // The setters copy the given bitmap (nullptr is ignored) and repaint.
  const TBitmap* BmpPos1() const { return FBmp[0].get(); }
  void SetBmpPos1(const TBitmap* Value);
  const TBitmap* BmpPos2() const { return FBmp[1].get(); }
  void SetBmpPos2(const TBitmap* Value);

  // Repaints (the font's change handler).
  void StyleChanged(TObject* Sender);

  TNotifyEvent KeyChange;

 protected:
  void Paint() override;
  // Any mouse button flips the position.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Nothing happens at the release.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void StoreAndDraw(TColor& Field, TColor Value);
  void SetText(int Index, const string10& Value);
  // The font size that fits text Index into the lower half of the slot.
  void FitSize(int Index);
  void DrawSwitch();

  bool FPainted = false;
  TRect FSlot;
  int FHalf = 0;
  // Fitted font sizes of the two texts; 0 (the default height) until fitted.
  int FSize[2] = {0, 0};
  string10 FText[2] = {"ON", "OFF"};
  std::unique_ptr<TBitmap> FBmp[2];
  TColor FColorPos[2] = {clRed, clBlue};
  TColor FColText[2] = {clLime, clYellow};
  TColor FColButton = clSilver;
  swStatus FPosition = swPos2;
  bool FBmpEnable = false;
};
