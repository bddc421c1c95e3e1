#pragma once
// What the three direction-pad demo forms share: the column of inputs beside the pad (the modes,
// the repeat speed, the status readout and the two bevel groups) and the readout of the pad's
// down and up events.

#include <cstdint>
#include <string>

#include "library/controls/orvanemisc/directionpad.h"
#include "library/controls/tasten/spin.h"
#include "programs/demo/demoform.h"

struct TPadInputs {
  TGroupBox* Modus = nullptr;
  TCheckBox* Rast = nullptr;  // checked: the directions latch (AllowAllUp off)
  TCheckBox* Lock = nullptr;
  TTextSpin* RepeatSpeed = nullptr;
  TGroupBox* Status = nullptr;
  TEdit* StatusChar = nullptr;
  TEdit* StatusWord = nullptr;
  TRadioGroup* SelBevelOut = nullptr;
  TRadioGroup* SelBevelIn = nullptr;
};

// Adds the column (193 x 192 pixels) at Left, Top and binds it and the pad's down and up events to
// Pad. OffText is the spin's first entry, which switches the repeat off.
TPadInputs AddPadInputs(TFormLoader& Loader, TDirectionPad* Pad, int Left, int Top,
                        const std::string& OffText);

// The status word as the form shows it: "$" and four upper-case hexadecimal digits.
std::string PadStatusWord(uint16_t Status);
