// Lines and shapes: pen outline, brush interior, pen mode on both, each pixel once per call.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/canvas.h"
#include "platform/graphics/canvas_painter.h"

using raster::Spans;

namespace {

// On/off run lengths of the thin styled pens.
std::span<const int> StylePattern(TPenStyle style) {
  static constexpr int kDash[] = {18, 6};
  static constexpr int kDot[] = {3, 3};
  static constexpr int kDashDot[] = {9, 6, 3, 6};
  static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (style) {
    case psDash: return kDash;
    case psDot: return kDot;
    case psDashDot: return kDashDot;
    case psDashDotDot: return kDashDotDot;
    default: return {};
  }
}

// Collects the pixels of one pen stroke (a chain of segments) as spans.
class Stroke {
 public:
  Stroke(const TPen& pen, int clipTop, int clipBottom)
      : width_(pen.Width()),
        pattern_(width_ > 1 ? std::span<const int>{} : StylePattern(pen.Style())),
        top_(clipTop),
        bottom_(clipBottom) {}

  // The segment from a to b; b itself only for wide pens (its round cap) or when includeEnd.
  void Segment(TPoint a, TPoint b, bool includeEnd) {
    if (width_ > 1) {
      raster::CapsuleSpans(a, b, width_, top_, bottom_, spans_);
      return;
    }
    raster::ThinLine(a, b, includeEnd, [this](int x, int y) {
      if (!Visible() || y < top_ || y >= bottom_) return;
      // Runs along a row become one span.
      if (!spans_.empty()) {
        raster::Span& last = spans_.back();
        if (last.y == y && (last.x1 == x || last.x0 == x + 1)) {
          last.x0 = std::min(last.x0, x);
          last.x1 = std::max(last.x1, x + 1);
          return;
        }
      }
      spans_.push_back({y, x, x + 1});
    });
  }
  Spans& spans() { return spans_; }

 private:
  // Advances the style pattern by one pixel; true when that pixel is drawn.
  bool Visible() {
    if (pattern_.empty()) return true;
    const bool on = (phase_ % 2) == 0;
    if (++count_ >= pattern_[phase_]) {
      count_ = 0;
      phase_ = (phase_ + 1) % pattern_.size();
    }
    return on;
  }
  int width_;
  std::span<const int> pattern_;
  size_t phase_ = 0;
  int count_ = 0;
  int top_, bottom_;
  Spans spans_;
};

bool HasPen(const TPen& pen) { return pen.Style() != psClear; }
bool HasBrush(const TBrush& brush) { return brush.Style() != bsClear; }

// Paints interior and outline so that no pixel is touched twice.
void PaintShape(CanvasPainter& painter, const TPen& pen, const TBrush& brush, Spans& interior,
                Spans& outline, bool outlineDisjoint) {
  const SpanOp op = PenModeOp(pen.Mode());
  if (!outlineDisjoint && !PenModeIdempotent(pen.Mode())) {
    raster::Normalize(outline);
    if (!interior.empty()) {
      raster::Normalize(interior);
      interior = raster::Subtract(interior, outline);
    }
  }
  if (HasBrush(brush)) painter.Spans(interior, ToPixel(brush.Color()), op);
  if (HasPen(pen)) painter.Spans(outline, ToPixel(pen.Color()), op);
}

// The continuous outer and inner shapes of a pen of width w around the box [l, r) x [t, b) with
// corner semi-axes ra, rb; the outline is outer minus inner, the interior is inner.
struct PenShapes {
  double ox0, oy0, ox1, oy1, ora, orb;
  double ix0, iy0, ix1, iy1, ira, irb;
};

PenShapes ShapesFor(const TRect& box, double ra, double rb, const TPen& pen) {
  const int w = pen.Width();
  double out = w / 2.0 - 0.5;
  double in = w / 2.0 + 0.5;
  if (pen.Style() == psInsideFrame && w > 1) {
    out = 0;
    in = w;
  }
  return PenShapes{box.Left - out,
                   box.Top - out,
                   box.Right + out,
                   box.Bottom + out,
                   ra > 0 ? ra + out : 0,
                   rb > 0 ? rb + out : 0,
                   box.Left + in,
                   box.Top + in,
                   box.Right - in,
                   box.Bottom - in,
                   std::max(0.0, ra - in),
                   std::max(0.0, rb - in)};
}

// Counter-clockwise sweep on screen from the ray through (x3, y3) to the ray through (x4, y4),
// about the centre of the box.
class Sweep {
 public:
  Sweep(const TRect& box, int x3, int y3, int x4, int y4)
      : cx_((box.Left + box.Right - 1) / 2.0), cy_((box.Top + box.Bottom - 1) / 2.0) {
    a1_ = Angle(x3, y3);
    const double a2 = Angle(x4, y4);
    sweep_ = std::fmod(a2 - a1_ + 4 * std::numbers::pi, 2 * std::numbers::pi);
    full_ = sweep_ < 1e-12;
    // The ends on the ellipse through the centres of the box's edge pixels.
    const double a = (box.Right - box.Left - 1) / 2.0, b = (box.Bottom - box.Top - 1) / 2.0;
    start_ = OnEllipse(x3, y3, a, b);
    end_ = OnEllipse(x4, y4, a, b);
  }
  bool Full() const { return full_; }
  bool Contains(double x, double y) const {
    if (full_ || (x == cx_ && y == cy_)) return true;
    const double d = std::fmod(Angle(x, y) - a1_ + 4 * std::numbers::pi, 2 * std::numbers::pi);
    return d <= sweep_ + 1e-9;
  }
  // True when (x, y) lies on the arc's side of the chord from the start to the end.
  bool BeyondChord(double x, double y) const {
    if (full_) return true;
    const double ex = end_.first - start_.first, ey = -(end_.second - start_.second);
    const double px = x - start_.first, py = -(y - start_.second);
    return ex * py - ey * px <= 1e-9;
  }
  TPoint Centre() const { return Rounded(cx_, cy_); }
  TPoint Start() const { return Rounded(start_.first, start_.second); }
  TPoint End() const { return Rounded(end_.first, end_.second); }

