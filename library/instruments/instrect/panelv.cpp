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
    : TPanelMeter(AOwner, kPanelMeterVRules, true), readout_(std::make_unique<TDigDisplay>()) {
  limits_before_peak_ = true;
  Font()->SetColor(0x00FFFF);
  SetColBack(0x800000);
  SetWidth(80);
  SetHeight(360);
}

TMeterPanelV::~TMeterPanelV() = default;

// ---- Setters ----

void TMeterPanelV::RangeStartChanged() {
  const double r = scale_.End - scale_.Start;
  value_min_ = scale_.Start + 0.2 * r;
  value_mid_ = scale_.Start + 0.8 * r;
  lower_limit_ = value_min_;
}

void TMeterPanelV::RangeEndChanged() {
  const double r = scale_.End - scale_.Start;
  value_min_ = scale_.Start + 0.2 * r;
  value_mid_ = scale_.Start + 0.8 * r;
  upper_limit_ = value_mid_;
}

void TMeterPanelV::SetValueMin(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    value_min_ = V;
    return;
  }
  if (V > value_mid_) {
    V = value_mid_;
  } else if (V < scale_.Start) {
    V = scale_.Start;
  }
  if (StoreChanged(value_min_, V)) RepaintNow();
}

void TMeterPanelV::SetValueMid(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    value_mid_ = V;
    return;
  }
  if (V < value_min_) {
    V = value_min_;
  } else if (V > scale_.End) {
    V = scale_.End;
  }
  if (StoreChanged(value_mid_, V)) RepaintNow();
}

void TMeterPanelV::SetMeterStyle(TMeterStyle V) {
  if (StoreChanged(meter_style_, V)) RepaintNow();
}

void TMeterPanelV::SetLedZahl(int V) {
  if (meter_style_ != TMeterStyle::LedBar) return;
  V = std::max(1, std::min(std::max(V, 2), Height() / 10));
  if (StoreChanged(led_zahl_, V)) RepaintNow();
}

void TMeterPanelV::SetColMin(TColor V) {
  if (StoreChanged(col_min_, V)) UpdatePointer(true);
}
void TMeterPanelV::SetColMid(TColor V) {
  if (StoreChanged(col_mid_, V)) UpdatePointer(true);
}
void TMeterPanelV::SetColMax(TColor V) {
  if (StoreChanged(col_max_, V)) UpdatePointer(true);
}
void TMeterPanelV::SetColAnd(TColor V) {
  if (StoreChanged(col_and_, V)) UpdatePointer(true);
}

void TMeterPanelV::SetDispEnable(bool V) {
  if (StoreChanged(disp_enable_, V)) RepaintNow();
}
void TMeterPanelV::SetColDBack(TColor V) {
  if (StoreChanged(col_dback_, V)) RepaintNow();
}
void TMeterPanelV::SetColDRand(TColor V) {
  if (StoreChanged(col_drand_, V)) RepaintNow();
}
void TMeterPanelV::SetColDisplay(TColor V) {
  if (StoreChanged(col_display_, V)) RepaintNow();
}
void TMeterPanelV::SetCaption(const std::string& V) {
  if (StoreChanged(caption_, V)) RepaintNow();
}
void TMeterPanelV::SetTextName(const std::string& V) {
  if (StoreChanged(text_name_, V)) RepaintNow();
}

void TMeterPanelV::SetDispFixPnt(bool V) {
  disp_fix_pnt_ = V;
  RepaintNow();
}

void TMeterPanelV::SetDispItalic(bool V) {
  disp_italic_ = V;
  readout_->Italic = V;
  RepaintNow();
}

