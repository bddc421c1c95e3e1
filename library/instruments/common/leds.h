#pragma once
// The status LEDs of the meters: their state, the colour rule and the drawing of a round LED and
// of its socket.

#include "library/foundation/ledcolors.h"
#include "library/foundation/store.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

class TCanvas;

// Where the LED setters of the instruments differ.
struct TLedRules {
  // Switches set while the LEDs are hidden (LedEnable off) are dropped; else they are stored
  // and show once the LEDs are shown again.
  bool DropWhileHidden;
  // Switching an LED on or off also sets its blink phase to the switch.
  bool SwitchSetsPhase;
  // A colour change sets the blink phase back to the switch.
  bool ColourSetsPhase;
};

// One LED of a meter: switched on, blinking, and the blink phase the blink tick last gave it.
struct TMeterLed {
  bool On = false;
  bool Blink = false;
  bool Lit = false;
  TColor Colour = clRed;

  // The setters by Rules, Hidden telling that the LEDs are switched off. SetOn and SetBlink
  // return whether the LED is to be drawn again (a colour change always is).
  bool SetOn(bool V, bool Hidden, const TLedRules& Rules) {
    if ((Hidden && Rules.DropWhileHidden) || V == On) return false;
    On = V;
    if (Rules.SwitchSetsPhase) Lit = V;
    return true;
  }
  bool SetBlink(bool V, bool Hidden, const TLedRules& Rules) {
    if ((Hidden && Rules.DropWhileHidden) || V == Blink) return false;
    Blink = V;
    return true;
  }
  void SetColour(TColor V, const TLedRules& Rules) {
    Colour = V;
    if (Rules.ColourSetsPhase) ResetPhase();
  }
  // The blink phase back at the switch.
  void ResetPhase() { Lit = On; }
  // The blink tick: a blinking LED takes the phase and is to be drawn again.
  bool Step(bool Phase) {
    if (!Blink) return false;
    TakePhase(Phase);
    return true;
  }

  // A blinking LED shows its blink phase, a steady one its switch.
  bool Shows() const { return Blink ? Lit : On; }
  // The blink tick's rule: lit while the shared blink phase differs from the switch.
  void TakePhase(bool Phase) { Lit = Phase != On; }
};

// A round LED: a circle of Radius around Centre with a black one-pixel outline, filled in Colour.
void DrawRoundLed(TCanvas& Canvas, TPoint Centre, int Radius, TColor Colour);

// The radius of an LED in a socket of Socket pixels (either sign): a pixel less while the LED is
// shown, so that the socket's grey ring stays round the LED drawn over it later.
int LedRadiusInSocket(int Socket, bool Shown);

// The socket drawn under an LED: a grey ring ($808080) around a dark red ($000080) disc.
void DrawLedSocket(TCanvas& Canvas, TPoint Centre, int Radius);

// A triangular LED of Size round Centre, four Size wide: pointing down (corners (x - 2s, y - s),
// (x, y + 3s/2), (x + 2s, y - s)) or up (mirrored).
struct TTriangleLed {
  TPoint Corners[3];
  TTriangleLed(TPoint Centre, int Size, bool PointsUp);
};
void DrawTriangleLed(TCanvas& Canvas, const TTriangleLed& Led, TColor Colour);
// Its socket: the triangle with a grey outline on dark red.
void DrawTriangleLedSocket(TCanvas& Canvas, const TTriangleLed& Led);

// The status LEDs of an instrument, where they lie, and the properties it shows for them: colour,
// switch and blink of LEDs 1 and 2 (LEDs beyond them by index). The setters follow the
// instrument's LED rules; the instrument says which LEDs are hidden and draws one again. They are
// round LEDs of FLedRadius at FLedCentre unless the instrument draws them otherwise.
template <int Count>
class TMeterLeds {
 public:
  TColor ColLed1() const { return FLeds[0].Colour; }
  void SetColLed1(TColor Value) { SetColLed(0, Value); }
  TColor ColLed2() const { return FLeds[1].Colour; }
  void SetColLed2(TColor Value) { SetColLed(1, Value); }
  bool LedOn1() const { return FLeds[0].On; }
  void SetLedOn1(bool Value) { SetLedOn(0, Value); }
  bool LedOn2() const { return FLeds[1].On; }
  void SetLedOn2(bool Value) { SetLedOn(1, Value); }
  bool LedBlink1() const { return FLeds[0].Blink; }
  void SetLedBlink1(bool Value) { SetLedBlink(0, Value); }
  bool LedBlink2() const { return FLeds[1].Blink; }
  void SetLedBlink2(bool Value) { SetLedBlink(1, Value); }

 protected:
  explicit TMeterLeds(const TLedRules& Rules) : FLedRules(Rules) {}
  virtual ~TMeterLeds() = default;

  void SetColLed(int Index, TColor Value) {
    FLeds[Index].SetColour(Value, FLedRules);
    DrawLed(Index);
  }
  void SetLedOn(int Index, bool Value) {
    if (FLeds[Index].SetOn(Value, LedHidden(Index), FLedRules)) DrawLed(Index);
  }
  void SetLedBlink(int Index, bool Value) {
    if (FLeds[Index].SetBlink(Value, LedHidden(Index), FLedRules)) DrawLed(Index);
  }
  // The blink tick: every shown blinking LED takes the phase and is drawn again.
  void StepLeds(bool Phase) {
    for (int i = 0; i < Count; ++i) {
      if (!LedHidden(i) && FLeds[i].Step(Phase)) DrawLed(i);
    }
  }
  // The shown LEDs that meet Area, drawn into Canvas (the work image being composed).
  void DrawLedsIn(TCanvas& Canvas, const TRect& Area) const {
    for (int i = 0; i < Count; ++i) {
      TRect led;
      if (!LedHidden(i) && IntersectRect(led, LedBox(i), Area)) DrawLedInto(Canvas, i);
    }
  }
  // LED Index is switched off by its LedEnable.
  virtual bool LedHidden(int Index) const = 0;
  // Draws LED Index as it shows now, where it is shown and painted.
  virtual void DrawLed(int Index) = 0;
  // LED Index as it shows now, and the pixels it covers.
  virtual void DrawLedInto(TCanvas& Canvas, int Index) const {
    const TMeterLed& led = FLeds[Index];
    DrawRoundLed(Canvas, FLedCentre[Index], FLedRadius, LedColour(led.Colour, led.Shows()));
  }
  virtual TRect LedBox(int Index) const { return LedCircleBox(FLedCentre[Index], FLedRadius); }

  TMeterLed FLeds[Count];
  TPoint FLedCentre[Count];
  int FLedRadius = 0;

 private:
  const TLedRules FLedRules;
};

// Two LEDs, red and green at first, shown or hidden together by LedEnable; a change of it
// repaints by LedEnableChanged.
class TLedPair : public TMeterLeds<2> {
 public:
  bool LedEnable() const { return FLedEnable; }
  void SetLedEnable(bool Value) {
    if (StoreChanged(FLedEnable, Value)) LedEnableChanged();
  }

 protected:
  explicit TLedPair(const TLedRules& Rules) : TMeterLeds(Rules) {
    FLeds[0].Colour = clRed;
    FLeds[1].Colour = clLime;
  }
  bool LedHidden(int) const final { return !FLedEnable; }
  virtual void LedEnableChanged() = 0;

  bool FLedEnable = true;
};
