#pragma once
// TCanvas: draws every pixel itself on a 32-bit surface, with the window system's rules:
// - rectangles are (Left, Top, Right, Bottom) with Right and Bottom exclusive;
// - shapes have a pen outline and a brush interior; with a clear pen the filled area is one pixel
//   smaller at the right and the bottom; a clear brush leaves the interior alone;
// - LineTo leaves out its end pixel; pens wider than 1 are centred with round caps and joins;
// - the pen mode applies to lines, outlines and shape interiors (each pixel once per call), never
// to
//   FillRect, FrameRect, text or bitmap copies;
// - Arc, Pie and Chord run counter-clockwise from the first radial point to the second; equal rays
//   give the full ellipse; polygons fill by the alternate rule (pixel centres, top-left rule);
// - text is placed by the top-left of its cell, never anti-aliased.
// Pen, brush, font, pen position and copy mode persist; drawing outside the surface, or on an empty
// one, does nothing.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/base/object.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/pen_brush.h"
#include "platform/graphics/region.h"

class TBitmap;
struct TLogPalette;

// Pixels the canvas draws on, owned by someone else: rows top-down, Stride pixels apart, each pixel
// 0xFFRRGGBB (the layout of a 32-bit RGB QImage and of a 32-bit bitmap scan line).
struct TSurface {
  uint32_t* Bits = nullptr;
  int Width = 0;
  int Height = 0;
  int Stride = 0;
};

// Raster operations of BitBlt: the result bit for (pattern, source, destination) = bit
// (P*4 + S*2 + D) of the operation's third byte. The pattern is the canvas's brush colour.
using TCopyMode = int32_t;
constexpr TCopyMode BLACKNESS = 0x00000042;
constexpr TCopyMode NOTSRCERASE = 0x001100A6;
constexpr TCopyMode NOTSRCCOPY = 0x00330008;
constexpr TCopyMode SRCERASE = 0x00440328;
constexpr TCopyMode DSTINVERT = 0x00550009;
constexpr TCopyMode PATINVERT = 0x005A0049;
constexpr TCopyMode SRCINVERT = 0x00660046;
constexpr TCopyMode SRCAND = 0x008800C6;
constexpr TCopyMode MERGEPAINT = 0x00BB0226;
constexpr TCopyMode MERGECOPY = 0x00C000CA;
constexpr TCopyMode SRCCOPY = 0x00CC0020;
constexpr TCopyMode SRCPAINT = 0x00EE0086;
constexpr TCopyMode PATCOPY = 0x00F00021;
constexpr TCopyMode PATPAINT = 0x00FB0A09;
constexpr TCopyMode WHITENESS = 0x00FF0062;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

// DrawText flags.
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;

class TCanvas : public TObject {
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // --- Where the pixels go (for the owner of the pixels) ---
  // Points the canvas at a surface. Logical (0, 0) lies at `origin` on the surface; nothing is
  // drawn outside `bounds` (logical coordinates; an empty TRect means the whole surface). The
  // surface must outlive its use by the canvas; call again after the owner reallocates it.
  void SetSurface(const TSurface& Surface, TPoint Origin = {}, TRect Bounds = {});
  const TSurface& Surface() const { return FSurface; }
  TPoint Origin() const { return FOrigin; }
  // Called after every drawing call that may have changed pixels, with the changed area in
  // surface coordinates (already clipped).
  std::function<void(TCanvas* Sender, const TRect& Area)> OnPixelsChanged;

