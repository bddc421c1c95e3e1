#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "library/foundation/digits.h"
#include "library/foundation/helpers.h"
#include "library/foundation/store.h"
#include "library/instruments/common/readout.h"
#include "library/instruments/common/squaredial.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"
#include "platform/graphics/bitmap.h"

namespace {

bool RangeReaches1000(double Start, double End) { return End >= 1000 || Start <= -1000; }

bool IsPoint(char C) { return C == '.' || C == ','; }

// Whether the digits before the point of Text fit Cells cells, the point sharing the cell of
// the character before it. A text in exponent form never fits: its first cells would read as a
// plain number.
bool IntegerPartFits(const std::string& Text, int Cells) {
  if (Text.find_first_of("Ee") != std::string::npos) return false;
  int used = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (IsPoint(Text[i]) && i > 0) return used <= Cells;
    ++used;
  }
  return used <= Cells;
}

}  // namespace

TMeterPanelV::TMeterPanelV(TComponent* AOwner)
    : TPanelMeter(AOwner, kPanelMeterVRules, true), FReadout(std::make_unique<TDigDisplay>()) {
  FLimitsBeforePeak = true;
  Font()->SetColor(0x00FFFF);
  SetColBack(0x800000);
  SetWidth(80);
  SetHeight(360);
}

TMeterPanelV::~TMeterPanelV() = default;

// ---- Setters ----

void TMeterPanelV::RangeStartChanged() {
  const double r = FScale.End - FScale.Start;
  FValueMin = FScale.Start + 0.2 * r;
  FValueMid = FScale.Start + 0.8 * r;
  FLowerLimit = FValueMin;
}

void TMeterPanelV::RangeEndChanged() {
  const double r = FScale.End - FScale.Start;
  FValueMin = FScale.Start + 0.2 * r;
  FValueMid = FScale.Start + 0.8 * r;
  FUpperLimit = FValueMid;
}

void TMeterPanelV::SetValueMin(double Value) {
  if (!std::isfinite(Value)) return;
  if (ComponentState().Contains(csReading)) {
    FValueMin = Value;
    return;
  }
  if (Value > FValueMid) {
    Value = FValueMid;
  } else if (Value < FScale.Start) {
    Value = FScale.Start;
  }
  if (StoreChanged(FValueMin, Value)) RepaintNow();
}

void TMeterPanelV::SetValueMid(double Value) {
  if (!std::isfinite(Value)) return;
  if (ComponentState().Contains(csReading)) {
    FValueMid = Value;
    return;
  }
  if (Value < FValueMin) {
    Value = FValueMin;
  } else if (Value > FScale.End) {
    Value = FScale.End;
  }
  if (StoreChanged(FValueMid, Value)) RepaintNow();
}

void TMeterPanelV::SetMeterStyle(TMeterStyle Value) {
  if (StoreChanged(FMeterStyle, Value)) RepaintNow();
}

void TMeterPanelV::SetLedZahl(int Value) {
  if (FMeterStyle != TMeterStyle::LedBar) return;
  Value = std::max(1, std::min(std::max(Value, 2), Height() / 10));
  if (StoreChanged(FLedZahl, Value)) RepaintNow();
}

void TMeterPanelV::SetColMin(TColor Value) {
  if (StoreChanged(FColMin, Value)) UpdatePointer(true);
}
void TMeterPanelV::SetColMid(TColor Value) {
  if (StoreChanged(FColMid, Value)) UpdatePointer(true);
}
void TMeterPanelV::SetColMax(TColor Value) {
  if (StoreChanged(FColMax, Value)) UpdatePointer(true);
}
void TMeterPanelV::SetColAnd(TColor Value) {
  if (StoreChanged(FColAnd, Value)) UpdatePointer(true);
}

void TMeterPanelV::SetDispEnable(bool Value) {
  if (StoreChanged(FDispEnable, Value)) RepaintNow();
}
void TMeterPanelV::SetColDBack(TColor Value) {
  if (StoreChanged(FColDback, Value)) RepaintNow();
}
void TMeterPanelV::SetColDRand(TColor Value) {
  if (StoreChanged(FColDrand, Value)) RepaintNow();
}
void TMeterPanelV::SetColDisplay(TColor Value) {
  if (StoreChanged(FColDisplay, Value)) RepaintNow();
}
void TMeterPanelV::SetCaption(const std::string& Value) {
  if (StoreChanged(FCaption, Value)) RepaintNow();
}
void TMeterPanelV::SetTextName(const std::string& Value) {
  if (StoreChanged(FTextName, Value)) RepaintNow();
}

