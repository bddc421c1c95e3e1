#include "library/controls/txtscroll/txtscroll.h"

#include <algorithm>

namespace {

constexpr char kWidthSample[] = "abcdefghijklmnopqrstutsxyzABCDEFGHIJKLMNOPQRSTUtsXYZ";

}  // namespace

TTextScroller::TTextScroller(TComponent* AOwner)
    : TCustomControl(AOwner),
      FCaret([this]() -> TWinControl* { return HandleAllocated() ? this : nullptr; }) {
  SetColor(FColorBack);
  SetParentColor(false);
  SetBounds(Left(), Top(), 200, 150);
  SetTabStop(true);
  TFont* font = Canvas()->Font();
  font->SetName("Courier New");
  font->SetSize(FFontSize);
  font->SetColor(FColorText);
  font->SetStyle({});
  SetControlStyle({csCaptureMouse, csClickEvents, csFramed, csOpaque, csDoubleClicks});
  SetWindowBorder(FBorderStyle != bsNone);
  ResetState();
}

TTextScroller::~TTextScroller() {
  StopDrag();
  FCaret.SetCreated(false);
  // Leaves the parent while still a windowed control, so the parent forgets it as one.
  SetParent(nullptr);
}

void TTextScroller::ResetState() {
  FBookmarks.fill({-1, -1});
  FVertPresent = FScrollBars == ssVertical || FScrollBars == ssBoth;
  FHorzPresent = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  ShowBars();
  FLineHeight = 12;
  FCharWidth = 12;
  FCaretPos = {0, 0};
  CollapseSelection(false);
}

// What the window's creation sets up; runs once the window exists.
void TTextScroller::EnsureWindowSetup() {
  if (FWindowSetUp || !HandleAllocated()) return;
  FWindowSetUp = true;
  UpdateMetrics();
  CheckPalette();
  PrepareOverwriteBitmap();
  if (FOverWrite) {
    FOverWrite = false;
    SetOverWrite(true);
  }
}

// --- metrics and font ---

void TTextScroller::UpdateMetrics() {
  if (!HandleAllocated()) return;
  TCanvas* canvas = Canvas();
  FLineHeight = std::max(1, std::abs(canvas->TextHeight("Wy")));
  FCharWidth = std::max(1, canvas->TextWidth(kWidthSample) / 52);
  FLeftMargin = FCharWidth * FMarginLeft;
  if (FLeftMargin % 2) ++FLeftMargin;
  FTopMargin = FMarginTop == 0 ? 0 : FLineHeight * FMarginTop + 2;
  FVisLines = std::max(1, (ClientHeight() - FTopMargin) / FLineHeight);
  FVisCols = std::max(1, (ClientWidth() - FLeftMargin) / FCharWidth);
  const TTextMetric tm = canvas->TextMetrics();
  FFirstChar = tm.tmFirstChar;
  FLastChar = tm.tmLastChar;
  FDefaultChar = char(tm.tmDefaultChar);
  SetVertRange();
  SetVertPos();
  FCaret.SetCellHeight(FLineHeight);
  FCaret.SetCellWidth(FCharWidth);
}

void TTextScroller::FontChangedHandling() {
  if (ComponentState().Contains(csLoading) || !HandleAllocated()) return;
  UpdateMetrics();
  if (OnFontChange) OnFontChange(this, FLineHeight, FCharWidth);
}

void TTextScroller::CheckPalette() {
  // A true-colour surface shows every colour as it is.
  FColorsExact = true;
}

void TTextScroller::PrepareOverwriteBitmap() {
  FOverwriteBitmap.SetSize(FCharWidth + 2, FLineHeight);
  TCanvas* c = FOverwriteBitmap.Canvas();
  c->Brush()->SetColor(FColorBack == 0xFFFFFF ? TColor(0x808000) : FColorBack);
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(Rect(0, 0, FOverwriteBitmap.Width(), FOverwriteBitmap.Height()));
}

void TTextScroller::SetWaitCursor(bool On) {
  if (On == FWaitCursorOn) return;
  FWaitCursorOn = On;
  if (On) {
    FSavedCursor = Cursor();
    SetCursor(crHourGlass);
  } else {
    SetCursor(FSavedCursor);
  }
}

// --- properties ---

void TTextScroller::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  SetWindowBorder(Value != bsNone);
  Invalidate();
}

void TTextScroller::SetExpandTabs(bool Value) {
  if (Value == FExpandTabs) return;
  FExpandTabs = Value;
  Invalidate();
}

