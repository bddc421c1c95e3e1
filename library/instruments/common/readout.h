#pragma once
// The four-cell segment readout of the round meters.

#include <string>

#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

class TCanvas;
class TDigDisplay;

// Text of the shown value: 4 significant digits with 3, 2, 1 or 0 decimals by its size (below
// 10, 100, 1000), or with DispFixPnt by the range, so the point does not jump while the value
// moves; with decimals it is padded with leading blanks to 5 characters (the point shares a cell).
std::string RoundMeterReadoutText(double Shown, bool DispFixPnt, double ValueStart,
                                  double ValueEnd);

// Draws Text into the readout when it differs from what the readout shows, or when Force is set.
// Returns whether it drew.
bool ShowReadout(TDigDisplay& Readout, const std::string& Text, TCanvas& Canvas, TColor Colour,
                 bool Force);

// The same for an owner that keeps the readout's pixels between calls: only the cells whose
// character changed are drawn (every cell with Force). Returns the area drawn, empty when nothing
// was.
TRect UpdateReadout(TDigDisplay& Readout, const std::string& Text, TCanvas& Canvas, TColor Colour,
                    bool Force);