void TMeterPanelV::SetDispFixPnt(bool Value) {
  FDispFixPnt = Value;
  RepaintNow();
}

void TMeterPanelV::SetDispItalic(bool Value) {
  FDispItalic = Value;
  FReadout->Italic = Value;
  RepaintNow();
}

void TMeterPanelV::ResetPeak() {
  if (FPointer.PeakValue <= FScale.Start) return;
  FPointer.PeakValue = FScale.Start;
  UpdatePointer(true);
}

// ---- Readout ----

std::string TMeterPanelV::ReadoutText(double Shown, double ValueStart, double ValueEnd,
                                      bool DispFixPnt) {
  const double m = std::fabs(Shown);
  const bool five = RangeReaches1000(ValueStart, ValueEnd);
  int decimals;
  if (five) {
    if (DispFixPnt) {
      decimals = m < 1000 ? 2 : m < 10000 ? 1 : 0;
    } else {
      decimals = m < 100 ? 3 : m < 1000 ? 2 : m < 10000 ? 1 : 0;
    }
  } else if (DispFixPnt) {
    decimals = ValueEnd < 10 ? 3 : m < 100 ? 2 : m < 1000 ? 1 : 0;
  } else {
    decimals = m < 10 ? 3 : m < 100 ? 2 : m < 1000 ? 1 : 0;
  }
  const int cells = five ? 5 : 4;
  std::string text = FloatToStrF(Shown, ffFixed, cells, decimals);
  // With a point the text is one character longer than the cells it fills.
  const size_t width = cells + 1;
  if (decimals > 0 && text.size() < width) text.insert(0, width - text.size(), ' ');
  if (!IntegerPartFits(text, cells)) return std::string(cells, '-');
  return text;
}

std::string TMeterPanelV::ReadoutShows() const { return FReadout->GetText(); }
int TMeterPanelV::ReadoutCells() const { return FReadout->Count(); }

TRect TMeterPanelV::FollowShownValue(bool Force) {
  if (!FDispEnable) return TRect{};
  const std::string text = ReadoutText(FPointer.ShownValue, FScale.Start, FScale.End, FDispFixPnt);
  return UpdateReadout(*FReadout, text, *FrameBitmap->Canvas(), FColDisplay, Force);
}

// ---- Paint ----

TRect TMeterPanelV::LayoutFrame(TCanvas& c) {
  const int w = Width(), h = Height();
  const int a = h / 86, b = std::min(h / 16, 20), led_row = std::min(2 * b, 20);
  const int d = std::clamp(h / 14, 22, 35);
  TRect inner = InnerRect;
  FReadoutRect.Left = inner.Left + a;
  FReadoutRect.Top = inner.Top + a;
  FReadoutRect.Right = std::min(
      FReadoutRect.Left + (RangeReaches1000(FScale.Start, FScale.End) ? 3 * d : (24 * d) / 10),
      inner.Right - a);
  FReadoutRect.Bottom = inner.Top + d;

  const int readout_room = FDispEnable ? d : 0;
  const int led_room = FLedEnable ? led_row : 0;
  const int corner = std::min(w / 6, 18);
  FFace = DrawFace(c, inner, a, b, {0, readout_room, 0, led_room}, corner);
  const int led_y = inner.Bottom + (2 * led_row) / 3;
  FLedCentre[0] = {(7 * w) / 10, led_y};
  FLedCentre[1] = {(3 * w) / 10, led_y};
  FLedRadius = led_row / 3;
  if (FDispEnable) {
    c.Brush()->SetColor(FColDback);
    c.Pen()->SetColor(FColDrand);
    const TRect& r = FReadoutRect;
    if (FShape == smtRectangle) {
      c.Rectangle(r);
    } else {
      c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, (2 * corner) / 4, (2 * corner) / 4);
    }
    const int e = ((8 * (r.Bottom - r.Top)) / 10) / 8;
    TRect cells = r;
    InflateRect(cells, -(e + 1), -(e + 1));
    FReadout->Layout(cells, RangeReaches1000(FScale.Start, FScale.End) ? 5 : 4, FColDback);
  }
  return inner;
}