void TMeterPanelV::ResetPeak() {
  if (pointer_.PeakValue <= scale_.Start) return;
  pointer_.PeakValue = scale_.Start;
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

std::string TMeterPanelV::ReadoutShows() const { return readout_->GetText(); }
int TMeterPanelV::ReadoutCells() const { return readout_->Count(); }

TRect TMeterPanelV::FollowShownValue(bool Force) {
  if (!disp_enable_) return TRect{};
  const std::string text =
      ReadoutText(pointer_.ShownValue, scale_.Start, scale_.End, disp_fix_pnt_);
  return UpdateReadout(*readout_, text, *FrameBitmap->Canvas(), col_display_, Force);
}

// ---- Paint ----

TRect TMeterPanelV::LayoutFrame(TCanvas& c) {
  const int w = Width(), h = Height();
  const int a = h / 86, b = std::min(h / 16, 20), led_row = std::min(2 * b, 20);
  const int d = std::clamp(h / 14, 22, 35);
  TRect inner = InnerRect;
  readout_rect_.Left = inner.Left + a;
  readout_rect_.Top = inner.Top + a;
  readout_rect_.Right = std::min(
      readout_rect_.Left + (RangeReaches1000(scale_.Start, scale_.End) ? 3 * d : (24 * d) / 10),
      inner.Right - a);
  readout_rect_.Bottom = inner.Top + d;

  const int readout_room = disp_enable_ ? d : 0;
  const int led_room = led_enable_ ? led_row : 0;
  const int corner = std::min(w / 6, 18);
  face_ = DrawFace(c, inner, a, b, {0, readout_room, 0, led_room}, corner);
  const int led_y = inner.Bottom + (2 * led_row) / 3;
  led_centre_[0] = {(7 * w) / 10, led_y};
  led_centre_[1] = {(3 * w) / 10, led_y};
  led_radius_ = led_row / 3;
  if (disp_enable_) {
    c.Brush()->SetColor(col_dback_);
    c.Pen()->SetColor(col_drand_);
    const TRect& r = readout_rect_;
    if (shape_ == smtRectangle) {
      c.Rectangle(r);
    } else {
      c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, (2 * corner) / 4, (2 * corner) / 4);
    }
    const int e = ((8 * (r.Bottom - r.Top)) / 10) / 8;
    TRect cells = r;
    InflateRect(cells, -(e + 1), -(e + 1));
    readout_->Layout(cells, RangeReaches1000(scale_.Start, scale_.End) ? 5 : 4, col_dback_);
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
  if (meter_style_ == TMeterStyle::LedBar && led_zahl_ > h / 10) led_zahl_ = std::max(1, h / 10);

  TRect inner = LayoutFrame(c);
  TRect name_band = inner;
  InflateRect(name_band, -3, -3);
  TRect unit_band = name_band;
  inner.Left += 7;
  inner.Right -= 7;
  inner.Top -= 2 * fh;
  inner.Bottom += 2 * fh;

  const int decimals = ScaleLabelDecimals(scale_.End - scale_.Start, 2, 4);
  int label_width;
  if (scale_.NonLinear) {
    label_width = c.TextWidth("103");
  } else {
    label_width = std::max(c.TextWidth(FloatToStrF(scale_.End, ffFixed, 4, decimals)),
                           c.TextWidth(FloatToStrF(scale_.Start, ffFixed, 4, decimals)));
  }
  ++label_width;
  inner.Right = inner.Left + std::clamp(h / 30, 10, 15);
  name_band.Bottom = inner.Top + (6 * fh) / 10;
  unit_band.Top = inner.Bottom - fh / 2;
  bar_ = inner;
  if (meter_style_ != TMeterStyle::simpleMeter) {
    bar_.Right = bar_.Left + std::max(w / 3 - 10, 10);
    inner.Left = bar_.Right + 5;
    inner.Right = inner.Left + std::clamp(w / 8, 4, 15);
  }
  strip_ = inner;
  scale_p0_ = inner.Top;
  scale_length_ = inner.Bottom - inner.Top;
  DrawScale(c, {inner.Bottom, inner.Left, inner.Right, label_width});

  c.SetFont(FontCapt());
  DrawTextBand(c, unit_band, caption_);
  DrawTextBand(c, name_band, text_name_);

  half_height_ = ((inner.Right - inner.Left + 10) * 4) / 10;
  c.Pen()->SetColor(col_scala_);
  c.Pen()->SetWidth(1);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Brush()->SetStyle(bsSolid);
  if (meter_style_ != TMeterStyle::simpleMeter) {
    c.Brush()->SetColor(ColBack());
    c.Rectangle(bar_.Left - 1, bar_.Top - 1, bar_.Right, bar_.Bottom);
    // Inside the frame's right and bottom lines, so neither style paints over them.
    --bar_.Right;
    --bar_.Bottom;
  }
  // Zone rows inside the bar, the middle one never below the lower one, whatever a form held.
  y_min_ = std::clamp(ValueToPixel(value_min_), bar_.Top, std::max(bar_.Top, bar_.Bottom));
  y_mid_ = std::clamp(ValueToPixel(value_mid_), bar_.Top, y_min_);

  if (led_enable_) {
    const int centre = (led_centre_[0].X - led_centre_[1].X) / 2 + led_centre_[1].X;
    DrawMakerMark(c, centre, led_centre_[0].Y - 2);
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
  return static_cast<TColor>(static_cast<uint32_t>(Colour) & static_cast<uint32_t>(col_and_));
}

void TMeterPanelV::PointerAt(int Y, TPoint (&Corners)[3]) const {
  const int hp = half_height_;
  const int x = strip_.Left - 2;
  Corners[0] = {strip_.Right + 8, Y};
  Corners[1] = {x, Y - hp};
  Corners[2] = {x, Y + hp};
}

void TMeterPanelV::PeakAt(int Y, TPoint (&Corners)[3]) const {
  const int hp = half_height_;
  const int x = face_.Right - 2;
  Corners[0] = {x - hp, Y};
  Corners[1] = {x, Y - hp};
  Corners[2] = {x, Y + hp};
}

void TMeterPanelV::DrawMovingParts(TCanvas& Work) {
  TPoint corners[3];
  if (pointer_.PeakMode != ppNone && meter_style_ != TMeterStyle::LedBar) {
    PeakAt(peak_pos_, corners);
    Work.Brush()->SetColor(col_peak_ptr_);
    Work.Polygon(corners);
  }
  if (meter_style_ != TMeterStyle::BarGraph) {
    PointerAt(pointer_pos_, corners);
    Work.Brush()->SetColor(col_pointer_);
    Work.Polygon(corners);
  }
  if (meter_style_ == TMeterStyle::LedBar) DrawLedColumn(Work);
  if (meter_style_ == TMeterStyle::BarGraph) DrawZoneBar(Work);
}

TRect TMeterPanelV::BarRows(int Top, int Bottom) const {
  return TRect{bar_.Left - 1, std::min(Top, Bottom) - 1, bar_.Right + 1, std::max(Top, Bottom) + 2};
}

// The column's LEDs change where the pointer's row passed their lower edge and where the peak
// left or entered one; the bar's zones change between the pointer's old and new rows.
TRect TMeterPanelV::MovedArea(int OldPointer, int OldPeak) const {
  TRect area{};
  TPoint corners[3];
  if (pointer_.PeakMode != ppNone && meter_style_ != TMeterStyle::LedBar) {
    PeakAt(OldPeak, corners);
    UnionRect(area, area, PolygonBox(corners));
    PeakAt(peak_pos_, corners);
    UnionRect(area, area, PolygonBox(corners));
  }
  if (meter_style_ != TMeterStyle::BarGraph) {
    PointerAt(OldPointer, corners);
    UnionRect(area, area, PolygonBox(corners));
    PointerAt(pointer_pos_, corners);
    UnionRect(area, area, PolygonBox(corners));
  }
  if (meter_style_ == TMeterStyle::BarGraph && OldPointer != pointer_pos_) {
    UnionRect(area, area, BarRows(OldPointer, pointer_pos_));
  }
  if (meter_style_ == TMeterStyle::LedBar) {
    // One LED's height and a row to spare.
    const int led = (bar_.Bottom - bar_.Top) / std::max(led_zahl_, 1) + 2;
    if (OldPointer != pointer_pos_) {
      UnionRect(
          area, area,
          BarRows(std::min(OldPointer, pointer_pos_) - led, std::max(OldPointer, pointer_pos_)));
    }
    if (pointer_.PeakMode != ppNone && OldPeak != peak_pos_) {
      UnionRect(area, area, BarRows(OldPeak - led, OldPeak + led));
      UnionRect(area, area, BarRows(peak_pos_ - led, peak_pos_ + led));
    }
  }
  return area;
}

void TMeterPanelV::DrawLedColumn(TCanvas& Work) const {
  Work.Pen()->SetStyle(psSolid);
  Work.Pen()->SetWidth(1);
  Work.Pen()->SetColor(0x808080);
  const int hb = bar_.Bottom - bar_.Top;
  const int count = std::max(led_zahl_, 1);
  const bool peak = pointer_.PeakMode != ppNone;
  // Only the LEDs in the area being recomposed.
  const TRect clip = Work.ClipRect();
  int lower = bar_.Bottom;
  for (int j = 1; j <= count; ++j) {
    const int top = bar_.Bottom - static_cast<int>(Round(double(hb) / count * j));
    if (std::max(top, lower) <= clip.Top || std::min(top, lower) >= clip.Bottom) {
      lower = top;
      continue;
    }
    const TColor colour = lower <= y_mid_ ? col_max_ : lower <= y_min_ ? col_mid_ : col_min_;
    const bool lit = pointer_pos_ <= lower || (peak && top <= peak_pos_ && peak_pos_ < lower);
    Work.Brush()->SetColor(lit ? colour : Dimmed(colour));
    Work.Rectangle(bar_.Left, top, bar_.Right, lower);
    lower = top;
  }
  Work.Pen()->SetStyle(psClear);
}

void TMeterPanelV::DrawZoneBar(TCanvas& Work) const {
  const struct {
    int top, bottom;
    TColor colour;
  } zones[3] = {
      {y_min_, bar_.Bottom, col_min_}, {y_mid_, y_min_, col_mid_}, {bar_.Top, y_mid_, col_max_}};
  for (const auto& z : zones) {
    if (z.bottom <= z.top) continue;
    const int lit_top = std::clamp(pointer_pos_, z.top, z.bottom);
    Work.Brush()->SetColor(Dimmed(z.colour));
    Work.FillRect(Rect(bar_.Left, z.top, bar_.Right, lit_top));
    Work.Brush()->SetColor(z.colour);
    Work.FillRect(Rect(bar_.Left, lit_top, bar_.Right, z.bottom));
  }
}
