#pragma once
// TBoxLine: a column or row of eight small boxes, typically the bits of a byte. Each box
// (TBoxLBox) shows a character or a glyph for its on and off state, can be disabled, and carries a
// one-character short caption and a long caption. Clicks toggle a box (with Toggle) and report
// its index and state.
//
// The line keeps two byte masks in step with its boxes, in both directions: BoxEnaByte (bit i =
// box i enabled) and BoxStatByte (bit i = box i on).

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "library/foundation/store.h"
#include "library/foundation/types.h"
#include "platform/forms/controls.h"
#include "platform/graphics/bitmap.h"

class TBoxLine;

using TBoxLineEvent = std::function<void(TObject* Sender, int Box, bool State)>;

class TBoxLBox : public TObject {
 public:
  static constexpr int kCount = 8;

  TBoxLBox(TBoxLine* Owner, int Index);
  ~TBoxLBox() override;

  // Copies every property of Source through the setters (so the line's masks follow).
  void Assign(const TBoxLBox& Source);

  // On; kept in the line's BoxStatByte. The box is redrawn.
  bool Status() const { return FStatus; }
  void SetStatus(bool Value);
  // Enabled; kept in the line's BoxEnaByte. A disabled box ignores clicks.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // An invisible box keeps its place and still takes clicks; the line is repainted.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // The characters shown on and off (when there is no glyph for the state).
  char CharOn() const { return FCharOn; }
  void SetCharOn(char Value);
  char CharOff() const { return FCharOff; }
  void SetCharOff(char Value);
  // The captions beside the box; the setters redraw them.
  char CaptShort() const { return FCaptShort; }
  void SetCaptShort(char Value);
  const std::string& CaptLong() const { return FCaptLong; }
  void SetCaptLong(const std::string& Value);
  // 1: each glyph is one picture, embossed while disabled. 2: each glyph holds the enabled
  // picture on the left and the disabled one on the right, olive standing for the background.
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  // The setters copy the given bitmap (nullptr empties it) and build its disabled form.
  const TBitmap* GlyphOn() const { return FGlyph[1].get(); }
  void SetGlyphOn(const TBitmap* Value);
  const TBitmap* GlyphOff() const { return FGlyph[0].get(); }
  void SetGlyphOff(const TBitmap* Value);

 private:
  friend class TBoxLine;
  void SetGlyph(int State, const TBitmap* Value);
  void Draw();
  void DrawCaptions();

  TBoxLine* FLine;
  bool FEnabled = true;
  bool FVisible = true;
  char FCaptShort = 'x';
  std::string FCaptLong = "ABCDE";
  char FCharOn = '1';
  char FCharOff = '0';
  bool FStatus = false;
  // [0] off, [1] on; and their disabled forms.
  std::array<std::unique_ptr<TBitmap>, 2> FGlyph;
  std::array<std::unique_ptr<TBitmap>, 2> FDisabled;
  int FNumGlyphs = 1;
  TRect FRect;
  uint8_t FMask;
};

class TBoxLine : public TCustomControl {
 public:
  explicit TBoxLine(TComponent* AOwner);
  ~TBoxLine() override;

