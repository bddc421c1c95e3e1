// TCurveSynth: construction, properties, ranges and the value <-> pixel mapping.

#include "programs/curves/curvesynth.h"

#include <algorithm>
#include <cmath>

#include "library/foundation/helpers.h"

namespace {

constexpr TColor kDefaultChanCol[kCurveChannels] = {clRed, clBlue, clFuchsia, clGreen};
constexpr TCurveTyp kDefaultChanTyp[kCurveChannels] = {ipLinear, ipBezier, ipSpline, ipBezier};

// Where a cross-hair goes on an axis whose range it has left.
double Middle(double Start, double End) { return Start + (End - Start) / 2; }

}  // namespace

TCurveSynth::TCurveSynth(TComponent* AOwner)
    : TRahmen(AOwner), FPlotBitmap(std::make_unique<TBitmap>()) {
  for (int c = 1; c <= kCurveChannels; ++c) {
    Chan(c).Name = "Chan " + std::to_string(c);
    Chan(c).Col = kDefaultChanCol[c - 1];
    Chan(c).Typ = kDefaultChanTyp[c - 1];
  }
  SetBounds(Left(), Top(), 380, 280);
  MakeAxes();
}

TCurveSynth::~TCurveSynth() { ReleaseMouse(); }

bool TCurveSynth::Reading() const { return ComponentState().Contains(csReading); }

TNotifyEvent& TCurveSynth::ChanErrEvent(int C) {
  switch (C) {
    case 1:
      return onChan1Err;
    case 2:
      return onChan2Err;
    case 3:
      return onChan3Err;
    default:
      return onChan4Err;
  }
}

void TCurveSynth::StoreColour(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  RedrawPlot();
}

// --- Caption, units, channels ---

void TCurveSynth::SetCaption(const std::string& Value) {
  FCaption = Value;
  DrawCaption();
}

void TCurveSynth::SetCaptBackCol(TColor Value) {
  if (FCaptBackCol == Value) return;
  FCaptBackCol = Value;
  DrawCaption();
}

void TCurveSynth::SetCaptionCol(TColor Value) {
  if (FCaptionCol == Value) return;
  FCaptionCol = Value;
  DrawCaption();
}

void TCurveSynth::SetUnitNameX(const std::string& Value) {
  if (FUnitNameX == string32(Value)) return;
  FUnitNameX = Value;
  Invalidate();
}

void TCurveSynth::SetUnitNameY(const std::string& Value) {
  if (FUnitNameY == string32(Value)) return;
  FUnitNameY = Value;
  Invalidate();
}

void TCurveSynth::SetUnitColX(TColor Value) { StoreAndRepaint(FUnitColX, Value); }
void TCurveSynth::SetUnitColY(TColor Value) { StoreAndRepaint(FUnitColY, Value); }

void TCurveSynth::SetChanName(int C, const std::string& Value) {
  if (Chan(C).Name == Value) return;
  Chan(C).Name = Value;
  DrawReadouts();
}

void TCurveSynth::SetChanCol(int C, TColor Value) { StoreColour(Chan(C).Col, Value); }

void TCurveSynth::SetChanVis(int C, bool Value) {
  if (Chan(C).Vis == Value) return;
  Chan(C).Vis = Value;
  RedrawPlot();
}

void TCurveSynth::SetChanCurvTyp(int C, TCurveTyp Value) {
  if (Chan(C).Typ == Value) return;
  Chan(C).Typ = Value;
  FPoints[C].Recompute = true;
  RedrawPlot();
}

void TCurveSynth::SetChanCurvPts(int C, int Value) {
  if (FPoints[C].Count == Value) return;
  FPoints[C].Count = std::clamp(Value, kMinCurvePoints, kMaxCurvePoints);
  SetChanX_Succ(C, FPoints[C].XSucc);
}

void TCurveSynth::SetChanX_Succ(int C, bool Value) {
  FPoints[C].XSucc = Value;
  if (Value) FPoints.MakeAscending(C, AscendingStep());
  FPoints[C].Recompute = true;
  RedrawPlot();
}

bool TCurveSynth::GetChanPoint(int C, int Index, double& X, double& Y) const {
  return FPoints.GetPoint(C, Index, X, Y);
}

bool TCurveSynth::SetChanPoint(int C, int Index, double X, double Y) {
  return FPoints.SetPoint(C, Index, X, Y);
}

// --- Plot look ---

void TCurveSynth::SetColDisplay(TColor Value) { StoreColour(FColDisplay, Value); }
void TCurveSynth::SetColGrid(TColor Value) { StoreColour(FColGrid, Value); }
void TCurveSynth::SetColZeroLine(TColor Value) { StoreColour(FColZeroLine, Value); }

