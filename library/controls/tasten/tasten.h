#pragma once
// Unit Tasten: buttons, LEDs and spin elements. Radio groups (buttongroup.h) and the LED colour
// rule (library/foundation/ledcolors.h) are shared by every button class of the unit; each
// blinking element blinks in step with BlinkPhase through a blink record (tickrecord.h).

#include "library/controls/tasten/bevel3d.h"
#include "library/controls/tasten/buttongroup.h"
#include "library/controls/tasten/groupbutton.h"
#include "library/controls/tasten/ledbutton.h"
#include "library/controls/tasten/ledcheck.h"
#include "library/controls/tasten/spin.h"
#include "library/controls/tasten/tickrecord.h"