void TTextScroller::SetFontSize(int Value) {
  FFontSize = std::clamp(Value, 6, 14);
  TFont* font = Canvas()->Font();
  if (font->Size() == FFontSize) return;
  font->SetSize(FFontSize);
  Perform(CM_FONTCHANGED, 0, 0);
}

void TTextScroller::SetColorHBack(TColor Value) {
  if (Value == FColorHBack) return;
  FColorHBack = Value;
  RepaintSelection();
}

void TTextScroller::SetColorHText(TColor Value) {
  if (Value == FColorHText) return;
  FColorHText = Value;
  RepaintSelection();
}

void TTextScroller::SetColorBack(TColor Value) {
  if (Value == FColorBack) return;
  FColorBack = Value;
  SetColor(Value);
  Invalidate();
}

void TTextScroller::SetColorBack2(TColor Value) {
  if (Value == FColorBack2) return;
  FColorBack2 = Value;
  Invalidate();
}

void TTextScroller::SetColorText(TColor Value) {
  if (Value == FColorText) return;
  FColorText = Value;
  Canvas()->Font()->SetColor(Value);
  Invalidate();
}

void TTextScroller::SetMarginLeft(int Value) {
  FMarginLeft = Value == 0 ? 0 : std::clamp(Value, 2, 15);
  FLeftMargin = FCharWidth * FMarginLeft;
  if (FLeftMargin % 2) ++FLeftMargin;
  // The text area shrinks or grows with the margin.
  UpdateMetrics();
  Invalidate();
}

void TTextScroller::SetMarginTop(int Value) {
  Value = std::clamp(Value, 0, 1);
  if (Value == FMarginTop) return;
  FMarginTop = Value;
  FTopMargin = Value == 0 ? 0 : FLineHeight + 2;
  UpdateMetrics();
  Invalidate();
}

void TTextScroller::SetMarginCapt(const std::string& Value) {
  if (Value == FMarginCapt) return;
  FMarginCapt = Value;
  PaintTopMargin();
}

void TTextScroller::SetMargTxtCol(TColor Value) {
  if (Value == FMargTxtCol) return;
  FMargTxtCol = Value;
  PaintTopMargin();
}

void TTextScroller::SetMargLeftColor(TColor Value) {
  if (Value == FMargLeftColor) return;
  FMargLeftColor = Value;
  Invalidate();
}

void TTextScroller::SetMargTopColor(TColor Value) {
  if (Value == FMargTopColor) return;
  FMargTopColor = Value;
  PaintTopMargin();
}

void TTextScroller::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  FVertPresent = Value == ssVertical || Value == ssBoth;
  FHorzPresent = Value == ssHorizontal || Value == ssBoth;
  ShowBars();
  SetVertRange();
  SetVertPos();
  SetHorzRange();
  SetHorzPos();
  Invalidate();
}

void TTextScroller::SetShowBookmarks(bool Value) {
  if (Value == FShowBookmarks) return;
  FShowBookmarks = Value;
  Invalidate();
}

void TTextScroller::SetShowCaret(bool Value) {
  if (Value == FShowCaret) return;
  FShowCaret = Value;
  if (FFocused && !ComponentState().Contains(csDesigning)) FCaret.SetVisible(Value);
}

void TTextScroller::SetMarkGlyphs(const TBitmap* Value) {
  if (Value) FMarkGlyphs.Assign(Value);
}

void TTextScroller::SetMarkDbGlyph(const TBitmap* Value) {
  if (Value) FMarkDbGlyph.Assign(Value);
}

void TTextScroller::SetPassive(bool Value) {
  if (Value == FPassive) return;
  FPassive = Value;
  Invalidate();
}

void TTextScroller::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  SetOverWrite(false);
}

void TTextScroller::SetNonHexChar(char Value) {
  if (Value == FNonHexChar) return;
  FNonHexChar = Value;
  if (FHexMode && IsOpen()) BuildHexLines();
}

void TTextScroller::SetHexMode(bool Value) {
  const bool was_open = IsOpen();
  CloseFile();
  if (Value != FHexMode) {
    FHexMode = Value;
    if (FOverMargin) {
      SetCursor(FSavedCursor);
      FOverMargin = false;
    }
  }
  if (was_open) OpenFile();
}

void TTextScroller::SetIntegHeight(bool Value) {
  if (Value == FIntegHeight) return;
  FIntegHeight = Value;
  if (Value) SetHeight(Height() + 1);
}