void TCurveSynth::SetPointerCol(TColor Value) {
  if (FPointerCol == Value) return;
  if (FMouseFunct == TMouseFunc::mfMeas) {
    SetMouseFunct(TMouseFunc::none);  // erases the cross-hairs in the old colour
    FPointerCol = Value;
    SetMouseFunct(TMouseFunc::mfMeas);
  }
  FPointerCol = Value;
}

void TCurveSynth::SetMarkerCol(TColor Value) {
  if (FMarkerCol == Value) return;
  if (FMouseFunct == TMouseFunc::mfMeas) {
    SetMouseFunct(TMouseFunc::none);
    FMarkerCol = Value;
    SetMouseFunct(TMouseFunc::mfMeas);
  }
  FMarkerCol = Value;
}

void TCurveSynth::SetScalaPartX(int Value) {
  StoreAndRepaint(FScalaPartX, std::clamp(Value, 1, 20));
}
void TCurveSynth::SetScalaPartY(int Value) {
  StoreAndRepaint(FScalaPartY, std::clamp(Value, 1, 20));
}

void TCurveSynth::SetPositionShow(bool Value) {
  if (FPositionShow == Value) return;
  FPositionShow = Value;
  DrawReadouts();
}

// --- Cross-hair positions ---

void TCurveSynth::SetPointerPosX(double Value) {
  if (FNonLinearX) {
    if (!(Value >= FLogStartX && Value <= FLogEndX)) Value = Middle(FLogStartX, FLogEndX);
  } else if (!(Value >= FWorkLinStartX && Value <= FWorkLinEndX)) {
    Value = Middle(FWorkLinStartX, FWorkLinEndX);
  }
  if (Value == FPointerPosX) return;
  FPointerPosX = Value;
  DrawPointer();
}

void TCurveSynth::SetPointerPosY(double Value) {
  if (FNonLinearY) {
    if (!(Value >= FLogStartY && Value <= FLogEndY)) Value = Middle(FLogStartY, FLogEndY);
  } else if (!(Value >= FWorkLinStartY && Value <= FWorkLinEndY)) {
    Value = Middle(FWorkLinStartY, FWorkLinEndY);
  }
  if (Value == FPointerPosY) return;
  FPointerPosY = Value;
  DrawPointer();
}

void TCurveSynth::SetMarkerPosX(double Value) {
  if (FNonLinearX) {
    if (!(Value >= FLogStartX && Value <= FLogEndX)) Value = Middle(FLogStartX, FLogEndX);
  } else if (!(Value >= FWorkLinStartX && Value <= FWorkLinEndX)) {
    Value = Middle(FWorkLinStartX, FWorkLinEndX);
  }
  if (Value == FMarkerPosX) return;
  FMarkerPosX = Value;
  DrawMarker();
}

void TCurveSynth::SetMarkerPosY(double Value) {
  if (FNonLinearY) {
    if (!(Value >= FLogStartY && Value <= FLogEndY)) Value = Middle(FLogStartY, FLogEndY);
  } else if (!(Value >= FWorkLinStartY && Value <= FWorkLinEndY)) {
    Value = FWorkLinStartY + (FWorkLinEndY - FWorkLinStartY) * 0.3;
  }
  if (Value == FMarkerPosY) return;
  FMarkerPosY = Value;
  DrawMarker();
}

// --- Ranges ---

void TCurveSynth::SetNonLinearX(bool Value) {
  if (FNonLinearX == Value) return;
  FNonLinearX = Value;
  if (FPainted) UpdateRanges();
}

void TCurveSynth::SetNonLinearY(bool Value) {
  if (FNonLinearY == Value) return;
  FNonLinearY = Value;
  if (FPainted) UpdateRanges();
}

void TCurveSynth::SetLinRange(double& Field, double Value, bool IsStart, double& Other, bool Log) {
  if (!std::isfinite(Value)) return;
  if (!Reading()) {
    if (IsStart && !(Value < Other)) Other = Value + 1;
    if (!IsStart && !(Value > Other)) Other = Value - 1;
  }
  if (Log) Value = DecadeStep(Value);
  if (Value == Field) return;
  Field = Value;
  if (FPainted && !Log) UpdateRanges();
}

