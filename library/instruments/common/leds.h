#pragma once
// The status LEDs of the meters: their state, the colour rule and the drawing of a round LED and
// of its socket.

#include "library/foundation/ledcolors.h"
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
    if (Rules.ColourSetsPhase) Lit = On;
  }
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
// Leaves the canvas with that pen and brush, in copy mode.
void DrawRoundLed(TCanvas& Canvas, TPoint Centre, int Radius, TColor Colour);

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

// The maker mark of the meters: 9 pixels high in grey Arial, transparent, its top-left at (X, Y).
void DrawMeterMakerMark(TCanvas& Canvas, int X, int Y);
