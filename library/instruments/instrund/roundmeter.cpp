#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>

#include "library/foundation/digits.h"
#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/common/readout.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas_state.h"

namespace {

void Polygon3(TCanvas& Canvas, const TPoint (&P)[3]) { Canvas.Polygon(std::span(P, 3)); }

}  // namespace

TRoundMeter::TRoundMeter(TComponent* AOwner, double Sweep, int AutoMinorBelow)
    : TPointerScale(
          kRoundMeterRules, {0, 100}, 10, true, kRoundMeterRules.MaxDamping,
          [this](TObject*) { DampTick(); }, [this](TObject*) { BlinkTick(); }, AOwner),
      TLedPair(kRoundMeterRules.Leds),
      FSweep(Sweep),
      FAutoMinorBelow(AutoMinorBelow),
      FReadout(std::make_unique<TDigDisplay>()) {
  Font()->SetColor(clWhite);
  SetColBack(0x800000);
}

TRoundMeter::~TRoundMeter() = default;

// ---- Setters ----

void TRoundMeter::RepaintNow() {
  if (FPainted) Paint();
}

void TRoundMeter::StoreOrientation(TOrientType Value) {
  if (StoreChanged(FOrientation, Value)) Invalidate();
}

void TRoundMeter::StoreColCircle(TColor Value) {
  if (StoreChanged(FColCircle, Value)) RepaintNow();
}

void TRoundMeter::SetColMin(TColor Value) {
  if (StoreChanged(FColMin, Value)) RepaintNow();
}
void TRoundMeter::SetColMid(TColor Value) {
  if (StoreChanged(FColMid, Value)) RepaintNow();
}
void TRoundMeter::SetColMax(TColor Value) {
  if (StoreChanged(FColMax, Value)) RepaintNow();
}
void TRoundMeter::SetColPointer(TColor Value) {
  if (StoreChanged(FColPointer, Value)) UpdatePointer(true);
}
void TRoundMeter::SetColPeakPtr(TColor Value) {
  if (StoreChanged(FColPeakPtr, Value)) UpdatePointer(true);
}
void TRoundMeter::SetColDBack(TColor Value) {
  if (StoreChanged(FColDback, Value)) RepaintNow();
}
void TRoundMeter::SetColDRand(TColor Value) {
  if (StoreChanged(FColDrand, Value)) RepaintNow();
}
void TRoundMeter::SetColDisplay(TColor Value) {
  if (StoreChanged(FColDisplay, Value)) RepaintNow();
}
void TRoundMeter::SetColScala(TColor Value) {
  if (StoreChanged(FColScala, Value)) RepaintNow();
}
void TRoundMeter::SetColShape(TColor Value) {
  if (StoreChanged(FColShape, Value)) RepaintNow();
}

bool TRoundMeter::Reading() const { return ComponentState().Contains(csReading); }

void TRoundMeter::SetBand(TColourBands::TBound Which, double Value) {
  if (FBands.Set(Which, Value, Reading(), FScale)) RepaintNow();
}

void TRoundMeter::SetValueMinA(double Value) { SetBand(TColourBands::MinA, Value); }
void TRoundMeter::SetValueMinE(double Value) { SetBand(TColourBands::MinE, Value); }
void TRoundMeter::SetValueMidA(double Value) { SetBand(TColourBands::MidA, Value); }
void TRoundMeter::SetValueMidE(double Value) { SetBand(TColourBands::MidE, Value); }
void TRoundMeter::SetValueMaxA(double Value) { SetBand(TColourBands::MaxA, Value); }
void TRoundMeter::SetValueMaxE(double Value) { SetBand(TColourBands::MaxE, Value); }

void TRoundMeter::RepairRange() {
  if (FScale.Repair([&](bool) { FBands.Reset(FScale); }).SpanKept) FBands.Reset(FScale);
}

void TRoundMeter::SetCaption(const std::string& Value) {
  FCaption = Value;
  RepaintNow();
}

void TRoundMeter::SetDispEnable(bool Value) {
  if (StoreChanged(FDispEnable, Value)) RepaintNow();
}

void TRoundMeter::SetDispItalic(bool Value) {
  FDispItalic = Value;
  FReadout->Italic = Value;
  RepaintNow();
}

void TRoundMeter::SetDispFixPnt(bool Value) {
  FDispFixPnt = Value;
  RepaintNow();
}

void TRoundMeter::ResetPeak() {
  if (FScale.ResetPeak()) UpdatePointer(true);
}

void TRoundMeter::StyleChanged(TObject*) { Invalidate(); }

