#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "library/foundation/digits.h"
#include "library/foundation/helpers.h"
#include "library/foundation/squaredial.h"
#include "library/foundation/store.h"
#include "library/instruments/common/readout.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas_state.h"

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
  TPanelMeter::RangeStartChanged();
  FValueMin = LowerDefault();
  FValueMid = UpperDefault();
}

void TMeterPanelV::RangeEndChanged() {
  TPanelMeter::RangeEndChanged();
  FValueMin = LowerDefault();
  FValueMid = UpperDefault();
}

void TMeterPanelV::SetValueMin(double Value) {
  if (DropOrStoreRead(FValueMin, Value, Reading())) return;
  if (Value > FValueMid) {
    Value = FValueMid;
  } else if (Value < FScale.Start) {
    Value = FScale.Start;
  }
  if (StoreChanged(FValueMin, Value)) RepaintNow();
}

void TMeterPanelV::SetValueMid(double Value) {
  if (DropOrStoreRead(FValueMid, Value, Reading())) return;
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

TMeterPanelV::TLayout TMeterPanelV::Layout() const { return LayOut(*MeasuringCanvas()); }

TMeterPanelV::TLayout TMeterPanelV::LayOut(TCanvas& c) const {
  const int w = Width(), h = Height();
  const int fh = Font()->Height();
  const int a = h / 86, b = std::min(h / 16, 20), led_row = std::min(2 * b, 20);
  const int d = std::clamp(h / 14, 22, 35);
  const bool five = RangeReaches1000(FScale.Start, FScale.End);
  TLayout l;
  TRect inner = FrameInnerRect();
  TRect& r = l.Readout;
  r.Left = inner.Left + a;
  r.Top = inner.Top + a;
  r.Right = std::min(r.Left + (five ? 3 * d : (24 * d) / 10), inner.Right - a);
  r.Bottom = inner.Top + d;
  const int e = ((8 * (r.Bottom - r.Top)) / 10) / 8;
  l.ReadoutCells = r;
  InflateRect(l.ReadoutCells, -(e + 1), -(e + 1));

  const int readout_room = FDispEnable ? d : 0;
  const int led_room = FLedEnable ? led_row : 0;
  l.Face = FaceAround(inner, a, b, {0, readout_room, 0, led_room});
  const int led_y = inner.Bottom + (2 * led_row) / 3;
  l.LedCentre[0] = {(7 * w) / 10, led_y};
  l.LedCentre[1] = {(3 * w) / 10, led_y};
  l.LedRadius = led_row / 3;

  l.NameBand = inner;
  InflateRect(l.NameBand, -3, -3);
  l.UnitBand = l.NameBand;
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
  l.NameBand.Bottom = inner.Top + (6 * fh) / 10;
  l.UnitBand.Top = inner.Bottom - fh / 2;
  l.Bar = inner;
  if (FMeterStyle != TMeterStyle::simpleMeter) {
    l.Bar.Right = l.Bar.Left + std::max(w / 3 - 10, 10);
    inner.Left = l.Bar.Right + 5;
    inner.Right = inner.Left + std::clamp(w / 8, 4, 15);
    // Inside the frame's right and bottom lines, so neither style paints over them.
    --l.Bar.Right;
    --l.Bar.Bottom;
  }
  l.Strip = inner;
  l.Geometry = {inner.Bottom, inner.Left, inner.Right,
                label_width,  inner.Top,  inner.Bottom - inner.Top};
  l.Scale = LayOutScale(c, l.Geometry);
  // Zone rows inside the bar, the middle one never below the lower one, whatever a form held.
  const auto row = [&](double Value) {
    return FScale.Pixel(Value, true, l.Geometry.Start, l.Geometry.Length);
  };
  l.YMin = std::clamp(row(FValueMin), l.Bar.Top, std::max(l.Bar.Top, l.Bar.Bottom));
  l.YMid = std::clamp(row(FValueMid), l.Bar.Top, l.YMin);
  return l;
}

void TMeterPanelV::Paint() {
  TOrvaneBase::Paint();
  BeginPaint();
  TCanvas& c = *FrameBitmap->Canvas();
  const TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.SetFont(Font());
  const int w = Width(), h = Height();
  if (FMeterStyle == TMeterStyle::LedBar && FLedZahl > h / 10) FLedZahl = std::max(1, h / 10);

  FDrawn = LayOut(c);
  const TLayout& l = FDrawn;
  TakeLayout(l);
  const int corner = std::min(w / 6, 18);
  DrawFace(c, l.Face, corner);
  if (FDispEnable) {
    SetFacePen(c, FColDrand, FColDback);
    const TRect& r = l.Readout;
    if (FShape == smtRectangle) {
      c.Rectangle(r);
    } else {
      c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, (2 * corner) / 4, (2 * corner) / 4);
    }
    FReadout->Layout(l.ReadoutCells, RangeReaches1000(FScale.Start, FScale.End) ? 5 : 4, FColDback);
  }
  DrawScale(c, l.Geometry, l.Scale);

  c.SetFont(FontCapt());
  DrawTextBand(c, l.UnitBand, FCaption);
  DrawTextBand(c, l.NameBand, FTextName);

  FHalfHeight = ((l.Strip.Right - l.Strip.Left + 10) * 4) / 10;
  c.Pen()->SetColor(FColScala);
  c.Pen()->SetWidth(1);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Brush()->SetStyle(bsSolid);
  if (FMeterStyle != TMeterStyle::simpleMeter) {
    c.Brush()->SetColor(ColBack());
    c.Rectangle(l.Bar.Left - 1, l.Bar.Top - 1, l.Bar.Right + 1, l.Bar.Bottom + 1);
  }

  if (FLedEnable) {
    const int centre = (FLedCentre[0].X - FLedCentre[1].X) / 2 + FLedCentre[1].X;
    DrawCentredMakerMark(c, centre, FLedCentre[0].Y - 2);
  }
  EndPaint(l.Strip.Bottom + 1);
}

