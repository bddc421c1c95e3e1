#include "library/instruments/common/readout.h"

#include <cmath>

#include "library/foundation/digits.h"
#include "platform/base/sysutils.h"

std::string RoundMeterReadoutText(double Shown, bool DispFixPnt, double ValueStart,
                                  double ValueEnd) {
  int decimals;
  if (DispFixPnt) {
    if (ValueEnd < 10 && ValueStart > -10) {
      decimals = 3;
    } else if (ValueEnd < 100 && ValueStart > -100) {
      decimals = 2;
    } else if (ValueEnd < 1000 && ValueStart > -1000) {
      decimals = 1;
    } else {
      decimals = 0;
    }
  } else {
    const double magnitude = std::fabs(Shown);
    decimals = magnitude < 10 ? 3 : magnitude < 100 ? 2 : magnitude < 1000 ? 1 : 0;
  }
  std::string text = FloatToStrF(Shown, ffFixed, 4, decimals);
  if (decimals > 0 && text.size() < 5) text.insert(0, 5 - text.size(), ' ');
  return text;
}

bool ShowReadout(TDigDisplay& Readout, const std::string& Text, TCanvas& Canvas, TColor Colour,
                 bool Force) {
  if (!Force && Text == Readout.GetText()) return false;
  Readout.SetText(Text, Canvas, Colour);
  return true;
}

TRect UpdateReadout(TDigDisplay& Readout, const std::string& Text, TCanvas& Canvas, TColor Colour,
                    bool Force) {
  if (!Force) return Readout.UpdateText(Text, Canvas, Colour);
  Readout.SetText(Text, Canvas, Colour);
  TRect drawn{};
  for (int i = 1; i <= Readout.Count(); ++i) {
    UnionRect(drawn, drawn, NormalizeRect(Readout.Cell(i)->CellRect()));
  }
  return drawn;
}