void TCurveSynth::SetLinStartX(double Value) {
  SetLinRange(FLinStartX, Value, true, FLinEndX, FNonLinearX);
}
void TCurveSynth::SetLinEndX(double Value) {
  SetLinRange(FLinEndX, Value, false, FLinStartX, FNonLinearX);
}
void TCurveSynth::SetLinStartY(double Value) {
  SetLinRange(FLinStartY, Value, true, FLinEndY, FNonLinearY);
}
void TCurveSynth::SetLinEndY(double Value) {
  SetLinRange(FLinEndY, Value, false, FLinStartY, FNonLinearY);
}

void TCurveSynth::SetLogRange(double& Field, double Value, bool IsStart, double& Other, bool IsX) {
  if (std::isnan(Value)) return;
  if (Value < 0) Value = 0.001;
  Value = DecadeStep(Value);
  if (!Reading()) {
    if (IsStart && !(Value < Other)) Other = Value * 1000;
    if (!IsStart && !(Value > Other)) Other = Value * 0.001;
  }
  if (Value == Field) return;
  Field = Value;
  MakeAxes();
  if (FPainted && (IsX ? FNonLinearX : FNonLinearY)) UpdateRanges();
}

void TCurveSynth::SetLogStartX(double Value) {
  SetLogRange(FLogStartX, Value, true, FLogEndX, true);
}
void TCurveSynth::SetLogEndX(double Value) {
  SetLogRange(FLogEndX, Value, false, FLogStartX, true);
}
void TCurveSynth::SetLogStartY(double Value) {
  SetLogRange(FLogStartY, Value, true, FLogEndY, false);
}
void TCurveSynth::SetLogEndY(double Value) {
  SetLogRange(FLogEndY, Value, false, FLogStartY, false);
}

void TCurveSynth::UpdateRanges() {
  FWorkLinStartX = FLinStartX;
  FWorkLinEndX = FLinEndX;
  FWorkLinStartY = FLinStartY;
  FWorkLinEndY = FLinEndY;
  MakeAxes();
  const double xs = FNonLinearX ? FLogStartX : FWorkLinStartX;
  const double xe = FNonLinearX ? FLogEndX : FWorkLinEndX;
  const double ys = FNonLinearY ? FLogStartY : FWorkLinStartY;
  const double ye = FNonLinearY ? FLogEndY : FWorkLinEndY;
  FMarkerPosX = xs + (xe - xs) * 0.3;
  FPointerPosX = xs + (xe - xs) * 0.6;
  FMarkerPosY = ys + (ye - ys) * 0.3;
  FPointerPosY = ys + (ye - ys) * 0.6;
  if (FPainted) ForcePaint();
}

void TCurveSynth::MakeAxes() {
  const int w = FPlotBitmap->Width() - 1;
  const int h = FPlotBitmap->Height();
  FAxisX = FNonLinearX ? MakeCurveAxis(true, FLogStartX, FLogEndX, w, false)
                       : MakeCurveAxis(false, FWorkLinStartX, FWorkLinEndX, w, false);
  FAxisY = FNonLinearY ? MakeCurveAxis(true, FLogStartY, FLogEndY, h, true)
                       : MakeCurveAxis(false, FWorkLinStartY, FWorkLinEndY, h, true);
}

// --- Mapping ---

TPoint TCurveSynth::ValueToPixel(double X, double Y) const {
  return {FAxisX.ToPixel(X), FAxisY.ToPixel(Y)};
}

void TCurveSynth::PixelToValue(int X, int Y, double& VX, double& VY) const {
  VX = FAxisX.FromPixel(X - FLayout.Plot.Left);
  VY = FAxisY.FromPixel(Y - FLayout.Plot.Top);
}

bool TCurveSynth::PointInLogRange(double X, double Y) const {
  if (FNonLinearY &&
      !(Y <= FLogEndY * 10000 && Y <= 10 * FWorkLinEndY && Y >= 10 * FWorkLinStartY)) {
    return false;
  }
  if (FNonLinearX &&
      !(X <= FLogEndX * 10000 && X >= 10 * FWorkLinStartX && X <= 10 * FWorkLinEndX)) {
    return false;
  }
  return true;
}

// --- Snapshot ---

TBitmap* TCurveSynth::HardCopy() {
  auto copy = std::make_unique<TBitmap>();
  copy->SetSize(Width(), Height());
  if (const TCanvas* screen = Canvas()) {
    const TRect all = Rect(0, 0, Width(), Height());
    copy->Canvas()->CopyRect(all, screen, all);
  }
  FHardCopy = std::move(copy);
  return FHardCopy.get();
}

void TCurveSynth::SetHardCopy(TBitmap*) { FHardCopy.reset(); }

void TCurveSynth::StyleChanged(TObject*) { Invalidate(); }
