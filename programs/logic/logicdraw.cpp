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

std::string TwoDigits(int64_t V) { return (V < 10 ? "0" : "") + IntToStr(V); }

template <int Bits>
std::string ToBin(uint32_t V) {
  std::string s(Bits, '0');
  for (int i = 0; i < Bits; ++i) {
    if (V & (1u << (Bits - 1 - i))) s[i] = '1';
  }
  return s;
}

// Keeps the pen as it was while a routine draws.
class PenKeeper {
 public:
  explicit PenKeeper(TCanvas& C) : FCanvas(C) { FSaved.Assign(*C.Pen()); }
  ~PenKeeper() { FCanvas.Pen()->Assign(FSaved); }

 private:
  TCanvas& FCanvas;
  TPen FSaved;
};

class BrushKeeper {
 public:
  explicit BrushKeeper(TCanvas& C)
      : FCanvas(C), FColor(C.Brush()->Color()), FStyle(C.Brush()->Style()) {}
  ~BrushKeeper() {
    FCanvas.Brush()->SetColor(FColor);
    FCanvas.Brush()->SetStyle(FStyle);
  }

 private:
  TCanvas& FCanvas;
  TColor FColor;
  TBrushStyle FStyle;
};

void FramePath(TCanvas& C, const TRect& R, TColor TopLeft, TColor BottomRight) {
  PenKeeper keep(C);
  TPen* pen = C.Pen();
  pen->SetMode(pmCopy);
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetColor(TopLeft);
  C.MoveTo(R.Left, R.Bottom);
  C.LineTo(R.Left, R.Top);
  C.LineTo(R.Right, R.Top);
  pen->SetColor(BottomRight);
  C.LineTo(R.Right, R.Bottom);
  C.LineTo(R.Left, R.Bottom);
}

// The triangle and, with a bar, the bar from b1 to b2.
void Arrow(TCanvas& C, const std::array<TPoint, 3>& Corners, bool Bar, TPoint B1, TPoint B2) {
  PenKeeper keep_pen(C);
  BrushKeeper keep_brush(C);
  TPen* pen = C.Pen();
  pen->SetColor(clBlack);
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  C.Brush()->SetColor(clBlack);
  C.Brush()->SetStyle(bsSolid);
  C.Polygon(Corners);
  if (Bar) {
    pen->SetWidth(2);
    C.MoveTo(B1.X, B1.Y);
    C.LineTo(B2.X, B2.Y);
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