void TMeterPanelV::Paint() {
  TOrvaneBase::Paint();
  BeginPaint();
  TCanvas& c = *FrameBitmap->Canvas();
  c.SetFont(Font());
  const int w = Width(), h = Height();
  const int fh = Font()->Height();
  if (FMeterStyle == TMeterStyle::LedBar && FLedZahl > h / 10) FLedZahl = std::max(1, h / 10);

  TRect inner = LayoutFrame(c);
  TRect name_band = inner;
  InflateRect(name_band, -3, -3);
  TRect unit_band = name_band;
  inner.Left += 7;
  inner.Right -= 7;
  inner.Top -= 2 * fh;
  inner.Bottom += 2 * fh;

  const int decimals = ScaleLabelDecimals(FScale.End - FScale.Start, 2, 4);
  int label_width;
  if (FScale.NonLinear) {
    label_width = c.TextWidth("103");
  } else {
    label_width = std::max(c.TextWidth(FloatToStrF(FScale.End, ffFixed, 4, decimals)),
                           c.TextWidth(FloatToStrF(FScale.Start, ffFixed, 4, decimals)));
  }
  ++label_width;
  inner.Right = inner.Left + std::clamp(h / 30, 10, 15);
  name_band.Bottom = inner.Top + (6 * fh) / 10;
  unit_band.Top = inner.Bottom - fh / 2;
  FBar = inner;
  if (FMeterStyle != TMeterStyle::simpleMeter) {
    FBar.Right = FBar.Left + std::max(w / 3 - 10, 10);
    inner.Left = FBar.Right + 5;
    inner.Right = inner.Left + std::clamp(w / 8, 4, 15);
  }
  FStrip = inner;
  FScaleP0 = inner.Top;
  FScaleLength = inner.Bottom - inner.Top;
  DrawScale(c, {inner.Bottom, inner.Left, inner.Right, label_width});

  c.SetFont(FontCapt());
  DrawTextBand(c, unit_band, FCaption);
  DrawTextBand(c, name_band, FTextName);

  FHalfHeight = ((inner.Right - inner.Left + 10) * 4) / 10;
  c.Pen()->SetColor(FColScala);
  c.Pen()->SetWidth(1);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Brush()->SetStyle(bsSolid);
  if (FMeterStyle != TMeterStyle::simpleMeter) {
    c.Brush()->SetColor(ColBack());
    c.Rectangle(FBar.Left - 1, FBar.Top - 1, FBar.Right, FBar.Bottom);
    // Inside the frame's right and bottom lines, so neither style paints over them.
    --FBar.Right;
    --FBar.Bottom;
  }
  // Zone rows inside the bar, the middle one never below the lower one, whatever a form held.
  FYMin = std::clamp(ValueToPixel(FValueMin), FBar.Top, std::max(FBar.Top, FBar.Bottom));
  FYMid = std::clamp(ValueToPixel(FValueMid), FBar.Top, FYMin);

  if (FLedEnable) {
    const int centre = (FLedCentre[0].X - FLedCentre[1].X) / 2 + FLedCentre[1].X;
    DrawMakerMark(c, centre, FLedCentre[0].Y - 2);
  }
  EndPaint(inner.Bottom + 1);
}

void TMeterPanelV::DrawTextBand(TCanvas& c, const TRect& Band, const std::string& Text) {
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(ColBack());
  c.FillRect(Band);
  if (Text.empty()) return;
  c.Brush()->SetStyle(bsClear);
  const int height = Band.Bottom - Band.Top;
  c.TextRect(Band, Band.Left + (Band.Right - Band.Left - c.TextWidth(Text)) / 2,
             Band.Top + (c.Font()->Height() + height) / 3, Text);
}

// ---- Moving parts ----

TColor TMeterPanelV::Dimmed(TColor Colour) const {
  return static_cast<TColor>(static_cast<uint32_t>(Colour) & static_cast<uint32_t>(FColAnd));
}

void TMeterPanelV::PointerAt(int Y, TPoint (&Corners)[3]) const {
  const int hp = FHalfHeight;
  const int x = FStrip.Left - 2;
  Corners[0] = {FStrip.Right + 8, Y};
  Corners[1] = {x, Y - hp};
  Corners[2] = {x, Y + hp};
}

void TMeterPanelV::PeakAt(int Y, TPoint (&Corners)[3]) const {
  const int hp = FHalfHeight;
  const int x = FFace.Right - 2;
  Corners[0] = {x - hp, Y};
  Corners[1] = {x, Y - hp};
  Corners[2] = {x, Y + hp};
}

