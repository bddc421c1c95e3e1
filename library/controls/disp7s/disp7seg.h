#pragma once
// TDisp7Seg: a framed row of 1 to 8 seven-segment digits on a coloured plate, with a unit text
// and two round status LEDs to the right of the digits. It shows an integer, a number or a
// string, can overwrite one digit cell, and lets either LED blink in step with BlinkPhase.

#include <cstdint>
#include <string>

#include "library/foundation/digits.h"
#include "library/foundation/frame.h"
#include "library/foundation/types.h"

class TDisp7Seg : public TRahmen {
 public:
  explicit TDisp7Seg(TComponent* AOwner);
  ~TDisp7Seg() override;

  // Number of digit cells, 1..8.
  int DispSize() const { return FDispSize; }
  void SetDispSize(int Value);
  // LED colours: stored at any time; the LED is drawn again in its state while LEDs are on.
  TColor ColLed1() const { return FColLed1; }
  void SetColLed1(TColor Value);
  TColor ColLed2() const { return FColLed2; }
  void SetColLed2(TColor Value);
  // Shows the two LEDs (and with them the column to the right of the digits).
  bool LedEnable() const { return FLedEnable; }
  void SetLedEnable(bool Value);
  // Lit or dim; ignored while LedEnable is off.
  bool LedOn1() const { return FLedOn1; }
  void SetLedOn1(bool Value);
  bool LedOn2() const { return FLedOn2; }
  void SetLedOn2(bool Value);
  // Blinking in step with BlinkPhase; ignored while LedEnable is off.
  bool LedBlink1() const { return FLedBlink1; }
  void SetLedBlink1(bool Value);
  bool LedBlink2() const { return FLedBlink2; }
  void SetLedBlink2(bool Value);
  // Shows the unit text right of the digits.
  bool TextEnable() const { return FTextEnable; }
  void SetTextEnable(bool Value);
  // Unit text (at most 10 characters), drawn again at once.
  const string10& TextEinh() const { return FTextEinh; }
  void SetTextEinh(const std::string& Value);
  // The cell ValueChar draws into, 1..DispSize (as it is when set).
  int CharPos() const { return FCharPos; }
  void SetCharPos(int Value);
  bool DispItalic() const { return FDispItalic; }
  void SetDispItalic(bool Value);
  TmShapeType Shape() const { return FShape; }
  void SetShape(TmShapeType Value);
  TColor ColSegm() const { return FColSegm; }
  void SetColSegm(TColor Value);

  // The numeric setters build ValueStr: right-aligned in the cells, or the overflow pattern
  // "8.8.8.8.8.8.8.8.8.8." when the number does not fit. Values are never clamped.
  int32_t ValueInt() const { return FValueInt; }
  void SetValueInt(int32_t Value);
  double ValueFloat() const { return FValueFloat; }
  void SetValueFloat(double Value);
  // The text shown (upper case); '.', ',', ':' and ';' share the cell before them.
  const std::string& ValueStr() const { return FValueStr; }
  void SetValueStr(const std::string& Value);
  // One character drawn into cell CharPos; ValueStr is left as it is, so the next paint shows it
  // again there.
  char ValueChar() const { return FValueChar; }
  void SetValueChar(char Value);

  // Repaints; for binding to other components' events.
  void StyleChanged(TObject* Sender);

  // The digit row (for inspection).
  const TDigDisplay& Digits() const { return FDigits; }

 protected:
  void Paint() override;

 private:
  void BlinkTick();
  void ShowDigits();
  void DrawUnitText();
  void DrawLed(int Index, bool Lit);
  void DrawLedState(int Index);
  void ShowString(const std::string& Text);

  TDigDisplay FDigits;
  bool FPainted = false;
  int32_t FBlinkId = -1;
  TPoint FLedCentre[2];
  int FLedRadius = 0;
  TRect FUnitRect;

  bool FLedOn1 = false;
  bool FLedOn2 = false;
  bool FLedBlink1 = false;
  bool FLedBlink2 = false;
  std::string FValueStr = "88888888";
  char FValueChar = '8';
  int FCharPos = 1;
  int32_t FValueInt = 0;
  double FValueFloat = 0;
  bool FDispItalic = false;
  TmShapeType FShape = smtRoundrect;
  int FDispSize = 2;
  TColor FColSegm = clYellow;
  TColor FColLed1 = clRed;
  TColor FColLed2 = clLime;
  bool FLedEnable = true;
  bool FTextEnable = true;
  string10 FTextEinh = "mW";
};
