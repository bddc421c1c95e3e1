#include "programs/logic/logicdraw.h"

#include <array>
#include <cmath>

#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/canvas_state.h"

namespace {

constexpr TColor kGrey = 0x808080;
constexpr TColor kWhite = 0xFFFFFF;

std::string TwoDigits(int64_t v) { return (v < 10 ? "0" : "") + IntToStr(v); }

template <int Bits>
std::string ToBin(uint32_t v) {
  std::string s(Bits, '0');
  for (int i = 0; i < Bits; ++i) {
    if (v & (1u << (Bits - 1 - i))) s[i] = '1';
  }
  return s;
}

// Keeps the pen as it was while a routine draws.
class PenKeeper {
 public:
  explicit PenKeeper(TCanvas& c) : FCanvas(c) { FSaved.Assign(*c.Pen()); }
  ~PenKeeper() { FCanvas.Pen()->Assign(FSaved); }

 private:
  TCanvas& FCanvas;
  TPen FSaved;
};

class BrushKeeper {
 public:
  explicit BrushKeeper(TCanvas& c)
      : FCanvas(c), FColor(c.Brush()->Color()), FStyle(c.Brush()->Style()) {}
  ~BrushKeeper() {
    FCanvas.Brush()->SetColor(FColor);
    FCanvas.Brush()->SetStyle(FStyle);
  }

 private:
  TCanvas& FCanvas;
  TColor FColor;
  TBrushStyle FStyle;
};

void FramePath(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
  PenKeeper keep(c);
  TPen* pen = c.Pen();
  pen->SetMode(pmCopy);
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetColor(topLeft);
  c.MoveTo(r.Left, r.Bottom);
  c.LineTo(r.Left, r.Top);
  c.LineTo(r.Right, r.Top);
  pen->SetColor(bottomRight);
  c.LineTo(r.Right, r.Bottom);
  c.LineTo(r.Left, r.Bottom);
}

// The triangle and, with a bar, the bar from b1 to b2.
void Arrow(TCanvas& c, const std::array<TPoint, 3>& corners, bool bar, TPoint b1, TPoint b2) {
  PenKeeper keep_pen(c);
  BrushKeeper keep_brush(c);
  TPen* pen = c.Pen();
  pen->SetColor(clBlack);
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  c.Brush()->SetColor(clBlack);
  c.Brush()->SetStyle(bsSolid);
  c.Polygon(corners);
  if (bar) {
    pen->SetWidth(2);
    c.MoveTo(b1.X, b1.Y);
    c.LineTo(b2.X, b2.Y);
  }
}

}  // namespace

std::string SecondsToHMS(bool Tenths, double Seconds) {
  if (!std::isfinite(Seconds) || Seconds < 0) Seconds = 0;
  const int64_t s = Trunc(Seconds);
  std::string text =
      TwoDigits(s / 3600) + ":" + TwoDigits((s % 3600) / 60) + ":" + TwoDigits(s % 60);
  if (Tenths) {
    const double fraction = Seconds - std::trunc(Seconds);
    text += "." + IntToStr(std::min<int64_t>(Trunc(fraction * 10), 9));
  }
  return text;
}

std::string ByteToBin(uint8_t Value) { return ToBin<8>(Value); }
std::string WordToBin(uint16_t Value) { return ToBin<16>(Value); }
std::string LongToBin(uint32_t Value) { return ToBin<32>(Value); }

void DrawSunkenFrame(TCanvas& Canvas, const TRect& R) { FramePath(Canvas, R, kGrey, kWhite); }
void DrawRaisedFrame(TCanvas& Canvas, const TRect& R) { FramePath(Canvas, R, kWhite, kGrey); }

void DrawButtonFace(TCanvas& Canvas, TRect& R) {
  {
    TCanvasSaver keep(Canvas, cpBrush);
    Canvas.Brush()->SetColor(clBlack);
    Canvas.FrameRect(Rect(R.Left, R.Top, R.Right + 1, R.Bottom + 1));
  }
  InflateRect(R, -1, -1);
  DrawRaisedFrame(Canvas, R);
}

void DrawArrowUp(TCanvas& Canvas, const TRect& R, bool Bar) {
  const int w = R.Width(), h = R.Height();
  Arrow(Canvas,
        {Point(R.Left + w / 4, R.Bottom - h / 5), Point(R.Right - w / 4, R.Bottom - h / 5),
         Point(R.Left + w / 2, R.Top + h / 5)},
        Bar, Point(R.Left + w / 4, R.Top + h / 5), Point(R.Right - w / 4 + 1, R.Top + h / 5));
}

void DrawArrowDown(TCanvas& Canvas, const TRect& R, bool Bar) {
  const int w = R.Width(), h = R.Height();
  Arrow(Canvas,
        {Point(R.Left + w / 4, R.Top + h / 5), Point(R.Right - w / 4, R.Top + h / 5),
         Point(R.Left + w / 2, R.Bottom - h / 5)},
        Bar, Point(R.Left + w / 4, R.Bottom - h / 5), Point(R.Right - w / 4 + 1, R.Bottom - h / 5));
}

void DrawArrowLeft(TCanvas& Canvas, const TRect& R, bool Bar) {
  const int w = R.Width(), h = R.Height();
  Arrow(Canvas,
        {Point(R.Right - w / 5, R.Bottom - h / 4), Point(R.Right - w / 5, R.Top + h / 4),
         Point(R.Left + w / 5, R.Top + h / 2)},
        Bar, Point(R.Left + w / 5, R.Top + h / 4), Point(R.Left + w / 5, R.Bottom - h / 4));
}

void DrawArrowRight(TCanvas& Canvas, const TRect& R, bool Bar) {
  const int w = R.Width(), h = R.Height();
  Arrow(Canvas,
        {Point(R.Left + w / 5, R.Bottom - h / 4), Point(R.Left + w / 5, R.Top + h / 4),
         Point(R.Right - w / 5, R.Top + h / 2)},
        Bar, Point(R.Right - w / 5, R.Top + h / 4), Point(R.Right - w / 5, R.Bottom - h / 4));
}