  // --- Drawing state ---
  TPen* Pen() { return FPen.get(); }
  TBrush* Brush() { return FBrush.get(); }
  TFont* Font() { return FFont.get(); }
  const TPen* Pen() const { return FPen.get(); }
  const TBrush* Brush() const { return FBrush.get(); }
  const TFont* Font() const { return FFont.get(); }
  // Copy the attributes (the canvas keeps its own objects).
  void SetPen(const TPen* V);
  void SetBrush(const TBrush* V);
  void SetFont(const TFont* V);
  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint P) { FPenPos = P; }
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode V) { FCopyMode = V; }

  // --- Clipping (logical coordinates; never beyond the bounds given with the surface) ---
  // The bounding box of what may be drawn now.
  TRect ClipRect() const;
  void SelectClipRect(const TRect& R);
  // nullptr removes every clip.
  void SelectClipRgn(const TRegion* Region);
  // The selected clip region; nullptr when there is none.
  const TRegion* ClipRgn() const { return FHasClip ? &FClip : nullptr; }
  void IntersectClipRect(const TRect& R);
  void ExcludeClipRect(const TRect& R);
  void RemoveClip() { SelectClipRgn(nullptr); }

  // --- Lines and shapes ---
  void MoveTo(int X, int Y) { FPenPos = {X, Y}; }
  void LineTo(int X, int Y);
  // Thin pens leave out the last point, like a chain of LineTo calls.
  void Polyline(std::span<const TPoint> Points);
  void Polygon(std::span<const TPoint> Points);
  void Rectangle(int Left, int Top, int Right, int Bottom);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void RoundRect(int Left, int Top, int Right, int Bottom, int CornerWidth, int CornerHeight);
  void Ellipse(int Left, int Top, int Right, int Bottom);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  // Brush only; inverted edges are put in order first.
  void FillRect(const TRect& R);
  void FrameRect(const TRect& R);
  TColor Pixels(int X, int Y) const;  // -1 outside the surface
  void SetPixels(int X, int Y, TColor Color);

  // --- Copies (the copy mode applies to CopyRect; stretching is nearest neighbour) ---
  void Draw(int X, int Y, const TBitmap* Bitmap);
  void StretchDraw(const TRect& R, const TBitmap* Bitmap);
  // Source pixels outside the source surface are not drawn.
  void CopyRect(const TRect& Dest, const TCanvas* Source, const TRect& SourceRect);
  // Stretch copy in which every source pixel equal to `color` (system colours resolved) takes the
  // brush colour.
  void BrushCopy(const TRect& Dest, const TBitmap* Bitmap, const TRect& SourceRect, TColor Color);
  void BitBlt(int X, int Y, int Width, int Height, const TCanvas* Source, int Sx, int Sy,
              TCopyMode Rop);
  void StretchBlt(const TRect& Dest, const TCanvas* Source, const TRect& SourceRect, TCopyMode Rop);

  // --- Text (8-bit Windows-1252; control characters are ordinary characters) ---
  void TextOut(int X, int Y, const std::string& Text);
  // Text at (x, y) clipped to r; a non-clear brush fills all of r first.
  void TextRect(const TRect& R, int X, int Y, const std::string& Text);
  int TextWidth(const std::string& Text) const;
  int TextHeight(const std::string& Text) const;
  TSize TextExtent(const std::string& Text) const;
  TTextMetric TextMetrics() const;
  // Lines broken at CR/LF and, with DT_WORDBREAK, at blanks to fit r's width (a word wider than r
  // is clipped, not broken). With DT_CALCRECT only r is adjusted to the text's extent. Returns the
  // text's height.
  int DrawText(const std::string& Text, TRect& R, unsigned Flags);

  // The palette selected with SelectPalette (no effect on true-colour drawing).
  const std::shared_ptr<const TLogPalette>& Palette() const { return FPalette; }
  void SetPalette(std::shared_ptr<const TLogPalette> P) { FPalette = std::move(P); }

 private:
  friend class CanvasPainter;
  void UpdateDeviceClip();
  // Turns "no clip" into a clip region of everything drawable now, ready to be narrowed.
  void ClipToRegion();
  void Changed(const TRect& DeviceArea);

  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TFont> FFont;
  TPoint FPenPos;
  TCopyMode FCopyMode = cmSrcCopy;
  TSurface FSurface;
  TPoint FOrigin;
  TRect FBounds;  // logical; empty = whole surface
  bool FHasClip = false;
  TRegion FClip;                   // logical, when FHasClip
  std::vector<TRect> FDeviceClip;  // surface coordinates, disjoint, non-empty
  TRect FDeviceClipBox;
  std::shared_ptr<const TLogPalette> FPalette;
};
