#include "platform/graphics/draw_helpers.h"

#include <algorithm>
#include <vector>

#include "platform/graphics/canvas_painter.h"
#include "platform/graphics/canvas_state.h"

void Frame3D(TCanvas* Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width) {
  // Not in the pen the caller's drawing left: a frame's paint, for one, leaves a clear pen.
  const TCanvasSaver keep(*Canvas, cpPen);
  TPen* pen = Canvas->Pen();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  TRect box = R;
  --box.Bottom;
  --box.Right;
  for (int i = 0; i < Width; ++i) {
    pen->SetColor(TopColor);
    const TPoint top[] = {{box.Left, box.Bottom}, {box.Left, box.Top}, {box.Right, box.Top}};
    Canvas->Polyline(top);
    pen->SetColor(BottomColor);
    const TPoint bottom[] = {
        {box.Right, box.Top}, {box.Right, box.Bottom}, {box.Left - 1, box.Bottom}};
    Canvas->Polyline(bottom);
    InflateRect(box, -1, -1);
  }
  ++box.Bottom;
  ++box.Right;
  R = box;
}

TRect DrawButtonFace(TCanvas* Canvas, const TRect& Client, int BevelWidth, TButtonStyle Style,
                     bool IsRounded, bool IsDown, bool IsFocused) {
  (void)IsFocused;
  TRect r = Client;
  TPen* pen = Canvas->Pen();
  TBrush* brush = Canvas->Brush();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  if (Style == bsWin31) {
    // Old style: a black outline (corners left out when rounded), a Frame3D bevel inside.
    pen->SetColor(clWindowFrame);
    brush->SetColor(clBtnFace);
    brush->SetStyle(bsSolid);
    Canvas->Rectangle(r);
    if (IsRounded) {
      Canvas->SetPixels(r.Left, r.Top, clBtnFace);
      Canvas->SetPixels(r.Right - 1, r.Top, clBtnFace);
      Canvas->SetPixels(r.Left, r.Bottom - 1, clBtnFace);
      Canvas->SetPixels(r.Right - 1, r.Bottom - 1, clBtnFace);
    }
    InflateRect(r, -1, -1);
    if (IsDown) {
      Frame3D(Canvas, r, clBtnShadow, clBtnFace, 1);
      Frame3D(Canvas, r, clBtnFace, clBtnFace, BevelWidth > 1 ? BevelWidth - 1 : 0);
    } else {
      Frame3D(Canvas, r, clBtnHighlight, clBtnShadow, BevelWidth);
    }
  } else {
    const int bevel = std::max(1, BevelWidth);
    if (IsDown) {
      Frame3D(Canvas, r, cl3DDkShadow, clBtnHighlight, 1);
      Frame3D(Canvas, r, clBtnShadow, clBtnFace, 1);
      if (bevel > 1) Frame3D(Canvas, r, clBtnFace, clBtnFace, bevel - 1);
    } else {
      Frame3D(Canvas, r, clBtnHighlight, cl3DDkShadow, 1);
      Frame3D(Canvas, r, cl3DLight, clBtnShadow, 1);
      if (bevel > 1) Frame3D(Canvas, r, clBtnHighlight, clBtnShadow, bevel - 1);
    }
    brush->SetColor(clBtnFace);
    brush->SetStyle(bsSolid);
    Canvas->FillRect(r);
  }
  TRect inner{Client.Left + 1, Client.Top + 1, Client.Right - 2, Client.Bottom - 2};
  if (IsDown) OffsetRect(inner, 1, 1);
  return inner;
}

void CreateDisabledGlyph(const TBitmap* Glyph, TBitmap* Result) {
  if (!Result) return;
  if (!Glyph || Glyph->Empty()) {
    Result->Assign(nullptr);
    return;
  }
  const int w = Glyph->Width(), h = Glyph->Height();
  std::vector<uint8_t> dark(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const uint32_t* row = Glyph->ScanLine(y);
    for (int x = 0; x < w; ++x) dark[static_cast<size_t>(y) * w + x] = (row[x] & 0xFFFFFF) == 0;
  }
  Result->SetSize(w, h);
  const uint32_t face = ToPixel(clBtnFace), light = ToPixel(clBtnHighlight),
                 shadow = ToPixel(clBtnShadow);
  for (int y = 0; y < h; ++y) std::fill_n(Result->ScanLine(y), w, face);
  for (int y = 0; y + 1 < h; ++y) {
    for (int x = 0; x + 1 < w; ++x) {
      if (dark[static_cast<size_t>(y) * w + x]) Result->ScanLine(y + 1)[x + 1] = light;
    }
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (dark[static_cast<size_t>(y) * w + x]) Result->ScanLine(y)[x] = shadow;
    }
  }
  if (Result->OnChange) Result->OnChange(Result);
}
