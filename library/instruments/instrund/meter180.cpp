// TMeter180: the numbers of its dial.

#include "library/instruments/instrund/instrund.h"

namespace {

constexpr TArcDial kDial{.Sweep = 180,
                         .Back = -150,
                         .LyingTall = -4,
                         .HalfWidth = 1100,
                         .WideSpan = 1050,
                         .WideShare = 0.575,
                         .RoundWideSpan = true,
                         .StandingTall = -7,
                         .Depth = 1250,
                         .HalfHeight = 1050,
                         .DepthExtra = 150,
                         .LyingTurn = 0,
                         .StandingTurn = 90,
                         .ClipToFace = false,
                         .ScaleTurn = -90,
                         .LogMinorRadius = 840,
                         .LabelWidthOnControl = true,
                         .LyingReadout = {{-260, 520}, {260, 330}},
                         .StandingReadout = {{0, -150}, {515, -340}},
                         .StandingCaption = {255, 245},
                         .Hub = true,
                         .PointerHalf = 17,
                         .PeakHalf = 18,
                         .LedShare = {3, 4},
                         .LyingLed = {-1000, 950},
                         .StandingLed = {1000, 950}};

}  // namespace

TMeter180::TMeter180(TComponent* AOwner) : TArcMeter(AOwner, kDial) {
  FCaption = "U/min x100";
  SetWidth(250);
  SetHeight(144);
}
