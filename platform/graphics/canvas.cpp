#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cassert>

#include "platform/graphics/canvas_painter.h"

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::SetPen(const TPen* V) {
  if (V) FPen->Assign(*V);
}
void TCanvas::SetBrush(const TBrush* V) {
  if (V) FBrush->Assign(*V);
}
void TCanvas::SetFont(const TFont* V) {
  if (V) FFont->Assign(*V);
}

void TCanvas::SetSurface(const TSurface& Surface, TPoint Origin, TRect Bounds) {
  FSurface = Surface;
  if (!FSurface.Bits || FSurface.Width <= 0 || FSurface.Height <= 0) FSurface = TSurface{};
  if (FSurface.Stride < FSurface.Width) FSurface.Stride = FSurface.Width;
  FOrigin = Origin;
  FBounds = Bounds;
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

void TCanvas::Changed(const TRect& DeviceArea) {
  if (OnPixelsChanged) OnPixelsChanged(this, DeviceArea);
}

TRect TCanvas::ClipRect() const {
  TRect r = FDeviceClipBox;
  if (IsRectEmpty(r)) return TRect{};
  OffsetRect(r, -FOrigin.X, -FOrigin.Y);
  return r;
}

void TCanvas::SelectClipRect(const TRect& R) {
  TRegion region(R);
  SelectClipRgn(&region);
}

void TCanvas::SelectClipRgn(const TRegion* Region) {
  FHasClip = Region != nullptr;
  FClip = Region ? *Region : TRegion{};
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

void TCanvas::IntersectClipRect(const TRect& R) {
  ClipToRegion();
  FClip.Intersect(R);
  UpdateDeviceClip();
}

void TCanvas::ExcludeClipRect(const TRect& R) {
  ClipToRegion();
  FClip.Subtract(R);
  UpdateDeviceClip();
}

void TCanvas::FillRect(const TRect& Rect) {
  if (FBrush->Style() == bsClear) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  const TRect r = NormalizeRect(Rect);
  const uint32_t color = ToPixel(FBrush->Color());
  const int top = std::max(r.Top, painter.Top());
  const int bottom = std::min(r.Bottom, painter.Bottom());
  for (int y = top; y < bottom; ++y) painter.Span(y, r.Left, r.Right, color, CopyOp());
}

void TCanvas::FrameRect(const TRect& Rect) {
  if (FBrush->Style() == bsClear) return;
  const TRect r = NormalizeRect(Rect);
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

TColor TCanvas::Pixels(int X, int Y) const {
  const long long dx = static_cast<long long>(X) + FOrigin.X;
  const long long dy = static_cast<long long>(Y) + FOrigin.Y;
  if (!FSurface.Bits || dx < 0 || dy < 0 || dx >= FSurface.Width || dy >= FSurface.Height) {
    return -1;
  }
  if (!IsRectEmpty(FBounds) && !PtInRect(FBounds, TPoint{X, Y})) return -1;
  return FromPixel(FSurface.Bits[dy * FSurface.Stride + dx]);
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
  CanvasPainter painter(*this);
  painter.Pixel(X, Y, ToPixel(Color), CopyOp());
}
