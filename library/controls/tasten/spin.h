#pragma once
// Spin elements: a text field that shows one line of a position list (PosText) and two arrow
// buttons that step through it, with auto-repeat while a button is held. Each line has up to three
// fields separated by '|': the text shown, an integer or a colour, and a float (see PosItemText).
//
// TTextSpin has its buttons side by side at the right end of a wide field; TSerieSpin stacks them
// above and below a narrow field, for spins lined up like the digits of a number. TCustomSpin is
// what the two share.

#include <memory>
#include <string>

#include "library/controls/tasten/tickrecord.h"
#include "library/foundation/frame.h"
#include "library/foundation/types.h"
#include "platform/base/stringlist.h"

class TCustomSpin : public TRahmen {
 public:
  explicit TCustomSpin(TComponent* AOwner);
  ~TCustomSpin() override;

  // The owned list; a change of its lines repaints. SetPosText copies the lines.
  TStringList* PosText() const { return FPosText.get(); }
  void SetPosText(const TStringList& Value);
  // Limiter on: clamped to the list; off: a value past either end wraps to the other end.
  // The position is not re-clamped when the list changes.
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  // The fields of the current line; "" or 0 when the position is not a line of the list.
  std::string PosString() const;
  int PosInteger() const;
  TColor PosColor() const;
  double PosFloat() const;
  // Select the first line whose field equals the value; no match keeps the position. The text
  // field is redrawn either way. Ignored while the form is being loaded.
  void SetPosString(const std::string& Value);
  void SetPosInteger(int Value);
  void SetPosColor(TColor Value);
  void SetPosFloat(double Value);
  // True stops at the list's ends; False wraps round.
  bool Limiter() const { return FLimiter; }
  void SetLimiter(bool Value) { FLimiter = Value; }
  TTextStyle TextAdjust() const { return FTextAdjust; }
  void SetTextAdjust(TTextStyle Value);
  // Auto-repeat period in milliseconds while a button is held; below 50 no repeat. The first
  // repeat comes 500 ms after the press; periods wrap at 2001 ms.
  int RepSpeed() const { return FRepSpeed; }
  void SetRepSpeed(int Value) { FRepSpeed = Value; }
  TColor ColTxtBack() const { return FColTxtBack; }
  void SetColTxtBack(TColor Value);

  // One step up (+1) or down (-1); False, and nothing changes, when Limiter stops it.
  virtual bool StepPosition(bool Up);
  // Repaints; bound to the list's and the font's change.
  void StyleChanged(TObject* Sender);

  // After every step, by a press or by the repeat.
  TNotifyEvent onChanging;
  // At the release, when a step happened since the press.
  TNotifyEvent onChanged;

 protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // A disabled control gets no release: disabling it ends a hold as a release would.
  void WndProc(TMessage& Message) override;
  // Whether the mouse may step (TTextSpin: only while enabled).
  virtual bool TakesMouse() const { return true; }
  // The field's background now.
  virtual TColor FieldColour() const { return FColTxtBack; }

  // The shared steps of the paints: a button's black frame and raised edges, after which R is
  // the area inside the frame (where the edges lie and the arrow goes); an arrow, filled and
  // outlined in one colour.
  void FrameButton(TRect& R);
  void DrawArrow(TPoint A, TPoint B, TPoint C, TColor Colour);
  // Raised (released) or sunken (held) edges of a button area.
  void DrawButtonEdges(const TRect& R, bool Sunken);
  // Fits the font height to the field (FontAutom) and sets the baseline; Extra moves it down.
  void FitFieldFont(int Extra);
  void DrawTextField();

  TRect FUpRect;
  TRect FDownRect;
  TRect FTextRect;
  bool FPainted = false;

 private:
  const std::string* CurrentLine() const;
  // The first line whose field (read by Read) equals Value becomes the position.
  template <class T, class Reader>
  void SelectFirst(const T& Value, Reader Read);
  void Stepped();
  void RepeatTick();
  // The end of a hold: the repeat stops, held buttons come up, and onChanged reports the steps.
  void EndHold();

  std::unique_ptr<TStringList> FPosText;
  int FRepSpeed = 0;
  bool FUpHeld = false;
  bool FDownHeld = false;
  int FPosition = 0;
  bool FLimiter = false;
  TTextStyle FTextAdjust = ttCenter;
  int FTextY = 0;
  int FFieldFontHeight = 0;  // as fitted by the paint
  bool FSteppedSincePress = false;
  TColor FColTxtBack = clBlack;
  TTickRecord FRepeat;
};

class TTextSpin : public TCustomSpin {
 public:
  explicit TTextSpin(TComponent* AOwner);

  // The field's background while the control is disabled; a change repaints at once.
  TColor ColDisabled() const { return FColDisabled; }
  void SetColDisabled(TColor Value);

 protected:
  void Paint() override;
  bool TakesMouse() const override { return Enabled(); }
  TColor FieldColour() const override;
  // CM_ENABLEDCHANGED repaints at once: arrows and field change colour.
  void WndProc(TMessage& Message) override;

 private:
  TColor FColDisabled = clGray;
};

class TSerieSpin : public TCustomSpin {
 public:
  explicit TSerieSpin(TComponent* AOwner);

 protected:
  void Paint() override;
  // WM_SIZE raises a height below 35 (plus the bevels).
  void WndProc(TMessage& Message) override;
};