void TMeterPanelV::DrawTextBand(TCanvas& c, const TRect& Band, const std::string& Text) {
  const TCanvasSaver keep(c, cpBrush);
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

bool TMeterPanelV::PointerShown() const { return FMeterStyle != TMeterStyle::BarGraph; }

// The LED column shows the peak by an LED instead.
bool TMeterPanelV::PeakPointerShown() const {
  return FPointer.PeakMode != ppNone && FMeterStyle != TMeterStyle::LedBar;
}

void TMeterPanelV::PointerAt(int Y, TPoint (&Corners)[3]) const {
  const int hp = FHalfHeight;
  const int x = FDrawn.Strip.Left - 2;
  Corners[0] = {FDrawn.Strip.Right + 8, Y};
  Corners[1] = {x, Y - hp};
  Corners[2] = {x, Y + hp};
}

void TMeterPanelV::PeakAt(int Y, TPoint (&Corners)[3]) const {
  const int hp = FHalfHeight;
  const int x = FDrawn.Face.Right - 2;
  Corners[0] = {x - hp, Y};
  Corners[1] = {x, Y - hp};
  Corners[2] = {x, Y + hp};
}

void TMeterPanelV::DrawMovingParts(TCanvas& Work) {
  const TCanvasSaver keep(Work, cpBrush);
  // A readout's cells are often recomposed on their own, away from every moving part.
  const TRect clip = Work.ClipRect();
  TRect overlap;
  TPoint corners[3];
  if (PeakPointerShown()) {
    PeakAt(FPeakPos, corners);
    if (IntersectRect(overlap, PolygonBox(corners), clip)) {
      Work.Brush()->SetColor(FColPeakPtr);
      Work.Polygon(corners);
    }
  }
  if (PointerShown()) {
    PointerAt(FPointerPos, corners);
    if (IntersectRect(overlap, PolygonBox(corners), clip)) {
      Work.Brush()->SetColor(FColPointer);
      Work.Polygon(corners);
    }
  }
  if (FMeterStyle == TMeterStyle::LedBar) DrawLedColumn(Work);
  if (FMeterStyle == TMeterStyle::BarGraph) DrawZoneBar(Work);
}

TRect TMeterPanelV::BarRows(int Top, int Bottom) const {
  return TRect{FDrawn.Bar.Left - 1, std::min(Top, Bottom) - 1, FDrawn.Bar.Right + 1,
               std::max(Top, Bottom) + 2};
}

// The column's LEDs change where the pointer's row passed their lower edge and where the peak
// left or entered one; the bar's zones change between the pointer's old and new rows.
TRect TMeterPanelV::MovedArea(int OldPointer, int OldPeak) const {
  TRect area = TrianglesMoved(OldPointer, OldPeak, PointerShown(), PeakPointerShown());
  if (FMeterStyle == TMeterStyle::BarGraph && OldPointer != FPointerPos) {
    UnionRect(area, area, BarRows(OldPointer, FPointerPos));
  }
  if (FMeterStyle == TMeterStyle::LedBar) {
    // One LED's height and a row to spare.
    const int led = (FDrawn.Bar.Bottom - FDrawn.Bar.Top) / std::max(FLedZahl, 1) + 2;
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
  const int hb = FDrawn.Bar.Bottom - FDrawn.Bar.Top;
  // Only the LEDs in the area being recomposed: none when it lies above or below the column,
  // else from the bottom up to the first one above it.
  const TRect clip = Work.ClipRect();
  if (hb >= 0 && (clip.Bottom <= FDrawn.Bar.Top || clip.Top >= FDrawn.Bar.Bottom)) return;
  const TCanvasSaver keep(Work, cpPen | cpBrush);
  Work.Pen()->SetStyle(psSolid);
  Work.Pen()->SetWidth(1);
  Work.Pen()->SetColor(0x808080);
  const int count = std::max(FLedZahl, 1);
  const bool peak = FPointer.PeakMode != ppNone;
  int lower = FDrawn.Bar.Bottom;
  for (int j = 1; j <= count; ++j) {
    if (hb >= 0 && lower <= clip.Top) break;
    const int top = FDrawn.Bar.Bottom - static_cast<int>(Round(double(hb) / count * j));
    if (std::max(top, lower) <= clip.Top || std::min(top, lower) >= clip.Bottom) {
      lower = top;
      continue;
    }
    const TColor colour = lower <= FDrawn.YMid ? FColMax : lower <= FDrawn.YMin ? FColMid : FColMin;
    const bool lit = FPointerPos <= lower || (peak && top <= FPeakPos && FPeakPos < lower);
    Work.Brush()->SetColor(lit ? colour : Dimmed(colour));
    Work.Rectangle(FDrawn.Bar.Left, top, FDrawn.Bar.Right, lower);
    lower = top;
  }
}

void TMeterPanelV::DrawZoneBar(TCanvas& Work) const {
  const struct {
    int top, bottom;
    TColor colour;
  } zones[3] = {{FDrawn.YMin, FDrawn.Bar.Bottom, FColMin},
                {FDrawn.YMid, FDrawn.YMin, FColMid},
                {FDrawn.Bar.Top, FDrawn.YMid, FColMax}};
  const TCanvasSaver keep(Work, cpBrush);
  for (const auto& z : zones) {
    if (z.bottom <= z.top) continue;
    const int lit_top = std::clamp(FPointerPos, z.top, z.bottom);
    Work.Brush()->SetColor(Dimmed(z.colour));
    Work.FillRect(Rect(FDrawn.Bar.Left, z.top, FDrawn.Bar.Right, lit_top));
    Work.Brush()->SetColor(z.colour);
    Work.FillRect(Rect(FDrawn.Bar.Left, lit_top, FDrawn.Bar.Right, z.bottom));
  }
}