void TTextScroller::SetHexSize(tsHexSize Value) {
  FHexHeader = HexHeaderText(Value);
  PaintTopMargin();
  if (Value == FHexSize) return;
  FHexSize = Value;
  if (FHexMode && IsOpen()) BuildHexLines();
}

void TTextScroller::SetHexBufLen(int Value) {
  Value = std::clamp(Value, 64, 0xFFFFF);
  if (Value == FHexBufLen) return;
  FHexBufLen = Value;
  // In hex mode the open file is read again with the new length.
  if (FHexMode && IsOpen()) {
    CloseFile();
    OpenFile();
  }
}

void TTextScroller::SetHexOffset(int Value) {
  Value = std::clamp(Value, 0, 0xFFFFF);
  if (Value == FHexOffset) return;
  FHexOffset = Value;
  if (FHexMode && IsOpen()) BuildHexLines();
}

void TTextScroller::SetTabSize(uint8_t Value) {
  if (Value == 0 || Value == FTabSize) return;
  FTabSize = Value;
  if (FExpandTabs) Invalidate();
}

void TTextScroller::SetFileName(const std::string& Value) {
  const bool was_open = IsOpen();
  CloseFile();
  FFileName = Value;
  if (was_open) OpenFile();
}

void TTextScroller::SetIsOpen(bool Value) {
  if (Value == IsOpen()) return;
  if (Value)
    OpenFile();
  else
    CloseFile();
}

// --- events ---

void TTextScroller::DoShowStatus(int LineNum, int ColNum) {
  if (FShown && OnShowStatus) OnShowStatus(this, LineNum, ColNum & 0xFFFF, FOverWrite, FChanged);
}

void TTextScroller::DoTopLineChanged(int Line) {
  if (OnTopLineChanged) OnTopLineChanged(this, Line);
}

void TTextScroller::DoUserCommand(uint16_t Command) {
  if (OnUserCommand) OnUserCommand(this, Command);
}

// --- messages ---

void TTextScroller::WndProc(TMessage& Message) {
  const bool designing = ComponentState().Contains(csDesigning);
  switch (Message.Msg) {
    case WM_TS_STATUSPENDING:
      DoShowStatus(int(Message.LParam), int(Message.WParam));
      return;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS;
      return;
    case WM_KEYDOWN: {
      const bool shift = GetKeyState(VK_SHIFT) < 0;
      const bool ctrl = GetKeyState(VK_CONTROL) < 0;
      if (KeyCommand(uint16_t(Message.WParam), shift, ctrl)) return;
      break;
    }
    case WM_CHAR:
      WMChar(char(Message.WParam));
      return;
    case WM_MOUSEMOVE:
      WMMouseMove(LoSmall(Message.LParam), HiSmall(Message.LParam), false);
      return;
    case WM_LBUTTONDOWN:
      if (designing) break;
      FMousePos = PixelToPos(LoSmall(Message.LParam), HiSmall(Message.LParam));
      TCustomControl::WndProc(Message);
      WMLButtonDown((Message.WParam & MK_SHIFT) != 0);
      return;
    case WM_LBUTTONUP:
      StopDrag();
      break;
    case WM_LBUTTONDBLCLK:
      if (designing) break;
      FMousePos = PixelToPos(LoSmall(Message.LParam), HiSmall(Message.LParam));
      TCustomControl::WndProc(Message);
      WMLButtonDblClk();
      return;
    case WM_RBUTTONUP:
      if (FOverWrite) {
        SetOverWrite(false);
        return;
      }
      break;
    case WM_MOUSEACTIVATE:
      if (designing) break;
      if (!Focused()) SetFocus();
      Message.Result = MA_ACTIVATE;
      return;
    case WM_SETFOCUS:
      WMSetFocus();
      break;
    case WM_KILLFOCUS:
      WMKillFocus();
      break;
    case WM_VSCROLL:
      WMVScroll(LoWord(Message.WParam), HiSmall(Message.WParam));
      return;
    case WM_HSCROLL:
      WMHScroll(LoWord(Message.WParam), HiSmall(Message.WParam));
      return;
    case WM_SIZE:
      TCustomControl::WndProc(Message);
      WMSize();
      return;
    case CM_FONTCHANGED:
      TCustomControl::WndProc(Message);
      FontChangedHandling();
      return;
    case CM_COLORCHANGED:
      TCustomControl::WndProc(Message);
      CheckPalette();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}
