#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cassert>

#include "platform/graphics/canvas_painter.h"

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::SetPen(const TPen* v) {
  if (v) FPen->Assign(*v);
}
void TCanvas::SetBrush(const TBrush* v) {
  if (v) FBrush->Assign(*v);
}
void TCanvas::SetFont(const TFont* v) {
  if (v) FFont->Assign(*v);
}

void TCanvas::SetSurface(const TSurface& surface, TPoint origin, TRect bounds) {
  FSurface = surface;
  if (!FSurface.Bits || FSurface.Width <= 0 || FSurface.Height <= 0) FSurface = TSurface{};
  if (FSurface.Stride < FSurface.Width) FSurface.Stride = FSurface.Width;
  FOrigin = origin;
  FBounds = bounds;
  UpdateDeviceClip();
}

void TCanvas::UpdateDeviceClip() {
  FDeviceClip.clear();
  FDeviceClipBox = TRect{};
  TRect limit{0, 0, FSurface.Width, FSurface.Height};
  if (!IsRectEmpty(FBounds)) {
    TRect b = FBounds;
    OffsetRect(b, FOrigin.X, FOrigin.Y);
    IntersectRect(limit, limit, b);
  }
  if (IsRectEmpty(limit)) return;
  if (!FHasClip) {
    FDeviceClip.push_back(limit);
  } else {
    for (TRect r : FClip.Rects()) {
      OffsetRect(r, FOrigin.X, FOrigin.Y);
      if (IntersectRect(r, r, limit)) FDeviceClip.push_back(r);
    }
  }
  for (const TRect& r : FDeviceClip) UnionRect(FDeviceClipBox, FDeviceClipBox, r);
#ifndef NDEBUG
  // Spans are clipped against these rectangles one after the other: each pixel in one at most.
  for (size_t i = 0; i < FDeviceClip.size(); ++i) {
    TRect common;
    assert(!IsRectEmpty(FDeviceClip[i]) && FDeviceClip[i].Left >= 0 && FDeviceClip[i].Top >= 0 &&
           FDeviceClip[i].Right <= FSurface.Width && FDeviceClip[i].Bottom <= FSurface.Height);
    for (size_t j = i + 1; j < FDeviceClip.size(); ++j)
      assert(!IntersectRect(common, FDeviceClip[i], FDeviceClip[j]));
  }
#endif
}

void TCanvas::Changed(const TRect& device_area) {
  if (OnPixelsChanged) OnPixelsChanged(this, device_area);
}

TRect TCanvas::ClipRect() const {
  TRect r = FDeviceClipBox;
  if (IsRectEmpty(r)) return TRect{};
  OffsetRect(r, -FOrigin.X, -FOrigin.Y);
  return r;
}

void TCanvas::SelectClipRect(const TRect& r) {
  TRegion region(r);
  SelectClipRgn(&region);
}

void TCanvas::SelectClipRgn(const TRegion* region) {
  FHasClip = region != nullptr;
  FClip = region ? *region : TRegion{};
  UpdateDeviceClip();
}

void TCanvas::ClipToRegion() {
  if (FHasClip) return;
  // Everything drawable so far, in logical coordinates.
  FClip = TRegion{};
  for (TRect d : FDeviceClip) {
    OffsetRect(d, -FOrigin.X, -FOrigin.Y);
    FClip.Add(d);
  }
  FHasClip = true;
}

void TCanvas::IntersectClipRect(const TRect& r) {
  ClipToRegion();
  FClip.Intersect(r);
  UpdateDeviceClip();
}

void TCanvas::ExcludeClipRect(const TRect& r) {
  ClipToRegion();
  FClip.Subtract(r);
  UpdateDeviceClip();
}

void TCanvas::FillRect(const TRect& rect) {
  if (FBrush->Style() == bsClear) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  const TRect r = NormalizeRect(rect);
  const uint32_t color = ToPixel(FBrush->Color());
  const int top = std::max(r.Top, painter.Top());
  const int bottom = std::min(r.Bottom, painter.Bottom());
  for (int y = top; y < bottom; ++y) painter.Span(y, r.Left, r.Right, color, CopyOp());
}

void TCanvas::FrameRect(const TRect& rect) {
  if (FBrush->Style() == bsClear) return;
  const TRect r = NormalizeRect(rect);
  if (IsRectEmpty(r)) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  const uint32_t color = ToPixel(FBrush->Color());
  painter.Span(r.Top, r.Left, r.Right, color, CopyOp());
  if (r.Bottom - 1 > r.Top) painter.Span(r.Bottom - 1, r.Left, r.Right, color, CopyOp());
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    painter.Span(y, r.Left, r.Left + 1, color, CopyOp());
    if (r.Right - 1 > r.Left) painter.Span(y, r.Right - 1, r.Right, color, CopyOp());
  }
}

TColor TCanvas::Pixels(int x, int y) const {
  const long long dx = static_cast<long long>(x) + FOrigin.X;
  const long long dy = static_cast<long long>(y) + FOrigin.Y;
  if (!FSurface.Bits || dx < 0 || dy < 0 || dx >= FSurface.Width || dy >= FSurface.Height) {
    return -1;
  }
  if (!IsRectEmpty(FBounds) && !PtInRect(FBounds, TPoint{x, y})) return -1;
  return FromPixel(FSurface.Bits[dy * FSurface.Stride + dx]);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  CanvasPainter painter(*this);
  painter.Pixel(x, y, ToPixel(color), CopyOp());
}