 private:
  double Angle(double x, double y) const { return std::atan2(cy_ - y, x - cx_); }
  std::pair<double, double> OnEllipse(double x, double y, double a, double b) const {
    const double ux = x - cx_, uy = y - cy_;
    if ((ux == 0 && uy == 0) || a <= 0 || b <= 0) return {cx_, cy_};
    const double s = 1 / std::sqrt((ux / a) * (ux / a) + (uy / b) * (uy / b));
    return {cx_ + s * ux, cy_ + s * uy};
  }
  static TPoint Rounded(double x, double y) {
    return TPoint{static_cast<int>(std::floor(x + 0.5)), static_cast<int>(std::floor(y + 0.5))};
  }
  double cx_, cy_, a1_ = 0, sweep_ = 0;
  bool full_ = false;
  std::pair<double, double> start_, end_;
};

// Keeps the pixels of the spans that satisfy keep(x, y).
template <typename Keep>
Spans Filter(const Spans& spans, Keep keep) {
  Spans out;
  for (const raster::Span& s : spans) {
    int run = s.x0;
    for (int x = s.x0; x <= s.x1; ++x) {
      const bool in = x < s.x1 && keep(x, s.y);
      if (!in) {
        if (run < x) out.push_back({s.y, run, x});
        run = x + 1;
      }
    }
  }
  return out;
}

enum class ArcKind { Arc, Pie, Chord };

}  // namespace

void TCanvas::LineTo(int x, int y) {
  const TPoint from = penPos_;
  penPos_ = {x, y};
  if (!HasPen(*pen_)) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  Stroke stroke(*pen_, painter.Top(), painter.Bottom());
  stroke.Segment(from, {x, y}, false);
  painter.Spans(stroke.spans(), ToPixel(pen_->Color()), PenModeOp(pen_->Mode()));
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2 || !HasPen(*pen_)) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  Stroke stroke(*pen_, painter.Top(), painter.Bottom());
  for (size_t i = 0; i + 1 < points.size(); ++i) stroke.Segment(points[i], points[i + 1], false);
  if (pen_->Width() > 1 && !PenModeIdempotent(pen_->Mode())) raster::Normalize(stroke.spans());
  painter.Spans(stroke.spans(), ToPixel(pen_->Color()), PenModeOp(pen_->Mode()));
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.empty()) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  Spans interior, outline;
  if (HasBrush(*brush_)) raster::PolygonSpans(points, painter.Top(), painter.Bottom(), interior);
  if (HasPen(*pen_)) {
    Stroke stroke(*pen_, painter.Top(), painter.Bottom());
    for (size_t i = 0; i < points.size(); ++i) {
      stroke.Segment(points[i], points[(i + 1) % points.size()], points.size() == 1);
    }
    outline.swap(stroke.spans());
  }
  PaintShape(painter, *pen_, *brush_, interior, outline, false);
}

