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
    : width_(width), height_(height), fine_(fineness), big_(std::make_unique<TBitmap>()) {
  big_->SetSize(width * fine_, height * fine_);
  Fill(clWhite);
}

void Sketch::Place(double dx, double dy, double degrees, double cx, double cy) {
  dx_ = dx;
  dy_ = dy;
  const double a = degrees * std::numbers::pi / 180;
  cos_ = std::cos(a);
  sin_ = std::sin(a);
  cx_ = cx;
  cy_ = cy;
}

SketchPoint Sketch::Map(SketchPoint p) const {
  const double x = p.X - cx_, y = p.Y - cy_;
  return {cx_ + x * cos_ - y * sin_ + dx_, cy_ + x * sin_ + y * cos_ + dy_};
}

int Sketch::Px(double v) const { return int(std::lround(v * fine_)); }
TPoint Sketch::Pt(SketchPoint p) const {
  const SketchPoint m = Map(p);
  return {Px(m.X), Px(m.Y)};
}

void Sketch::SetPen(TColor outline, double lineWidth) {
  TPen& pen = *big_->Canvas()->Pen();
  if (outline == clNone) {
    pen.SetStyle(psClear);
    return;
  }
  pen.SetStyle(psSolid);
  pen.SetColor(outline);
  pen.SetWidth(std::max(1, Px(lineWidth)));
}

void Sketch::SetBrush(TColor fill) {
  TBrush& brush = *big_->Canvas()->Brush();
  if (fill == clNone) {
    brush.SetStyle(bsClear);
  } else {
    brush.SetColor(fill);
    brush.SetStyle(bsSolid);
  }
}

void Sketch::Fill(TColor color) {
  SetBrush(color);
  big_->Canvas()->FillRect(Rect(0, 0, big_->Width(), big_->Height()));
}

void Sketch::Box(double left, double top, double right, double bottom, TColor fill, TColor outline,
                 double lineWidth) {
  Shape({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, fill, outline, lineWidth);
}

void Sketch::Oval(double cx, double cy, double rx, double ry, TColor fill, TColor outline,
                  double lineWidth) {
  TurnedOval(cx, cy, rx, ry, 0, fill, outline, lineWidth);
}

void Sketch::TurnedOval(double cx, double cy, double rx, double ry, double degrees, TColor fill,
                        TColor outline, double lineWidth) {
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
  if (fill != clNone) big_->Canvas()->Polygon(pts);
  if (outline != clNone) {
    SetPen(outline, lineWidth);
    pts.push_back(pts.front());
    big_->Canvas()->Polyline(pts);
  }
}

void Sketch::Shape(std::initializer_list<SketchPoint> points, TColor fill, TColor outline,
                   double lineWidth) {
  std::vector<TPoint> pts;
  for (const SketchPoint& p : points) pts.push_back(Pt(p));
  SetBrush(fill);
  SetPen(clNone, 1);
  if (fill != clNone) big_->Canvas()->Polygon(pts);
  if (outline != clNone) {
    SetPen(outline, lineWidth);
    pts.push_back(pts.front());
    big_->Canvas()->Polyline(pts);
  }
}

void Sketch::Line(double x1, double y1, double x2, double y2, TColor color, double lineWidth) {
  SetPen(color, lineWidth);
  TCanvas& c = *big_->Canvas();
  const TPoint a = Pt({x1, y1}), b = Pt({x2, y2});
  c.MoveTo(a.X, a.Y);
  c.LineTo(b.X, b.Y);
}

void Sketch::Text(double cx, double cy, const std::string& text, double size, TColor color,
                  bool bold) {
  TCanvas& c = *big_->Canvas();
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
  out->SetSize(width_, height_);
  for (int y = 0; y < height_; ++y) {
    uint32_t* row = out->ScanLine(y);
    for (int x = 0; x < width_; ++x) row[x] = BlockAverage(*big_, x, y, fine_);
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