  // Switching swaps Width and Height when the control lies the other way; repaints.
  TOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TOrientation Value);
  // Box 0 at the bottom (vertical) or the left (horizontal) instead of the top or the right.
  bool OrderUp() const { return FOrderUp; }
  void SetOrderUp(bool Value);
  // The long captions on the left (vertical) or below (horizontal).
  bool CaptLeft() const { return FCaptLeft; }
  void SetCaptLeft(bool Value);
  // A click flips the box's Status.
  bool Toggle() const { return FToggle; }
  void SetToggle(bool Value) { FToggle = Value; }
  // Side of a box in pixels, 10..30.
  int BoxWidth() const { return FBoxWidth; }
  void SetBoxWidth(int Value);
  // Gap between boxes, 0..20.
  int BoxSpace() const { return FBoxSpace; }
  void SetBoxSpace(int Value);
  // Box colours (enabled and off, enabled and on, disabled) and character colours; the setters
  // repaint.
  TColor ColorEnable() const { return FColorEnable; }
  void SetColorEnable(TColor Value);
  TColor ColorOn() const { return FColorOn; }
  void SetColorOn(TColor Value);
  TColor ColorDisable() const { return FColorDisable; }
  void SetColorDisable(TColor Value);
  TColor ColorFontEna() const { return FColorFontEna; }
  void SetColorFontEna(TColor Value);
  TColor ColorFontOn() const { return FColorFontOn; }
  void SetColorFontOn(TColor Value);
  TColor ColorFontDis() const { return FColorFontDis; }
  void SetColorFontDis(TColor Value);
  // Bit i: box i enabled. Setting it sets every box's Enabled.
  uint8_t BoxEnaByte() const { return FBoxEnaByte; }
  void SetBoxEnaByte(uint8_t Value);
  // Bit i: box i on. Setting it sets every box's Status.
  uint8_t BoxStatByte() const { return FBoxStatByte; }
  void SetBoxStatByte(uint8_t Value);

  // Box Index (0..7), or nullptr outside.
  TBoxLBox* Box(int Index) const;
  // Assigning a box copies the given box's properties into it (nullptr changes nothing).
  void SetBox(int Index, const TBoxLBox* Value);
  TBoxLBox* Box0() const { return Box(0); }
  TBoxLBox* Box1() const { return Box(1); }
  TBoxLBox* Box2() const { return Box(2); }
  TBoxLBox* Box3() const { return Box(3); }
  TBoxLBox* Box4() const { return Box(4); }
  TBoxLBox* Box5() const { return Box(5); }
  TBoxLBox* Box6() const { return Box(6); }
  TBoxLBox* Box7() const { return Box(7); }
  void SetBox0(const TBoxLBox* Value) { SetBox(0, Value); }
  void SetBox1(const TBoxLBox* Value) { SetBox(1, Value); }
  void SetBox2(const TBoxLBox* Value) { SetBox(2, Value); }
  void SetBox3(const TBoxLBox* Value) { SetBox(3, Value); }
  void SetBox4(const TBoxLBox* Value) { SetBox(4, Value); }
  void SetBox5(const TBoxLBox* Value) { SetBox(5, Value); }
  void SetBox6(const TBoxLBox* Value) { SetBox(6, Value); }
  void SetBox7(const TBoxLBox* Value) { SetBox(7, Value); }

  // Fired when an enabled box is clicked, before OnClick.
  TNotifyEvent OnBox0Click;
  TNotifyEvent OnBox1Click;
  TNotifyEvent OnBox2Click;
  TNotifyEvent OnBox3Click;
  TNotifyEvent OnBox4Click;
  TNotifyEvent OnBox5Click;
  TNotifyEvent OnBox6Click;
  TNotifyEvent OnBox7Click;
  // After any click on an enabled box: its index and its Status.
  TBoxLineEvent OnClick;
  TNotifyEvent OnRepaint;

 protected:
  void Paint() override;
  // Any mouse button; the first box (from 0) whose rectangle holds the point.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  friend class TBoxLBox;
  // Stores a changed value and repaints.
  template <class T>
  void StoreAndRepaint(T& Field, T Value) {
    if (StoreChanged(Field, Value)) Invalidate();
  }
  void LayoutBoxes();
  // The boxes' characters and captions: the control's font, as high as a box's inside.
  void SetBoxFont(TCanvas& Canvas) const;
  TNotifyEvent& BoxClickEvent(int Index);

  bool FToggle = false;
  bool FPainted = false;
  TOrientation FOrientation = orVertical;
  bool FOrderUp = false;
  bool FCaptLeft = false;
  TColor FColorEnable = clWhite;
  TColor FColorOn = clWhite;
  TColor FColorDisable = clSilver;
  TColor FColorFontEna = clBlack;
  TColor FColorFontDis = clGray;
  TColor FColorFontOn = clBlack;
  int FBoxWidth = 15;
  int FBoxSpace = 4;
  uint8_t FBoxEnaByte = 0xFF;
  uint8_t FBoxStatByte = 0;
  std::array<std::unique_ptr<TBoxLBox>, TBoxLBox::kCount> FBoxes;
  // The long captions of a horizontal line run upward in this font.
  std::unique_ptr<TFont> FRotatedFont;
};
