#pragma once
// TSpin7Seg: a thumbwheel switch of one seven-segment digit. A press on the upper or lower half
// steps the digit up or down (held, it repeats); the digit wraps with a carry or borrow event,
// so several wheels chain into a multi-digit setting, or stops at its ends with Limiter.

#include <cstdint>

#include "library/foundation/digits.h"
#include "library/foundation/frame.h"
#include "library/foundation/types.h"
#include "platform/base/object.h"

// The digit's character set: 0..9, 0..F, a sign (' ', '+', '-') or the characters ' '..'Z'.
enum class TDispType { decimal, hexa, sign, alphanum };

class TSpin7Seg : public TRahmen {
 public:
  explicit TSpin7Seg(TComponent* AOwner);
  ~TSpin7Seg() override;

  // A change sets the type's first character ('+' for a sign, else '8') and repaints.
  TDispType DispTyp() const { return FDispTyp; }
  void SetDispTyp(TDispType Value);
  TmShapeType Shape() const { return FShape; }
  void SetShape(TmShapeType Value);
  TColor ColSegm() const { return FColSegm; }
  void SetColSegm(TColor Value);
  // Upper-cased; taken only when it belongs to DispTyp. ValueInt follows: the digit's value for
  // decimal and hexa, -1 otherwise.
  char ValueChar() const { return FValueChar; }
  void SetValueChar(char Value);
  // Taken only for decimal (0..9) and hexa (0..15).
  int ValueInt() const { return FValueInt; }
  void SetValueInt(int Value);
  // Repeat interval in ms while a half is held; repeating needs at least 50.
  int RepSpeed() const { return FRepSpeed; }
  void SetRepSpeed(int Value) { FRepSpeed = Value; }
  // Stop at the ends instead of wrapping.
  bool Limiter() const { return FLimiter; }
  void SetLimiter(bool Value) { FLimiter = Value; }
  bool Italic() const { return FItalic; }
  void SetItalic(bool Value);

  // One step; Carry is +1 after an upward wrap, -1 after a downward one, else 0. False when
  // Limiter stopped the step. Fires no event.
  bool NextValue(bool Up, int& Carry);
  // Repaints; for binding to other components' events.
  void StyleChanged(TObject* Sender);

  // After every successful step (press or repeat).
  TNotifyEvent onChanging;
  // On release, when a step succeeded since the press.
  TNotifyEvent onChanged;
  // After a step that wrapped upward (9 to 0) or downward (0 to 9).
  TNotifyEvent onWrapCarry;
  TNotifyEvent onWrapBorrow;

  // Hit areas of the two halves, as laid out by the last paint.
  const TRect& UpperRect() const { return FUpperRect; }
  const TRect& LowerRect() const { return FLowerRect; }
  const TDigit& Digit() const { return FDigit; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void RepeatTick();
  void Stepped(int Carry);
  void StoreChar(char Value);
  void DrawValue();
  void DrawHalf(const TRect& R, bool Sunken);

  int32_t FRepeatId = -1;
  TDigit FDigit;
  bool FPainted = false;
  char FValueChar = '8';
  int FValueInt = 8;
  bool FLimiter = false;
  bool FItalic = false;
  TRect FUpperRect;
  TRect FLowerRect;
  bool FUpperHeld = false;
  bool FLowerHeld = false;
  bool FChanged = false;
  TDispType FDispTyp = TDispType::decimal;
  TmShapeType FShape = smtRoundrect;
  TColor FColSegm = clLime;
  int FRepSpeed = 0;
};
