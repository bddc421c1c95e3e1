// TMeter120: the numbers of its dial.

#include "library/instruments/instrund/instrund.h"

namespace {

constexpr TArcDial kDial{.Sweep = 120,
                         .Back = 250,
                         .LyingTall = 6,
                         .HalfWidth = 960,
                         .WideSpan = 800,
                         .WideShare = 0.5,
                         .RoundWideSpan = false,
                         .StandingTall = 0,
                         .Depth = 850,
                         .HalfHeight = 920,
                         .DepthExtra = 0,
                         .LyingTurn = 30,
                         .StandingTurn = 60,
                         .ClipToFace = true,
                         .ScaleTurn = -120,
                         .LogMinorRadius = 810,
                         .LabelWidthOnControl = false,
                         .LyingReadout = {{-260, 590}, {260, 400}},
                         .StandingReadout = {{250, 75}, {655, -75}},
                         .StandingCaption = {450, 140},
                         .Hub = false,
                         .PointerHalf = 20,
                         .PeakHalf = 20,
                         .LedShare = {2, 3},
                         .LyingLed = {-850, 950},
                         .StandingLed = {1000, 800}};

}  // namespace

TMeter120::TMeter120(TComponent* AOwner) : TArcMeter(AOwner, kDial) {
  FUpdateAfterTick = true;
  FCaption = "l/min";
  SetWidth(250);
  SetHeight(112);
}
