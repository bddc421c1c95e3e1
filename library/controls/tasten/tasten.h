#pragma once
// Unit Tasten: buttons, switches, LEDs and spin elements.
//
// What every button class of the unit shares:
// - Radio groups (buttongroup.h): TGroupMember, NotifyGroup, ReleasedByNotice/NoticeFromOther and
//   OtherGroupMembers. The frame-based buttons derive from TGroupButton (groupbutton.h), which
//   holds GroupIndex, AllowAllUp, the Down setter, the press refusal and the notice handler.
// - The LED colour rule and the LED body (library/foundation/ledcolors.h): LedColour(Colour, Lit,
//   Enabled), LedTextColour, LedDimmed, DrawLed.
// - Blinking in step (tickrecord.h): a TTickRecord of kind Blink whose callback, after the first
//   paint and with the class's blink switch on, draws the element by BlinkPhase and ends with
//   TickHook.

#include "library/controls/tasten/arrowbtn.h"
#include "library/controls/tasten/bevel3d.h"
#include "library/controls/tasten/boxline.h"
#include "library/controls/tasten/buttongroup.h"
#include "library/controls/tasten/groupbutton.h"
#include "library/controls/tasten/ledbutton.h"
#include "library/controls/tasten/ledcheck.h"
#include "library/controls/tasten/multibmp.h"
#include "library/controls/tasten/pictbutton.h"
#include "library/controls/tasten/slidebutton.h"
#include "library/controls/tasten/spin.h"
#include "library/controls/tasten/tickrecord.h"
