#include "programs/demo/assets/sketch.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Average of the fine x fine block at (x, y) of a fine image, as one pixel.
uint32_t BlockAverage(const TBitmap& big, int x, int y, int fine) {
  unsigned r = 0, g = 0, b = 0;
  for (int j = 0; j < fine; ++j) {
    const uint32_t* row = big.ScanLine(y * fine + j);
    for (int i = 0; i < fine; ++i) {
      const uint32_t p = row[x * fine + i];
      r += (p >> 16) & 0xFF;
      g += (p >> 8) & 0xFF;
      b += p & 0xFF;
    }
  }
  const unsigned n = unsigned(fine * fine);
  return 0xFF000000u | ((r + n / 2) / n) << 16 | ((g + n / 2) / n) << 8 | ((b + n / 2) / n);
}

}  // namespace

Sketch::Sketch(int width, int height, int fineness)
    : FWidth(width), FHeight(height), FFine(fineness), FBig(std::make_unique<TBitmap>()) {
  FBig->SetSize(width * FFine, height * FFine);
  Fill(clWhite);
}

void Sketch::Place(double dx, double dy, double degrees, double cx, double cy) {
  FDx = dx;
  FDy = dy;
  const double a = degrees * std::numbers::pi / 180;
  FCos = std::cos(a);
  FSin = std::sin(a);
  FCx = cx;
  FCy = cy;
}

SketchPoint Sketch::Map(SketchPoint p) const {
  const double x = p.X - FCx, y = p.Y - FCy;
  return {FCx + x * FCos - y * FSin + FDx, FCy + x * FSin + y * FCos + FDy};
}

int Sketch::Px(double v) const { return int(std::lround(v * FFine)); }
TPoint Sketch::Pt(SketchPoint p) const {
  const SketchPoint m = Map(p);
  return {Px(m.X), Px(m.Y)};
}

void Sketch::SetPen(TColor outline, double line_width) {
  TPen& pen = *FBig->Canvas()->Pen();
  if (outline == clNone) {
    pen.SetStyle(psClear);
    return;
  }
  pen.SetStyle(psSolid);
  pen.SetColor(outline);
  pen.SetWidth(std::max(1, Px(line_width)));
}

void Sketch::SetBrush(TColor fill) {
  TBrush& brush = *FBig->Canvas()->Brush();
  if (fill == clNone) {
    brush.SetStyle(bsClear);
  } else {
    brush.SetColor(fill);
    brush.SetStyle(bsSolid);
  }
}

void Sketch::Fill(TColor color) {
  SetBrush(color);
  FBig->Canvas()->FillRect(Rect(0, 0, FBig->Width(), FBig->Height()));
}

void Sketch::Box(double left, double top, double right, double bottom, TColor fill, TColor outline,
                 double line_width) {
  Shape({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, fill, outline, line_width);
}

void Sketch::Oval(double cx, double cy, double rx, double ry, TColor fill, TColor outline,
                  double line_width) {
  TurnedOval(cx, cy, rx, ry, 0, fill, outline, line_width);
}

void Sketch::TurnedOval(double cx, double cy, double rx, double ry, double degrees, TColor fill,
                        TColor outline, double line_width) {
  // As a polygon, so that it turns with the placement.
  constexpr int kSteps = 48;
  const double a = degrees * std::numbers::pi / 180;
  std::vector<TPoint> pts;
  for (int i = 0; i < kSteps; ++i) {
    const double t = 2 * std::numbers::pi * i / kSteps;
    const double x = rx * std::cos(t), y = ry * std::sin(t);
    pts.push_back(
        Pt({cx + x * std::cos(a) - y * std::sin(a), cy + x * std::sin(a) + y * std::cos(a)}));
  }
  SetBrush(fill);
  SetPen(clNone, 1);
  if (fill != clNone) FBig->Canvas()->Polygon(pts);
  if (outline != clNone) {
    SetPen(outline, line_width);
    pts.push_back(pts.front());
    FBig->Canvas()->Polyline(pts);
  }
}

void Sketch::Shape(std::initializer_list<SketchPoint> points, TColor fill, TColor outline,
                   double line_width) {
  std::vector<TPoint> pts;
  for (const SketchPoint& p : points) pts.push_back(Pt(p));
  SetBrush(fill);
  SetPen(clNone, 1);
  if (fill != clNone) FBig->Canvas()->Polygon(pts);
  if (outline != clNone) {
    SetPen(outline, line_width);
    pts.push_back(pts.front());
    FBig->Canvas()->Polyline(pts);
  }
}

void Sketch::Line(double x1, double y1, double x2, double y2, TColor color, double line_width) {
  SetPen(color, line_width);
  TCanvas& c = *FBig->Canvas();
  const TPoint a = Pt({x1, y1}), b = Pt({x2, y2});
  c.MoveTo(a.X, a.Y);
  c.LineTo(b.X, b.Y);
}

void Sketch::Text(double cx, double cy, const std::string& text, double size, TColor color,
                  bool bold) {
  TCanvas& c = *FBig->Canvas();
  TFont& font = *c.Font();
  font.SetName("Arial");
  font.SetHeight(-std::max(1, Px(size)));
  font.SetColor(color);
  font.SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
  SetBrush(clNone);
  const TSize ext = c.TextExtent(text);
  const TPoint p = Pt({cx, cy});
  c.TextOut(p.X - ext.cx / 2, p.Y - ext.cy / 2, text);
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

std::unique_ptr<TBitmap> DrawStrip(int frames, int width, int height,
                                   const std::function<void(Sketch&, int)>& draw) {
  auto strip = std::make_unique<TBitmap>();
  strip->SetSize(frames * width, height);
  for (int i = 0; i < frames; ++i) {
    Sketch s(width, height);
    draw(s, i);
    strip->Canvas()->Draw(i * width, 0, s.Shrink().get());
  }
  return strip;
}

std::unique_ptr<TBitmap> MirrorFrames(const TBitmap& strip, int frames) {
  auto out = std::make_unique<TBitmap>();
  out->SetSize(strip.Width(), strip.Height());
  const int w = strip.Width() / frames;
  for (int y = 0; y < strip.Height(); ++y) {
    const uint32_t* src = strip.ScanLine(y);
    uint32_t* dst = out->ScanLine(y);
    for (int f = 0; f < frames; ++f)
      for (int x = 0; x < w; ++x) dst[f * w + x] = src[f * w + (w - 1 - x)];
  }
  return out;
}
