#pragma once
// TCtrlTimer: a programmable count-down time switch. The user sets a start time and three trigger
// times by clicking the upper or lower half of each digit, and starts, stops and resets the
// count-down with four mode buttons; the running time counts down once a second, firing a trigger
// event (with a beep) when it equals a trigger time and an elapsed event when it has run out.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "library/foundation/digits.h"
#include "library/foundation/frame.h"
#include "library/foundation/types.h"
#include "platform/base/object.h"

// The units shown.
enum TCtrlTRes { tcHH, tcMM, tcSS, tcHHMM, tcMMSS, tcHHMMSS };
// reset edits the start time; run, stop and elapsed show the running time; trig1..trig3 edit
// the trigger times.
enum class tCtrlTMode { reset, run, stop, elapsed, trig1, trig2, trig3 };

class TCtrlTimer;

// One time of six decimal digits (hours, minutes, seconds; tens and units each).
class TCtlTime : public TObject {
 public:
  explicit TCtlTime(TCtrlTimer* Owner);

  // The sound of the warning beep when this time fires; negative is silent.
  int Beep() const { return FBeep; }
  void SetBeep(int Value) { FBeep = Value; }
  // Each unit is taken only while the owner's Resolution shows it, and only within 0..99 for
  // hours and 0..59 for minutes and seconds.
  int ValueHours() const { return FDigits[0] * 10 + FDigits[1]; }
  void SetValueHours(int Value);
  int ValueMinutes() const { return FDigits[2] * 10 + FDigits[3]; }
  void SetValueMinutes(int Value);
  int ValueSeconds() const { return FDigits[4] * 10 + FDigits[5]; }
  void SetValueSeconds(int Value);

  // All digits 0; counts as run out.
  void Clear();
  // One second less, with borrows; a time that is already 0 only marks itself run out.
  void CountDownSecond();
  // The six digits as one decimal number, hours tens first.
  int32_t TimeAsNumber() const;
  // Copies the digits and the beep.
  void Assign(const TCtlTime& Source);

  // Digit 0..5: hours tens, hours units, minutes tens, minutes units, seconds tens, seconds units.
  int Digit(int Index) const { return FDigits[Index]; }
  void SetDigit(int Index, int Value) { FDigits[Index] = Value; }
  // The last count-down step changed a shown unit.
  bool Changed() const { return FChanged; }
  // Run out (found 0 by a count-down step, or cleared).
  bool Done() const { return FDone; }
  void SetDone(bool Value) { FDone = Value; }

 private:
  void SetUnit(int Unit, int Value, int Top);

  TCtrlTimer* FOwner;
  std::array<int, 6> FDigits{};
  int FBeep = 0;
  bool FChanged = false;
  bool FDone = false;
};

class TCtrlTimer : public TRahmen {
 public:
  explicit TCtrlTimer(TComponent* AOwner);
  ~TCtrlTimer() override;

  // The owned times; Set* copies the given time into the owned one.
  TCtlTime* StartTime() const { return FStartTime.get(); }
  void SetStartTime(const TCtlTime* Value);
  TCtlTime* Trigger1() const { return FTrigger[0].get(); }
  void SetTrigger1(const TCtlTime* Value);
  TCtlTime* Trigger2() const { return FTrigger[1].get(); }
  void SetTrigger2(const TCtlTime* Value);
  TCtlTime* Trigger3() const { return FTrigger[2].get(); }
  void SetTrigger3(const TCtlTime* Value);
  // The time counting down.
  const TCtlTime* RunTime() const { return FRunTime.get(); }

  // A change clears the start and trigger times and repaints (while the form is read it only
  // stores, so stored times survive).
  TCtrlTRes Resolution() const { return FResolution; }
  void SetResolution(TCtrlTRes Value);
  // Fires OnReset, OnStart or OnStop for reset, run and stop; elapsed cannot be set. Neither
  // starts nor stops counting: only the mode buttons do.
  tCtrlTMode Mode() const { return FMode; }
  void SetMode(tCtrlTMode Value);
  const string10& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool DispItalic() const { return FDispItalic; }
  void SetDispItalic(bool Value);
  TmShapeType Shape() const { return FShape; }
  void SetShape(TmShapeType Value);
  TColor ColSegm() const { return FColSegm; }
  void SetColSegm(TColor Value);
  // The colour of the elapsed time's high blink phase.
  TColor ColElapsed() const { return FColElapsed; }
  void SetColElapsed(TColor Value);
  TColor CaptCol() const { return FCaptCol; }
  void SetCaptCol(TColor Value);
  TColor ModeColor() const { return FModeColor; }
  void SetModeColor(TColor Value);

  // Repaints; for binding to other components' events.
  void StyleChanged(TObject* Sender);

  // The text the digits show for the time of the current mode.
  std::string TimeText() const;
  // Client rectangles of the twelve digit zones (1..12: odd up, even down) and the four buttons
  // (13 top, 15 second, 14 third, 16 bottom), as laid out by the last paint.
  TRect ZoneRect(int Zone) const;
  const TDigDisplay& Digits() const { return FDigits; }

  TNotifyEvent OnStart;
  TNotifyEvent OnElapsed;
  TNotifyEvent OnTrigger1;
  TNotifyEvent OnTrigger2;
  TNotifyEvent OnTrigger3;
  TNotifyEvent OnStop;
  TNotifyEvent OnReset;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  friend class TCtlTime;
  void SecondTick();
  void BlinkTick();
  void TimerEvent(int64_t Which);
  void StartCounting();
  void ShowTime();
  void DrawCaption();
  void DrawModeButtons();
  // The bold label font of the unit labels, the caption and (in its own height) the buttons.
  void SetLabelFont(TCanvas& Canvas) const;
  void FitButtonFont(TCanvas& Canvas);
  void PressZone(int Zone);
  void PressDigit(int Zone);
  void PressButton(int Zone);
  TCtlTime& Selected() const;
  bool TriggerMode() const;

  TDigDisplay FDigits;
  int32_t FSecondId = -1;
  int32_t FBlinkId = -1;
  // Milliseconds counted towards the next second while running.
  int FElapsedMs = 0;
  std::unique_ptr<TCtlTime> FStartTime;
  std::array<std::unique_ptr<TCtlTime>, 3> FTrigger;
  std::unique_ptr<TCtlTime> FRunTime;
  TCursor FNormalCursor = crDefault;
  bool FPainted = false;
  int FHover = 0;
  // Index 0 unused; 1..12 digit zones, 13..16 buttons.
  std::array<TRect, 17> FZones{};
  TRect FCaptionRect;
  TRect FColumn;
  // The label font's and the captions' height, worked out by the last paint.
  int FLabelHeight = 0;
  int FButtonFontHeight = 0;

  bool FDispItalic = false;
  TmShapeType FShape = smtRoundrect;
  TCtrlTRes FResolution = tcHHMMSS;
  tCtrlTMode FMode = tCtrlTMode::reset;
  TColor FModeColor = clBlack;
  TColor FColSegm = clLime;
  TColor FColElapsed = clRed;
  string10 FCaption = "Timer";
  TColor FCaptCol = clRed;
};
