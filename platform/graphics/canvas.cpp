#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cassert>

#include "platform/graphics/canvas_painter.h"

TCanvas::TCanvas()
    : pen_(std::make_unique<TPen>()),
      brush_(std::make_unique<TBrush>()),
      font_(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::SetPen(const TPen* v) {
  if (v) pen_->Assign(*v);
}
void TCanvas::SetBrush(const TBrush* v) {
  if (v) brush_->Assign(*v);
}
void TCanvas::SetFont(const TFont* v) {
  if (v) font_->Assign(*v);
}

void TCanvas::SetSurface(const TSurface& surface, TPoint origin, TRect bounds) {
  surface_ = surface;
  if (!surface_.Bits || surface_.Width <= 0 || surface_.Height <= 0) surface_ = TSurface{};
  if (surface_.Stride < surface_.Width) surface_.Stride = surface_.Width;
  origin_ = origin;
  bounds_ = bounds;
  UpdateDeviceClip();
}

void TCanvas::UpdateDeviceClip() {
  deviceClip_.clear();
  deviceClipBox_ = TRect{};
  TRect limit{0, 0, surface_.Width, surface_.Height};
  if (!IsRectEmpty(bounds_)) {
    TRect b = bounds_;
    OffsetRect(b, origin_.X, origin_.Y);
    IntersectRect(limit, limit, b);
  }
  if (IsRectEmpty(limit)) return;
  if (!hasClip_) {
    deviceClip_.push_back(limit);
  } else {
    for (TRect r : clip_.Rects()) {
      OffsetRect(r, origin_.X, origin_.Y);
      if (IntersectRect(r, r, limit)) deviceClip_.push_back(r);
    }
  }
  for (const TRect& r : deviceClip_) UnionRect(deviceClipBox_, deviceClipBox_, r);
#ifndef NDEBUG
  // Spans are clipped against these rectangles one after the other: each pixel in one at most.
  for (size_t i = 0; i < deviceClip_.size(); ++i) {
    TRect common;
    assert(!IsRectEmpty(deviceClip_[i]) && deviceClip_[i].Left >= 0 && deviceClip_[i].Top >= 0 &&
           deviceClip_[i].Right <= surface_.Width && deviceClip_[i].Bottom <= surface_.Height);
    for (size_t j = i + 1; j < deviceClip_.size(); ++j)
      assert(!IntersectRect(common, deviceClip_[i], deviceClip_[j]));
  }
#endif
}

void TCanvas::Changed(const TRect& deviceArea) {
  if (OnPixelsChanged) OnPixelsChanged(this, deviceArea);
}

TRect TCanvas::ClipRect() const {
  TRect r = deviceClipBox_;
  if (IsRectEmpty(r)) return TRect{};
  OffsetRect(r, -origin_.X, -origin_.Y);
  return r;
}

void TCanvas::SelectClipRect(const TRect& r) {
  TRegion region(r);
  SelectClipRgn(&region);
}

void TCanvas::SelectClipRgn(const TRegion* region) {
  hasClip_ = region != nullptr;
  clip_ = region ? *region : TRegion{};
  UpdateDeviceClip();
}

void TCanvas::ClipToRegion() {
  if (hasClip_) return;
  // Everything drawable so far, in logical coordinates.
  clip_ = TRegion{};
  for (TRect d : deviceClip_) {
    OffsetRect(d, -origin_.X, -origin_.Y);
    clip_.Add(d);
  }
  hasClip_ = true;
}

void TCanvas::IntersectClipRect(const TRect& r) {
  ClipToRegion();
  clip_.Intersect(r);
  UpdateDeviceClip();
}

void TCanvas::ExcludeClipRect(const TRect& r) {
  ClipToRegion();
  clip_.Subtract(r);
  UpdateDeviceClip();
}

void TCanvas::FillRect(const TRect& rect) {
  if (brush_->Style() == bsClear) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  const TRect r = NormalizeRect(rect);
  const uint32_t color = ToPixel(brush_->Color());
  const int top = std::max(r.Top, painter.Top());
  const int bottom = std::min(r.Bottom, painter.Bottom());
  for (int y = top; y < bottom; ++y) painter.Span(y, r.Left, r.Right, color, CopyOp());
}

void TCanvas::FrameRect(const TRect& rect) {
  if (brush_->Style() == bsClear) return;
  const TRect r = NormalizeRect(rect);
  if (IsRectEmpty(r)) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  const uint32_t color = ToPixel(brush_->Color());
  painter.Span(r.Top, r.Left, r.Right, color, CopyOp());
  if (r.Bottom - 1 > r.Top) painter.Span(r.Bottom - 1, r.Left, r.Right, color, CopyOp());
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    painter.Span(y, r.Left, r.Left + 1, color, CopyOp());
    if (r.Right - 1 > r.Left) painter.Span(y, r.Right - 1, r.Right, color, CopyOp());
  }
}

TColor TCanvas::Pixels(int x, int y) const {
  const long long dx = static_cast<long long>(x) + origin_.X;
  const long long dy = static_cast<long long>(y) + origin_.Y;
  if (!surface_.Bits || dx < 0 || dy < 0 || dx >= surface_.Width || dy >= surface_.Height) {
    return -1;
  }
  if (!IsRectEmpty(bounds_) && !PtInRect(bounds_, TPoint{x, y})) return -1;
  return FromPixel(surface_.Bits[dy * surface_.Stride + dx]);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  CanvasPainter painter(*this);
  painter.Pixel(x, y, ToPixel(color), CopyOp());
}
