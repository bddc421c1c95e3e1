#include "library/controls/tasten/multibmp.h"

#include <algorithm>
#include <exception>

#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/dialoghook.h"
#include "platform/graphics/canvas_state.h"

namespace {

constexpr int kMaxFrames = 32;
constexpr uint16_t kBlinkMs = 300;

uint16_t StepMs(tAnimSpeed Speed) { return static_cast<uint16_t>(1000 / (10 - int(Speed))); }

}  // namespace

TMultiBmp::TMultiBmp(TComponent* AOwner)
    : TGroupButton(AOwner),
      FStrip(std::make_unique<TBitmap>()),
      FWork(std::make_unique<TBitmap>()),
      FTimer(TTickKind::Interval, [this] { Tick(); }) {
  SetBounds(Left(), Top(), 30, 30);
  SetBevWidth(1);
  SetBordWidth(1);
}

bool TMultiBmp::IsOwnClass(const TComponent& Other) const {
  return dynamic_cast<const TMultiBmp*>(&Other) != nullptr;
}

void TMultiBmp::SetGlyph(const TBitmap* Value) {
  FStrip->Assign(nullptr);
  try {
    FStrip->Assign(Value);
  } catch (const std::exception&) {
    FStrip->Assign(nullptr);
    MessageBeep(0);
  }
  Invalidate();
}

void TMultiBmp::SetGlyphNums(int Value) {
  if (Value == FGlyphNums) return;
  FGlyphNums = std::clamp(Value, 1, kMaxFrames);
  FGlyphSel = std::min(FGlyphSel, FGlyphNums);
  Invalidate();
}

void TMultiBmp::SetGlyphSel(int Value) {
  if (Value == FGlyphSel) return;
  if (FPainted) {
    Value %= FGlyphNums + 1;
  } else {
    FEnabledSel = Value;
  }
  FGlyphSel = std::max(Value, 1);
  PrepareFrame();
}

void TMultiBmp::SetGlyphDisSel(int Value) {
  if (FPainted && (Value < 0 || Value > FGlyphNums)) return;
  FGlyphDisSel = Value;
}

void TMultiBmp::SetGlyphMode(bool Value) { StoreAndRepaint(FGlyphMode, Value); }
void TMultiBmp::SetColTransp(TColor Value) { StoreAndRepaint(FColTransp, Value); }
void TMultiBmp::SetAutoSize(bool Value) { StoreAndRepaint(FAutoSize, Value); }

void TMultiBmp::SetBlinkOn(bool Value) {
  if (!StoreChanged(FBlinkOn, Value)) return;
  if (Value) {
    FAnimate = false;
    FTimer.Start(kBlinkMs);
  }
  DrawPicture(!Value);
}

void TMultiBmp::SetAnimate(bool Value) {
  if (!StoreChanged(FAnimate, Value)) return;
  if (Value) FBlinkOn = false;
  FTimer.Start(Value ? StepMs(FAnimSpeed) : kBlinkMs);
}

void TMultiBmp::SetAnimSpeed(tAnimSpeed Value) {
  FAnimSpeed = Value;
  if (FAnimate) FTimer.Start(StepMs(Value));
}

void TMultiBmp::Paint() {
  FPainted = true;
  TGroupButton::Paint();
  FDest = InnerRect;
  {
    TCanvas& c = *Canvas();
    TCanvasSaver keep(c, cpBrush);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(ColBack());
    c.FillRect(FDest);
  }
  PrepareFrame();
  SetStatus(Down());
  if (OnRepaint) OnRepaint(this);
}

void TMultiBmp::PrepareFrame() {
  if (!FPainted) return;
  // A frame stored before the count was known is brought into the strip.
  FGlyphSel = std::clamp(FGlyphSel, 1, FGlyphNums);
  const int sw = FStrip->Width(), sh = FStrip->Height();
  FSource = Rect(0, 0, sw, sh);
  FDest = InnerRect;
  int fw = sw;
  if (FGlyphNums > 1) {
    fw = sw / FGlyphNums;
    FSource.Left = (FGlyphSel - 1) * fw;
    FSource.Right = FSource.Left + fw;
  }
  if (!FAutoSize) {
    const int iw = FDest.Width(), ih = FDest.Height();
    if (iw >= fw) {
      FDest.Left += (iw - fw) / 2;
      FDest.Right = FDest.Left + fw;
    } else {
      FSource.Right = FSource.Left + iw;
    }
    if (ih >= sh) {
      FDest.Top += (ih - sh) / 2;
      FDest.Bottom = FDest.Top + sh;
    } else {
      FSource.Bottom = FSource.Top + ih;
    }
  }
  if (FGlyphMode) {
    FWork->SetSize(std::max(FDest.Width(), 0), std::max(FDest.Height(), 0));
    TCanvas& w = *FWork->Canvas();
    TCanvasSaver keep(w, cpBrush);
    w.Brush()->SetStyle(bsSolid);
    w.Brush()->SetColor(ColBack());
    const TRect all = Rect(0, 0, FWork->Width(), FWork->Height());
    w.FillRect(all);
    w.BrushCopy(all, FStrip.get(), FSource, FColTransp);
  }
  DrawPicture(true);
}

void TMultiBmp::DrawPicture(bool Content) {
  if (!FPainted) return;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpBrush);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(ColBack());
  if (!Content) {
    c.FillRect(FDest);
  } else if (FGlyphMode) {
    c.Draw(FDest.Left, FDest.Top, FWork.get());
  } else {
    c.CopyRect(FDest, FStrip->Canvas(), FSource);
  }
  NotifyGroup();
}

void TMultiBmp::Tick() {
  if (!FPainted) return;
  SendMessage(Handle(), WM_USER, 0, 0);
}

void TMultiBmp::Step() {
  if (FBlinkOn) {
    DrawPicture(!BlinkPhase);
  } else if (FAnimate && FGlyphNums > 1) {
    if (FGlyphSel == FGlyphNums) {
      if (OnEndAnim) OnEndAnim(this);
      SetGlyphSel(1);
    } else {
      SetGlyphSel(FGlyphSel + 1);
    }
  }
}

void TMultiBmp::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    Step();
    TickHook();
    return;
  }
  TGroupButton::WndProc(Message);
  if (Message.Msg == CM_ENABLEDCHANGED && FGlyphDisSel > 0) {
    if (!Enabled()) {
      FEnabledSel = FGlyphSel;
      SetGlyphSel(FGlyphDisSel);
    } else {
      SetGlyphSel(FEnabledSel);
    }
  }
}
