#include "programs/demo/assets/sketch.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Average of the fine x fine block at (x, y) of a fine image, as one pixel.
uint32_t BlockAverage(const TBitmap& Big, int X, int Y, int Fine) {
  unsigned r = 0, g = 0, b = 0;
  for (int j = 0; j < Fine; ++j) {
    const uint32_t* row = Big.ScanLine(Y * Fine + j);
    for (int i = 0; i < Fine; ++i) {
      const uint32_t p = row[X * Fine + i];
      r += (p >> 16) & 0xFF;
      g += (p >> 8) & 0xFF;
      b += p & 0xFF;
    }
  }
  const unsigned n = unsigned(Fine * Fine);
  return 0xFF000000u | ((r + n / 2) / n) << 16 | ((g + n / 2) / n) << 8 | ((b + n / 2) / n);
}

}  // namespace

Sketch::Sketch(int Width, int Height, int Fineness)
    : FWidth(Width), FHeight(Height), FFine(Fineness), FBig(std::make_unique<TBitmap>()) {
  FBig->SetSize(Width * FFine, Height * FFine);
  Fill(clWhite);
}

void Sketch::Place(double Dx, double Dy, double Degrees, double Cx, double Cy) {
  FDx = Dx;
  FDy = Dy;
  const double a = Degrees * std::numbers::pi / 180;
  FCos = std::cos(a);
  FSin = std::sin(a);
  FCx = Cx;
  FCy = Cy;
}

SketchPoint Sketch::Map(SketchPoint P) const {
  const double x = P.X - FCx, y = P.Y - FCy;
  return {FCx + x * FCos - y * FSin + FDx, FCy + x * FSin + y * FCos + FDy};
}

int Sketch::Px(double V) const { return int(std::lround(V * FFine)); }
TPoint Sketch::Pt(SketchPoint P) const {
  const SketchPoint m = Map(P);
  return {Px(m.X), Px(m.Y)};
}

void Sketch::SetPen(TColor Outline, double LineWidth) {
  TPen& pen = *FBig->Canvas()->Pen();
  if (Outline == clNone) {
    pen.SetStyle(psClear);
    return;
  }
  pen.SetStyle(psSolid);
  pen.SetColor(Outline);
  pen.SetWidth(std::max(1, Px(LineWidth)));
}

void Sketch::SetBrush(TColor Fill) {
  TBrush& brush = *FBig->Canvas()->Brush();
  if (Fill == clNone) {
    brush.SetStyle(bsClear);
  } else {
    brush.SetColor(Fill);
    brush.SetStyle(bsSolid);
  }
}

void Sketch::Fill(TColor Color) {
  SetBrush(Color);
  FBig->Canvas()->FillRect(Rect(0, 0, FBig->Width(), FBig->Height()));
}

void Sketch::Box(double Left, double Top, double Right, double Bottom, TColor Fill, TColor Outline,
                 double LineWidth) {
  Shape({{Left, Top}, {Right, Top}, {Right, Bottom}, {Left, Bottom}}, Fill, Outline, LineWidth);
}

void Sketch::Oval(double Cx, double Cy, double Rx, double Ry, TColor Fill, TColor Outline,
                  double LineWidth) {
  TurnedOval(Cx, Cy, Rx, Ry, 0, Fill, Outline, LineWidth);
}

void Sketch::TurnedOval(double Cx, double Cy, double Rx, double Ry, double Degrees, TColor Fill,
                        TColor Outline, double LineWidth) {
  // As a polygon, so that it turns with the placement.
  constexpr int kSteps = 48;
  const double a = Degrees * std::numbers::pi / 180;
  std::vector<TPoint> pts;
  for (int i = 0; i < kSteps; ++i) {
    const double t = 2 * std::numbers::pi * i / kSteps;
    const double x = Rx * std::cos(t), y = Ry * std::sin(t);
    pts.push_back(
        Pt({Cx + x * std::cos(a) - y * std::sin(a), Cy + x * std::sin(a) + y * std::cos(a)}));
  }
  SetBrush(Fill);
  SetPen(clNone, 1);
  if (Fill != clNone) FBig->Canvas()->Polygon(pts);
  if (Outline != clNone) {
    SetPen(Outline, LineWidth);
    pts.push_back(pts.front());
    FBig->Canvas()->Polyline(pts);
  }
}

void Sketch::Shape(std::initializer_list<SketchPoint> Points, TColor Fill, TColor Outline,
                   double LineWidth) {
  std::vector<TPoint> pts;
  for (const SketchPoint& p : Points) pts.push_back(Pt(p));
  SetBrush(Fill);
  SetPen(clNone, 1);
  if (Fill != clNone) FBig->Canvas()->Polygon(pts);
  if (Outline != clNone) {
    SetPen(Outline, LineWidth);
    pts.push_back(pts.front());
    FBig->Canvas()->Polyline(pts);
  }
}

void Sketch::Line(double X1, double Y1, double X2, double Y2, TColor Color, double LineWidth) {
  SetPen(Color, LineWidth);
  TCanvas& c = *FBig->Canvas();
  const TPoint a = Pt({X1, Y1}), b = Pt({X2, Y2});
  c.MoveTo(a.X, a.Y);
  c.LineTo(b.X, b.Y);
}

void Sketch::Text(double Cx, double Cy, const std::string& Text, double Size, TColor Color,
                  bool Bold) {
  TCanvas& c = *FBig->Canvas();
  TFont& font = *c.Font();
  font.SetName("Arial");
  font.SetHeight(-std::max(1, Px(Size)));
  font.SetColor(Color);
  font.SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
  SetBrush(clNone);
  const TSize ext = c.TextExtent(Text);
  const TPoint p = Pt({Cx, Cy});
  c.TextOut(p.X - ext.cx / 2, p.Y - ext.cy / 2, Text);
}

std::unique_ptr<TBitmap> Sketch::Shrink() const {
  auto out = std::make_unique<TBitmap>();
  out->SetSize(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y) {
    uint32_t* row = out->ScanLine(y);
    for (int x = 0; x < FWidth; ++x) row[x] = BlockAverage(*FBig, x, y, FFine);
  }
  return out;
}

std::unique_ptr<TBitmap> DrawStrip(int Frames, int Width, int Height,
                                   const std::function<void(Sketch&, int)>& Draw) {
  auto strip = std::make_unique<TBitmap>();
  strip->SetSize(Frames * Width, Height);
  for (int i = 0; i < Frames; ++i) {
    Sketch s(Width, Height);
    Draw(s, i);
    strip->Canvas()->Draw(i * Width, 0, s.Shrink().get());
  }
  return strip;
}

std::unique_ptr<TBitmap> MirrorFrames(const TBitmap& Strip, int Frames) {
  auto out = std::make_unique<TBitmap>();
  out->SetSize(Strip.Width(), Strip.Height());
  const int w = Strip.Width() / Frames;
  for (int y = 0; y < Strip.Height(); ++y) {
    const uint32_t* src = Strip.ScanLine(y);
    uint32_t* dst = out->ScanLine(y);
    for (int f = 0; f < Frames; ++f)
      for (int x = 0; x < w; ++x) dst[f * w + x] = src[f * w + (w - 1 - x)];
  }
  return out;
}
