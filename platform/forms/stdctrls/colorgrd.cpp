#include "platform/forms/stdctrls/colorgrd.h"

#include <array>

#include "platform/graphics/draw_helpers.h"

namespace {
constexpr std::array<TColor, 16> kColors{clBlack, clMaroon,  clGreen,  clOlive, clNavy, clPurple,
                                         clTeal,  clGray,    clSilver, clRed,   clLime, clYellow,
                                         clBlue,  clFuchsia, clAqua,   clWhite};
constexpr int kColumns[] = {16, 8, 4, 2, 1};
}  // namespace

TColorGrid::TColorGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 100, 100);
  SetParentColor(true);
  SetParentFont(true);
}

TColor TColorGrid::ColorOf(int Index) {
  return Index >= 0 && Index < 16 ? kColors[size_t(Index)] : clBlack;
}

int TColorGrid::Columns() const { return kColumns[FGridOrdering]; }

void TColorGrid::SetGridOrdering(TGridOrdering Value) {
  FGridOrdering = Value;
  Invalidate();
}

void TColorGrid::SetForegroundIndex(int Value) {
  if (Value < 0 || Value > 15 || Value == FForegroundIndex) return;
  FForegroundIndex = Value;
  Changed();
}

void TColorGrid::SetBackgroundIndex(int Value) {
  if (Value < 0 || Value > 15 || Value == FBackgroundIndex) return;
  FBackgroundIndex = Value;
  Changed();
}

void TColorGrid::SetForegroundEnabled(bool Value) {
  FForegroundEnabled = Value;
  Invalidate();
}

void TColorGrid::SetBackgroundEnabled(bool Value) {
  FBackgroundEnabled = Value;
  Invalidate();
}

void TColorGrid::Changed() {
  Invalidate();
  if (OnChange) OnChange(this);
}

TRect TColorGrid::CellRect(int Index) const {
  const int cols = Columns();
  const int rows = 16 / cols;
  const int col = Index % cols;
  const int row = Index / cols;
  return Rect(col * Width() / cols, row * Height() / rows, (col + 1) * Width() / cols,
              (row + 1) * Height() / rows);
}

int TColorGrid::CellAt(int X, int Y) const {
  for (int i = 0; i < 16; ++i) {
    if (PtInRect(CellRect(i), TPoint{X, Y})) return i;
  }
  return -1;
}

void TColorGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const int cell = CellAt(X, Y);
  if (cell >= 0) {
    if (Button == mbLeft && FForegroundEnabled) SetForegroundIndex(cell);
    if (Button == mbRight && FBackgroundEnabled) SetBackgroundIndex(cell);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TColorGrid::Paint() {
  TCanvas* c = Canvas();
  c->SetFont(Font());
  for (int i = 0; i < 16; ++i) {
    TRect r = CellRect(i);
    TRect face = r;
    Frame3D(c, face, clBtnShadow, clBtnHighlight, 1);
    c->Brush()->SetColor(kColors[size_t(i)]);
    c->FillRect(face);
    std::string mark;
    if (FForegroundEnabled && i == FForegroundIndex) mark += "FG";
    if (FBackgroundEnabled && i == FBackgroundIndex) mark += mark.empty() ? "BG" : "/BG";
    if (mark.empty()) continue;
    // The mark in the colour that stands out from the cell.
    const TColor rgb = ColorToRGB(kColors[size_t(i)]);
    const int light = (rgb & 0xFF) * 3 + ((rgb >> 8) & 0xFF) * 6 + ((rgb >> 16) & 0xFF);
    c->Font()->SetColor(light > 1275 ? clBlack : clWhite);
    c->Brush()->SetStyle(bsClear);
    c->DrawText(mark, face, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}