namespace {

void RoundShape(TCanvas& canvas, CanvasPainter& painter, const TPen& pen, const TBrush& brush,
                TRect box, double ra, double rb) {
  box = NormalizeRect(box);
  if (painter.Empty()) return;
  Spans interior, outline;
  if (!HasPen(pen)) {
    // Without a pen the filled area is one pixel smaller at the right and the bottom.
    if (HasBrush(brush)) {
      raster::RoundRectSpans(box.Left, box.Top, box.Right - 1, box.Bottom - 1, ra, rb,
                             painter.Top(), painter.Bottom(), interior);
    }
    PaintShape(painter, pen, brush, interior, outline, true);
    return;
  }
  if (IsRectEmpty(box)) return;
  const PenShapes s = ShapesFor(box, ra, rb, pen);
  const bool styled = pen.Width() <= 1 && pen.Style() != psSolid && pen.Style() != psInsideFrame;
  if (styled && ra == 0 && rb == 0) {
    if (HasBrush(brush)) {
      raster::RoundRectSpans(s.ix0, s.iy0, s.ix1, s.iy1, 0, 0, painter.Top(), painter.Bottom(),
                             interior);
    }
    // A styled frame follows its path like a closed polyline.
    Stroke stroke(pen, painter.Top(), painter.Bottom());
    const TPoint corners[] = {{box.Left, box.Top},
                              {box.Right - 1, box.Top},
                              {box.Right - 1, box.Bottom - 1},
                              {box.Left, box.Bottom - 1}};
    for (int i = 0; i < 4; ++i) stroke.Segment(corners[i], corners[(i + 1) % 4], false);
    outline.swap(stroke.spans());
    PaintShape(painter, pen, brush, interior, outline, false);
    return;
  }
  raster::RingSpans(s.ox0, s.oy0, s.ox1, s.oy1, s.ora, s.orb, s.ix0, s.iy0, s.ix1, s.iy1, s.ira,
                    s.irb, painter.Top(), painter.Bottom(), outline,
                    HasBrush(brush) ? &interior : nullptr);
  PaintShape(painter, pen, brush, interior, outline, true);
  (void)canvas;
}

void ArcShape(CanvasPainter& painter, const TPen& pen, const TBrush& brush, TRect box, int x3,
              int y3, int x4, int y4, ArcKind kind) {
  box = NormalizeRect(box);
  if (painter.Empty() || IsRectEmpty(box)) return;
  const double ra = box.Width() / 2.0, rb = box.Height() / 2.0;
  const Sweep sweep(box, x3, y3, x4, y4);
  auto inside = [&](int x, int y) {
    return kind == ArcKind::Chord ? sweep.BeyondChord(x, y) : sweep.Contains(x, y);
  };
  Spans interior, outline;
  const bool filled = kind != ArcKind::Arc && HasBrush(brush);
  if (!HasPen(pen)) {
    if (filled) {
      raster::RoundRectSpans(box.Left, box.Top, box.Right - 1, box.Bottom - 1, ra - 0.5, rb - 0.5,
                             painter.Top(), painter.Bottom(), interior);
      interior = Filter(interior, inside);
    }
    PaintShape(painter, pen, brush, interior, outline, true);
    return;
  }
  const PenShapes s = ShapesFor(box, ra, rb, pen);
  raster::RingSpans(s.ox0, s.oy0, s.ox1, s.oy1, s.ora, s.orb, s.ix0, s.iy0, s.ix1, s.iy1, s.ira,
                    s.irb, painter.Top(), painter.Bottom(), outline, filled ? &interior : nullptr);
  if (filled) interior = Filter(interior, inside);
  outline = Filter(outline, [&](int x, int y) { return sweep.Contains(x, y); });
  if (!sweep.Full() && kind != ArcKind::Arc) {
    TPen solid;
    solid.SetWidth(pen.Width());
    Stroke stroke(solid, painter.Top(), painter.Bottom());
    if (kind == ArcKind::Pie) {
      stroke.Segment(sweep.Centre(), sweep.Start(), true);
      stroke.Segment(sweep.Centre(), sweep.End(), true);
    } else {
      stroke.Segment(sweep.Start(), sweep.End(), true);
    }
    outline.insert(outline.end(), stroke.spans().begin(), stroke.spans().end());
  }
  PaintShape(painter, pen, brush, interior, outline, false);
}

}  // namespace

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  CanvasPainter painter(*this);
  RoundShape(*this, painter, *pen_, *brush_, {left, top, right, bottom}, 0, 0);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) {
  CanvasPainter painter(*this);
  RoundShape(*this, painter, *pen_, *brush_, {left, top, right, bottom},
             std::abs(cornerWidth) / 2.0, std::abs(cornerHeight) / 2.0);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  CanvasPainter painter(*this);
  const TRect box = NormalizeRect({left, top, right, bottom});
  RoundShape(*this, painter, *pen_, *brush_, box, box.Width() / 2.0, box.Height() / 2.0);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  CanvasPainter painter(*this);
  ArcShape(painter, *pen_, *brush_, {x1, y1, x2, y2}, x3, y3, x4, y4, ArcKind::Arc);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  CanvasPainter painter(*this);
  ArcShape(painter, *pen_, *brush_, {x1, y1, x2, y2}, x3, y3, x4, y4, ArcKind::Pie);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  CanvasPainter painter(*this);
  ArcShape(painter, *pen_, *brush_, {x1, y1, x2, y2}, x3, y3, x4, y4, ArcKind::Chord);
}