// ---- Ticks and messages ----

void TRoundMeter::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    UpdatePointer((Message.LParam & 0xFF) != 0);
    return;
  }
  TOrvaneBase::WndProc(Message);
}

void TRoundMeter::DampTick() {
  Perform(WM_USER, 0, 0);
  if (FUpdateAfterTick) {
    Update();
  } else {
    TickHook();
  }
}

void TRoundMeter::BlinkTick() {
  if (!FPainted) return;
  FMarks.BlinkTick(*Canvas(), TLimitMarks::MarkColour(ColBack(), FColPointer), FPointer.OverRange,
                   FPointer.UnderRange);
  StepLeds(BlinkPhase);
}

void TRoundMeter::DrawLed(int Index) {
  if (!FPainted || !FLedEnable || !FDrawn.Valid) return;
  DrawLedInto(*Canvas(), Index);
  DrawLedInto(*WorkBitmap->Canvas(), Index);
}

// ---- Update ----

double TRoundMeter::PointerAngle() const {
  if (FPointer.UnderRange) return 0;
  if (FPointer.OverRange) return FDrawn.Direction * FSweep;
  return FScale.Angle(FPointer.ShownValue, FDrawn.Direction * FSweep);
}

void TRoundMeter::UpdatePointer(bool Force) {
  if (!FPainted || !FDrawn.Valid) return;
  FLimitEvents.BeginStep();
  const TLimitCrossing crossing =
      FPointer.StepShown(FScale.Start, FScale.End, FBands.From(2), FBands.To(0));
  const double s = FPointer.ShownValue;
  if (!FLimitEvents.Fire(crossing, OnUpperLim, OnLowerLim, this)) return;

  FPointer.StepPeak(s, FScale.Start, FScale.End);

  TRect readout{};
  if (FDispEnable) {
    const std::string text = RoundMeterReadoutText(s, FDispFixPnt, FScale.Start, FScale.End);
    readout = UpdateReadout(*FReadout, text, *FrameBitmap->Canvas(), FColDisplay, Force);
  }

  // Each angle's sine and cosine once for all the corners it turns.
  const bool peak = FPointer.PeakMode != ppNone;
  const TPointTurn pointer_turn(FDrawn.Pivot, PointerAngle());
  const TPointTurn peak_turn(
      FDrawn.Pivot, peak ? FScale.Angle(FPointer.PeakValue, FDrawn.Direction * FSweep) : 0);
  if (!Force && IsRectEmpty(readout)) {
    const bool pointer_moved = pointer_turn(FDrawn.PointerBase[0]) != FPointerPoly[0];
    const bool peak_moved = peak && peak_turn(FDrawn.PeakBase[0]) != FPeakPoly[0];
    if (!pointer_moved && !peak_moved) return;
  }
  TurnCorners(FDrawn.PointerBase, FPointerPoly, pointer_turn);
  if (peak) TurnCorners(FDrawn.PeakBase, FPeakPoly, peak_turn);
  // Besides the pointers' old and new places: the readout cells that changed and the flashing
  // marks on the screen.
  TRect changed = readout;
  FMarks.AddShownTo(changed);
  Compose(FUpdateArea.Next(ClientRect(), PointerBox(), changed, Force));
}

TRect TRoundMeter::PointerBox() const {
  TRect box = PolygonBox(FPointerPoly);
  if (FPointer.PeakMode != ppNone) UnionRect(box, box, PolygonBox(FPeakPoly));
  return box;
}

void TRoundMeter::Compose(const TRect& Area) {
  TCanvas& work = *WorkBitmap->Canvas();
  const TCanvasSaver keep(work, cpPen | cpBrush | cpClip);
  BeginCompose(work, FrameBitmap->Canvas(), Area);
  {
    // The pointers are held to the face, the LEDs are not.
    const TCanvasSaver clip(work, cpClip);
    if (FDrawn.ClipToFace) work.IntersectClipRect(FDrawn.FaceClip);
    work.Brush()->SetColor(FColPointer);
    Polygon3(work, FPointerPoly);
    if (FPointer.PeakMode != ppNone) {
      work.Brush()->SetColor(FColPeakPtr);
      Polygon3(work, FPeakPoly);
    }
  }
  DrawLedsIn(work, Area);
  TCanvas& screen = *Canvas();
  EndCompose(work, screen, Area);
  FMarks.AfterCopy(screen, TLimitMarks::MarkColour(ColBack(), FColPointer), FPointer.OverRange,
                   FPointer.UnderRange);
}
