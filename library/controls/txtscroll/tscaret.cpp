#include "library/controls/txtscroll/tscaret.h"

#include <algorithm>
#include <climits>

#include "platform/forms/caret.h"

TtsCaret::TtsCaret() = default;

void TtsCaret::Notify() {
  if (FOnChange) FOnChange();
}

void TtsCaret::SetAlign(TtsCaretAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  Notify();
}

void TtsCaret::SetBitmap(const TBitmap* Value) {
  if (!Value) return;
  FBitmap.Assign(Value);
  Notify();
}

void TtsCaret::SetBitmapHotSpotX(int Value) {
  if (Value == FBitmapHotSpotX) return;
  FBitmapHotSpotX = Value;
  if (FShape == csBitmap) Notify();
}

void TtsCaret::SetBitmapHotSpotY(int Value) {
  if (Value == FBitmapHotSpotY) return;
  FBitmapHotSpotY = Value;
  if (FShape == csBitmap) Notify();
}

void TtsCaret::SetBlinkTime(uint16_t Value) {
  if (Value == FBlinkTime) return;
  FBlinkTime = Value;
  Notify();
}

void TtsCaret::SetCaretHeight(int Value) {
  if (Value == FCaretHeight || Value <= 0) return;
  FCaretHeight = Value;
  Notify();
}

void TtsCaret::SetCaretWidth(int Value) {
  if (Value == FCaretWidth || Value <= 0) return;
  FCaretWidth = Value;
  Notify();
}

void TtsCaret::SetIsGray(bool Value) {
  if (Value == FIsGray) return;
  FIsGray = Value;
  Notify();
}

void TtsCaret::SetShape(TtsCaretShape Value) {
  if (Value == FShape) return;
  FShape = Value;
  switch (Value) {
    case csBlock:
      FAlign = caLeft;
      break;
    case csHalfBlock:
      FAlign = caBottom;
      break;
    case csVertLine:
      FAlign = caLeft;
      FCaretWidth = 2;
      break;
    case csHorzLine:
      FAlign = caBottom;
      FCaretHeight = 2;
      break;
    case csBitmap:
      FCaretHeight = FBitmap.Height();
      FCaretWidth = FBitmap.Width();
      break;
    case csCustom:
      break;
  }
  Notify();
}

void TtsCaret::Connect(const void* Owner, std::function<void()> OnChange) {
  FListener = Owner;
  FOnChange = std::move(OnChange);
}

void TtsCaret::Disconnect(const void* Owner) {
  if (FListener != Owner) return;
  FListener = nullptr;
  FOnChange = nullptr;
}

namespace {

// A coordinate plus an offset; the far-off value stays as it is, nothing overflows.
int Shifted(int coord, int offset) {
  if (coord == INT_MAX) return coord;
  return int(std::clamp<int64_t>(int64_t(coord) + offset, INT_MIN, INT_MAX));
}

}  // namespace

TtsSingleCaret::TtsSingleCaret(std::function<TWinControl*()> Window)
    : FCaret(std::make_shared<TtsCaret>()), FWindow(std::move(Window)) {
  ComputeOffset();
}

TtsSingleCaret::~TtsSingleCaret() {
  SetVisible(false);
  SetCreated(false);
  FCaret->Disconnect(this);
}

void TtsSingleCaret::SetCaret(std::shared_ptr<TtsCaret> Value) {
  if (!Value || Value == FCaret) return;
  FCaret->Disconnect(this);
  FCaret = std::move(Value);
  FCaret->Connect(this, [this] { CaretTypeHasChanged(); });
  CaretTypeHasChanged();
}

void TtsSingleCaret::SetCellHeight(int Value) {
  if (Value == FCellHeight || Value <= 0) return;
  FCellHeight = Value;
  CaretTypeHasChanged();
}

void TtsSingleCaret::SetCellWidth(int Value) {
  if (Value == FCellWidth || Value <= 0) return;
  FCellWidth = Value;
  CaretTypeHasChanged();
}

TWinControl* TtsSingleCaret::OwnedWindow() const {
  // Another control may have taken the one caret since; then it is not ours to touch.
  return FCreated && GetCaretWindow() == FWnd ? FWnd : nullptr;
}

void TtsSingleCaret::SetCreated(bool Value) {
  if (Value == FCreated) return;
  if (!Value) {
    const bool ours = OwnedWindow() != nullptr;
    FCreated = false;
    if (ours) {
      SetCaretBlinkTime(FSavedBlinkTime);
      DestroyCaret();
    }
    FWnd = nullptr;
    return;
  }
  TWinControl* wnd = FWindow ? FWindow() : nullptr;
  if (!wnd) return;
  FSavedBlinkTime = uint16_t(std::min(GetCaretBlinkTime(), 0xFFFFu));
  const bool made =
      FCaret->Shape() == csBitmap
          ? CreateCaret(wnd, *FCaret->Bitmap())
          : CreateCaret(wnd, FCaret->IsGray() ? 1 : 0, FCaret->CaretWidth(), FCaret->CaretHeight());
  if (!made) return;
  FCreated = true;
  FWnd = wnd;
  if (FVisible) ShowCaret(wnd);
  ApplyPosition();
  const uint16_t blink = FCaret->BlinkTime();
  if (blink != 0 && blink != FSavedBlinkTime) SetCaretBlinkTime(blink);
}

void TtsSingleCaret::SetPosition(TPoint P) {
  if (P.X < 0) P.X = INT_MAX;
  if (P.Y < 0) P.Y = INT_MAX;
  if (P == FPosition) return;
  FPosition = P;
  ApplyPosition();
}

void TtsSingleCaret::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  if (TWinControl* wnd = OwnedWindow()) Value ? ShowCaret(wnd) : HideCaret(wnd);
}

void TtsSingleCaret::ApplyPosition() {
  if (OwnedWindow()) SetCaretPos(Shifted(FPosition.X, FDX), Shifted(FPosition.Y, FDY));
}

void TtsSingleCaret::CaretTypeHasChanged() {
  const bool was_created = FCreated;
  SetCreated(false);
  ComputeOffset();
  if (was_created) SetCreated(true);
}

void TtsSingleCaret::ComputeOffset() {
  TtsCaret& c = *FCaret;
  c.Disconnect(this);
  const int H = FCellHeight, W = FCellWidth;
  switch (c.Shape()) {
    case csBlock:
      c.SetCaretHeight(H);
      c.SetCaretWidth(W);
      break;
    case csHalfBlock:
      c.SetCaretHeight(H / 2);
      c.SetCaretWidth(W);
      break;
    case csVertLine:
      c.SetCaretHeight(H);
      break;
    case csHorzLine:
      c.SetCaretWidth(W);
      break;
    case csCustom:
    case csBitmap:
      break;
  }
  c.Connect(this, [this] { CaretTypeHasChanged(); });
  const int h = c.CaretHeight(), w = c.CaretWidth();
  int dx = 0, dy = 0;
  switch (c.Align()) {
    case caLeft:
      dy = (H - h) / 2;
      break;
    case caTop:
      dx = (W - w) / 2;
      break;
    case caRight:
      dx = W - w;
      dy = (H - h) / 2;
      break;
    case caBottom:
      dx = (W - w) / 2;
      dy = H - h;
      break;
    case caCenter:
      dx = (W - w) / 2;
      dy = (H - h) / 2;
      break;
  }
  if (c.Shape() == csBitmap) {
    dx -= c.BitmapHotSpotX();
    dy -= c.BitmapHotSpotY();
  }
  if (dx == FDX && dy == FDY) return;
  FDX = dx;
  FDY = dy;
  ApplyPosition();
}
