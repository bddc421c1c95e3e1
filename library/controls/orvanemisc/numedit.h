#pragma once
// TNumEdit: a framed one-line numeric field the user can edit. It shows ValueFloat with a fixed
// number of decimals (or in exponent form), right-aligned in a field of Precision + decimals
// characters and followed by UnitText, with an optional LED on its left. Typing overwrites
// under a caret of its own (an inverted character cell); Enter, the right mouse button or
// leaving the field checks the entry against ValueMin..ValueMax, with a beep and, on request, a
// message in German or English (EnglishTexts). Set ReadOnly it serves as a digital display.

#include <cstdint>
#include <string>

#include "library/foundation/frame.h"
#include "platform/base/object.h"

class TNumEdit : public TRahmen {
 public:
  explicit TNumEdit(TComponent* AOwner);
  ~TNumEdit() override;

  // The LED left of the field: its colour (black lights black and dims white), lit state,
  // blinking in step with BlinkPhase, and whether it is there at all.
  TColor LedCol() const { return FLedCol; }
  void SetLedCol(TColor Value);
  bool LedOn() const { return FLedOn; }
  void SetLedOn(bool Value);
  bool LedEnable() const { return FLedEnable; }
  void SetLedEnable(bool Value);
  bool LedBlink() const { return FLedBlink; }
  void SetLedBlink(bool Value);
  // The field in the font's colour with the text in ColTxtBack.
  bool DispInvert() const { return FDispInvert; }
  void SetDispInvert(bool Value);
  // The value's text as last formatted. Setting a number text applies it as ValueFloat; other
  // text is ignored.
  std::string ValueText() const;
  void SetValueText(const std::string& Value);
  // Drawn right behind the value.
  const std::string& UnitText() const { return FUnitText; }
  void SetUnitText(const std::string& Value);
  // The value, kept within ValueMin..ValueMax. ValueInt is the value rounded (within the
  // integers of the range when there are any).
  int32_t ValueInt() const { return FValueInt; }
  void SetValueInt(int32_t Value);
  double ValueFloat() const { return FValueFloat; }
  void SetValueFloat(double Value);
  // Decimals, -1..10; -1 selects the exponent form.
  int Digits() const { return FDigits; }
  void SetDigits(int Value);
  // Significant digits, 0..15.
  int Precision() const { return FPrecision; }
  void SetPrecision(int Value);
  // The range; each bound is kept on its side of the other. While a form is read they are only
  // stored, and Loaded puts range and value in order once.
  double ValueMin() const { return FValueMin; }
  void SetValueMin(double Value);
  double ValueMax() const { return FValueMax; }
  void SetValueMax(double Value);
  // No editing, no focus by mouse, always the formatted value.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // A refused entry lets the focus leave (showing the old value) instead of keeping it.
  bool ErrorExit() const { return FErrorExit; }
  void SetErrorExit(bool Value) { FErrorExit = Value; }
  // Refusals show a message; Enter then also refuses values out of range instead of clamping.
  bool ErrorShow() const { return FErrorShow; }
  void SetErrorShow(bool Value) { FErrorShow = Value; }
  TColor ColTxtBack() const { return FColTxtBack; }
  void SetColTxtBack(TColor Value);
  TPanelBevel TextBevel() const { return FTextBevel; }
  void SetTextBevel(TPanelBevel Value);

  // Fired after an accepted entry, and on Enter (or right click) over an unchanged or empty one.
  TNotifyEvent OnChange;

  // What the field holds now: the padded value or the user's entry.
  const std::string& EditText() const { return FEditText; }
  // 1-based position of the caret in EditText.
  int CaretIndex() const { return FCaret; }
  // The field's characters: Precision plus the decimals and their point.
  int FieldWidth() const;
  const TRect& FieldRect() const { return FField; }
  const TRect& LedRect() const { return FLedRect; }
  // Where the shown text (EditText + UnitText) starts.
  int TextOriginX() const { return FTextX; }

  void Loaded() override;

 protected:
  void Paint() override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  // Draws the field; Reformat takes the text from the value again.
  void DrawField(bool Reformat);
  void DrawLed(bool Lit);
  void BlinkTick();
  // The check on Enter and on the right mouse button.
  void CheckValue();
  void CaretFromX(int X);
  void MoveCaret(int Index);
  void RedrawWithoutCaret();
  // Stores a value already within the range and shows it.
  void StoreValue(double Value, int32_t Int);
  bool Reading() const;
  std::string FormatValue() const;
  std::string UnitShown() const;
  void ShowError(const std::string& Message) const;

  int32_t FBlinkId = -1;
  std::string FValueText;
  std::string FUnitText;
  std::string FEditText;
  bool FReadOnly = false;
  bool FLedBlink = false;
  bool FLedOn = false;
  bool FLedEnable = false;
  TColor FLedCol = clRed;
  bool FDispInvert = false;
  int FDigits = 1;
  int FPrecision = 7;
  double FValueMin = 0.0;
  double FValueMax = 10.0;
  int32_t FValueInt = 0;
  double FValueFloat = 0.0;
  bool FErrorExit = false;
  bool FErrorShow = false;
  TRect FField;
  TRect FLedRect;
  int FCaret = 1;
  int FTextX = 0;
  int FTextY = 0;
  bool FReady = false;
  bool FForceRedraw = false;
  bool FNoCaret = false;
  bool FFreshEntry = false;
  TColor FColTxtBack = clWhite;
  TPanelBevel FTextBevel = bvLowered;
};
