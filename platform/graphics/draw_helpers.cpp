#include "platform/graphics/draw_helpers.h"

#include <algorithm>
#include <vector>

#include "platform/graphics/canvas_painter.h"
#include "platform/graphics/canvas_state.h"

void Frame3D(TCanvas* canvas, TRect& r, TColor top_color, TColor bottom_color, int width) {
  // Not in the pen the caller's drawing left: a frame's paint, for one, leaves a clear pen.
  const TCanvasSaver keep(*canvas, cpPen);
  TPen* pen = canvas->Pen();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  TRect box = r;
  --box.Bottom;
  --box.Right;
  for (int i = 0; i < width; ++i) {
    pen->SetColor(top_color);
    const TPoint top[] = {{box.Left, box.Bottom}, {box.Left, box.Top}, {box.Right, box.Top}};
    canvas->Polyline(top);
    pen->SetColor(bottom_color);
    const TPoint bottom[] = {
        {box.Right, box.Top}, {box.Right, box.Bottom}, {box.Left - 1, box.Bottom}};
    canvas->Polyline(bottom);
    InflateRect(box, -1, -1);
  }
  ++box.Bottom;
  ++box.Right;
  r = box;
}

TRect DrawButtonFace(TCanvas* canvas, const TRect& client, int bevel_width, TButtonStyle style,
                     bool is_rounded, bool is_down, bool is_focused) {
  (void)is_focused;
  TRect r = client;
  TPen* pen = canvas->Pen();
  TBrush* brush = canvas->Brush();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  if (style == bsWin31) {
    // Old style: a black outline (corners left out when rounded), a Frame3D bevel inside.
    pen->SetColor(clWindowFrame);
    brush->SetColor(clBtnFace);
    brush->SetStyle(bsSolid);
    canvas->Rectangle(r);
    if (is_rounded) {
      canvas->SetPixels(r.Left, r.Top, clBtnFace);
      canvas->SetPixels(r.Right - 1, r.Top, clBtnFace);
      canvas->SetPixels(r.Left, r.Bottom - 1, clBtnFace);
      canvas->SetPixels(r.Right - 1, r.Bottom - 1, clBtnFace);
    }
    InflateRect(r, -1, -1);
    if (is_down) {
      Frame3D(canvas, r, clBtnShadow, clBtnFace, 1);
      Frame3D(canvas, r, clBtnFace, clBtnFace, bevel_width > 1 ? bevel_width - 1 : 0);
    } else {
      Frame3D(canvas, r, clBtnHighlight, clBtnShadow, bevel_width);
    }
  } else {
    const int bevel = std::max(1, bevel_width);
    if (is_down) {
      Frame3D(canvas, r, cl3DDkShadow, clBtnHighlight, 1);
      Frame3D(canvas, r, clBtnShadow, clBtnFace, 1);
      if (bevel > 1) Frame3D(canvas, r, clBtnFace, clBtnFace, bevel - 1);
    } else {
      Frame3D(canvas, r, clBtnHighlight, cl3DDkShadow, 1);
      Frame3D(canvas, r, cl3DLight, clBtnShadow, 1);
      if (bevel > 1) Frame3D(canvas, r, clBtnHighlight, clBtnShadow, bevel - 1);
    }
    brush->SetColor(clBtnFace);
    brush->SetStyle(bsSolid);
    canvas->FillRect(r);
  }
  TRect inner{client.Left + 1, client.Top + 1, client.Right - 2, client.Bottom - 2};
  if (is_down) OffsetRect(inner, 1, 1);
  return inner;
}

void CreateDisabledGlyph(const TBitmap* glyph, TBitmap* result) {
  if (!result) return;
  if (!glyph || glyph->Empty()) {
    result->Assign(nullptr);
    return;
  }
  const int w = glyph->Width(), h = glyph->Height();
  std::vector<uint8_t> dark(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const uint32_t* row = glyph->ScanLine(y);
    for (int x = 0; x < w; ++x) dark[static_cast<size_t>(y) * w + x] = (row[x] & 0xFFFFFF) == 0;
  }
  result->SetSize(w, h);
  const uint32_t face = ToPixel(clBtnFace), light = ToPixel(clBtnHighlight),
                 shadow = ToPixel(clBtnShadow);
  for (int y = 0; y < h; ++y) std::fill_n(result->ScanLine(y), w, face);
  for (int y = 0; y + 1 < h; ++y) {
    for (int x = 0; x + 1 < w; ++x) {
      if (dark[static_cast<size_t>(y) * w + x]) result->ScanLine(y + 1)[x + 1] = light;
    }
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (dark[static_cast<size_t>(y) * w + x]) result->ScanLine(y)[x] = shadow;
    }
  }
  if (result->OnChange) result->OnChange(result);
}
