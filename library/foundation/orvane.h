#pragma once
// The control foundation of the library: frames and the button model, the shared tick service
// with the blink phase, the timer component, segment-character cells and the shared helpers.

#include "library/foundation/digits.h"
#include "library/foundation/frame.h"
#include "library/foundation/helpers.h"
#include "library/foundation/ledcolors.h"
#include "library/foundation/segments.h"
#include "library/foundation/smarttimer.h"
#include "library/foundation/tickservice.h"
#include "library/foundation/types.h"