void TMeterPanelV::DrawMovingParts(TCanvas& Work) {
  TPoint corners[3];
  if (FPointer.PeakMode != ppNone && FMeterStyle != TMeterStyle::LedBar) {
    PeakAt(FPeakPos, corners);
    Work.Brush()->SetColor(FColPeakPtr);
    Work.Polygon(corners);
  }
  if (FMeterStyle != TMeterStyle::BarGraph) {
    PointerAt(FPointerPos, corners);
    Work.Brush()->SetColor(FColPointer);
    Work.Polygon(corners);
  }
  if (FMeterStyle == TMeterStyle::LedBar) DrawLedColumn(Work);
  if (FMeterStyle == TMeterStyle::BarGraph) DrawZoneBar(Work);
}

TRect TMeterPanelV::BarRows(int Top, int Bottom) const {
  return TRect{FBar.Left - 1, std::min(Top, Bottom) - 1, FBar.Right + 1, std::max(Top, Bottom) + 2};
}

// The column's LEDs change where the pointer's row passed their lower edge and where the peak
// left or entered one; the bar's zones change between the pointer's old and new rows.
TRect TMeterPanelV::MovedArea(int OldPointer, int OldPeak) const {
  TRect area{};
  TPoint corners[3];
  if (FPointer.PeakMode != ppNone && FMeterStyle != TMeterStyle::LedBar) {
    PeakAt(OldPeak, corners);
    UnionRect(area, area, PolygonBox(corners));
    PeakAt(FPeakPos, corners);
    UnionRect(area, area, PolygonBox(corners));
  }
  if (FMeterStyle != TMeterStyle::BarGraph) {
    PointerAt(OldPointer, corners);
    UnionRect(area, area, PolygonBox(corners));
    PointerAt(FPointerPos, corners);
    UnionRect(area, area, PolygonBox(corners));
  }
  if (FMeterStyle == TMeterStyle::BarGraph && OldPointer != FPointerPos) {
    UnionRect(area, area, BarRows(OldPointer, FPointerPos));
  }
  if (FMeterStyle == TMeterStyle::LedBar) {
    // One LED's height and a row to spare.
    const int led = (FBar.Bottom - FBar.Top) / std::max(FLedZahl, 1) + 2;
    if (OldPointer != FPointerPos) {
      UnionRect(
          area, area,
          BarRows(std::min(OldPointer, FPointerPos) - led, std::max(OldPointer, FPointerPos)));
    }
    if (FPointer.PeakMode != ppNone && OldPeak != FPeakPos) {
      UnionRect(area, area, BarRows(OldPeak - led, OldPeak + led));
      UnionRect(area, area, BarRows(FPeakPos - led, FPeakPos + led));
    }
  }
  return area;
}

void TMeterPanelV::DrawLedColumn(TCanvas& Work) const {
  Work.Pen()->SetStyle(psSolid);
  Work.Pen()->SetWidth(1);
  Work.Pen()->SetColor(0x808080);
  const int hb = FBar.Bottom - FBar.Top;
  const int count = std::max(FLedZahl, 1);
  const bool peak = FPointer.PeakMode != ppNone;
  // Only the LEDs in the area being recomposed.
  const TRect clip = Work.ClipRect();
  int lower = FBar.Bottom;
  for (int j = 1; j <= count; ++j) {
    const int top = FBar.Bottom - static_cast<int>(Round(double(hb) / count * j));
    if (std::max(top, lower) <= clip.Top || std::min(top, lower) >= clip.Bottom) {
      lower = top;
      continue;
    }
    const TColor colour = lower <= FYMid ? FColMax : lower <= FYMin ? FColMid : FColMin;
    const bool lit = FPointerPos <= lower || (peak && top <= FPeakPos && FPeakPos < lower);
    Work.Brush()->SetColor(lit ? colour : Dimmed(colour));
    Work.Rectangle(FBar.Left, top, FBar.Right, lower);
    lower = top;
  }
  Work.Pen()->SetStyle(psClear);
}

void TMeterPanelV::DrawZoneBar(TCanvas& Work) const {
  const struct {
    int top, bottom;
    TColor colour;
  } zones[3] = {{FYMin, FBar.Bottom, FColMin}, {FYMid, FYMin, FColMid}, {FBar.Top, FYMid, FColMax}};
  for (const auto& z : zones) {
    if (z.bottom <= z.top) continue;
    const int lit_top = std::clamp(FPointerPos, z.top, z.bottom);
    Work.Brush()->SetColor(Dimmed(z.colour));
    Work.FillRect(Rect(FBar.Left, z.top, FBar.Right, lit_top));
    Work.Brush()->SetColor(z.colour);
    Work.FillRect(Rect(FBar.Left, lit_top, FBar.Right, z.bottom));
  }
}
