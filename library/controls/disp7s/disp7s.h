#pragma once
// The unit of segment displays: the seven-segment display TDisp7Seg, the thumbwheel digit
// TSpin7Seg and the count-down time switch TCtrlTimer.

#include "library/controls/disp7s/ctrltimer.h"
#include "library/controls/disp7s/disp7seg.h"
#include "library/controls/disp7s/spin7seg.h"
