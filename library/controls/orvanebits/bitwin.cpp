#include "library/controls/orvanebits/bitwin.h"

#include <algorithm>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/timer.h"
#include "platform/graphics/canvas_state.h"

namespace {

const std::string kWidthSample = "abcdefghijklmnopqrstutsxyzABCDEFGHIJKLMNOPQRSTUtsXYZ";

// The lines as DrawText breaks them: at CR LF, and at a lone CR or LF.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

// Turns each "^M" into CR LF, in place.
void ConvertCaretM(std::string& text) {
  if (text.size() <= 2) return;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] == 'M' && text[i - 1] == '^') {
      text[i - 1] = '\r';
      text[i] = '\n';
    }
  }
}

bool IsInputMessage(uint32_t msg) {
  switch (msg) {
    case WM_MOUSEACTIVATE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_DROPFILES:
    case WM_HOTKEY:
      return true;
    default:
      return msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK;
  }
}

}  // namespace

// --- TCustomBitWin ---

TCustomBitWin::TCustomBitWin(TComponent* AOwner)
    : TCustomControl(AOwner), FDelayTimer(new TTimer(this)) {
  SetPopupWindow();
  SetVisible(false);
  SetEnabled(false);
  SetBounds(Left(), Top(), 30, 15);
  SetColor(0x80FFFF);
  MeasureFont(2);
  FDelayTimer->SetEnabled(false);
  FDelayTimer->OnTimer = [this](TObject* Sender) { DelayTick(Sender); };
  PostMessage(Handle(), WM_USER, 0, 0);
}

TCustomBitWin::~TCustomBitWin() {
  if (FIdleKey != 0) Application->RemoveIdleHandler(FIdleKey);
  if (FMessageKey != 0) Application->RemoveMessageHandler(FMessageKey);
}

void TCustomBitWin::MeasureFont(int Slack) {
  TCanvas* c = Canvas();
  TCanvasSaver keep(*c, cpFont);
  c->SetFont(Font());
  FLineHeight = c->TextHeight("My") + Slack;
  FAveCharWidth = c->TextWidth(kWidthSample) / int(kWidthSample.size());
}

void TCustomBitWin::SetFontMetrics(const TFont* AFont) {
  SetFont(AFont);
  MeasureFont(1);
  SetHeight(FLineHeight);
  Invalidate();
}

void TCustomBitWin::SetOriginHor(TbsOriginH Value) {
  if (Value == FOriginHor) return;
  FOriginHor = Value;
  Invalidate();
}

void TCustomBitWin::SetOriginVert(TbsOriginV Value) {
  if (Value == FOriginVert) return;
  FOriginVert = Value;
  Invalidate();
}

void TCustomBitWin::SetInfo(const std::string& Value) {
  if (Value == FInfo) return;
  FInfo = Value;
  Place();
  Repaint();
}

void TCustomBitWin::SetShowDelay(int Value) { FShowDelay = std::clamp(Value, 60, 10000); }

void TCustomBitWin::SetHide(bool Value) {
  FHide = Value;
  if (Value && Parent() != nullptr) SetVisible(false);
}

void TCustomBitWin::SetOffSetX(int Value) { FOffSetX = std::clamp(Value, -50, 50); }

void TCustomBitWin::SetOffSetY(int Value) { FOffSetY = std::clamp(Value, -20, 20); }

void TCustomBitWin::WndProc(TMessage& Message) {
  TCustomControl::WndProc(Message);
  if (Message.Msg == WM_USER) InstallHooks();
}

void TCustomBitWin::InstallHooks() {
  if (Parent() == nullptr && Application->MainForm() != nullptr) {
    SetParent(Application->MainForm());
  }
  if (Parent() == nullptr || FIdleKey != 0) return;
  // Keyed registrations: windows may come and go in any order without breaking each other.
  FIdleKey = Application->AddIdleHandler(
      [this](TObject* Sender, bool& Done) { BitWinIdleHook(Sender, Done); });
  FMessageKey = Application->AddMessageHandler(
      [this](TMsg& Msg, bool& Handled) { BitWinMessageHook(Msg, Handled); });
}

void TCustomBitWin::StopDelay() {
  FDelayTimer->SetEnabled(false);
  FDelayTimer->SetInterval(0);
  FDelayElapsed = false;
}

void TCustomBitWin::CloseWindow() {
  SetVisible(false);
  StopDelay();
  if (OnHide) OnHide(this);
}

void TCustomBitWin::BitWinIdleHook(TObject*, bool&) {
  HandleNeeded();
  if (FHide || Parent() == nullptr || !Application->Active()) return;
  const TPoint origin = Parent()->ClientOrigin();
  const TRect area = Bounds(origin.X, origin.Y, Parent()->Width(), Parent()->Height());
  TPoint p;
  GetCursorPos(p);
  if (!PtInRect(area, p)) {
    if (Visible()) CloseWindow();
    return;
  }
  FAnchor = p;
  if (p != FLastPos) {
    // A move: the window goes (the parent's screen image under it is intact) and the rest
    // starts again. No event.
    FLastPos = p;
    SetVisible(false);
    StopDelay();
  } else if (!FDelayTimer->Enabled() || FDelayTimer->Interval() == 0) {
    FDelayTimer->SetInterval(unsigned(FShowDelay));
    FDelayTimer->SetEnabled(true);
    FDelayElapsed = false;
    FArmed = true;
  } else if (FDelayElapsed && FArmed) {
    TPoint at = Parent()->ScreenToClient(FAnchor);
    bool show = false;
    std::string text = FInfo;
    if (OnShow) OnShow(this, at, text, show);
    FAnchor = Parent()->ClientToScreen(at);
    SetInfo(text);
    Place();
    SetVisible(show);
    if (show) Repaint();
    FArmed = false;
  }
}

void TCustomBitWin::BitWinMessageHook(TMsg& Msg, bool&) {
  if (IsInputMessage(Msg.message) && Visible()) CloseWindow();
}

void TCustomBitWin::DelayTick(TObject*) { FDelayElapsed = true; }

void TCustomBitWin::Place() {
  ConvertCaretM(FInfo);
  TCanvas* c = Canvas();
  TCanvasSaver keep(*c, cpFont);
  c->SetFont(Font());
  const std::vector<std::string> lines = SplitLines(FInfo);
  int width;
  if (lines.size() == 1) {
    width = c->TextWidth(FInfo + "n");
  } else {
    // Each line measured, so that none is wrapped into a line below the window.
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, c->TextWidth(line));
    width = widest + 4 * FAveCharWidth + 2;
  }
  width = std::max(width, 10);
  const int height = FLineHeight * int(lines.size());
  const int x = FAnchor.X + FOffSetX, y = FAnchor.Y - FOffSetY;
  const int left =
      FOriginHor == bwhLeft ? x : (FOriginHor == bwhCenter ? x - width / 2 : x - width);
  const int top =
      FOriginVert == bwvTop ? y : (FOriginVert == bwvCenter ? y - height / 2 : y - height);
  if (left != Left() || top != Top() || width != Width() || height != Height()) {
    SetBounds(left, top, width, height);
  }
}

void TCustomBitWin::Paint() {
  Place();
  TCanvas* c = Canvas();
  TCanvasSaver keep(*c, cpBrush | cpFont);
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBlack);
  c->FrameRect(r);
  InflateRect(r, -1, -1);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  c->Brush()->SetStyle(bsClear);
  c->SetFont(Font());
  OffsetRect(r, 1, 0);
  c->DrawText(FInfo, r, DT_WORDBREAK | DT_NOPREFIX);
}

// --- TBitWin ---

TBitWin::TBitWin(TComponent* AOwner)
    : TComponent(AOwner), FWindow(new TCustomBitWin(this)), FFont(std::make_unique<TFont>()) {
  FFont->SetName("MS Sans Serif");
  FFont->SetSize(8);
  FFont->SetColor(clInfoText);
  FFont->OnChange = [this](TObject*) {
    if (TCustomBitWin* w = Window()) w->SetFontMetrics(FFont.get());
  };
  FWindow->OnShow = [this](TObject* Sender, TPoint& Pos, std::string& Text, bool& Show) {
    if (OnShow) OnShow(Sender, Pos, Text, Show);
  };
  FWindow->OnHide = [this](TObject* Sender) {
    if (OnHide) OnHide(Sender);
  };
  FWindow->SetOriginVert(FOriginVert);
  FWindow->SetOriginHor(FOriginHor);
  FWindow->SetColor(FColor);
  FWindow->SetShowDelay(FShowDelay);
  FWindow->SetFont(FFont.get());
  // The default text too, so that a window whose Info was never assigned offers "Hallo".
  FWindow->SetInfo(FInfo);
}

TBitWin::~TBitWin() {
  FFont->OnChange = nullptr;
  if (TCustomBitWin* w = Window()) {
    w->OnShow = nullptr;
    w->OnHide = nullptr;
  }
}

TCustomBitWin* TBitWin::Window() const {
  // The parent control frees the window with its other children when it goes first.
  for (int i = 0; i < ComponentCount(); ++i) {
    if (Components(i) == FWindow) return FWindow;
  }
  return nullptr;
}

void TBitWin::SetParent(TWinControl* Value) {
  FParent = Value;
  TCustomBitWin* w = Window();
  if (Value == nullptr || w == nullptr) return;
  w->SetParent(Value);
  w->SetFont(FFont.get());
  FParentAssigned = true;
}

void TBitWin::SetFont(const TFont* Value) {
  if (Value != nullptr) FFont->Assign(*Value);
  if (TCustomBitWin* w = Window()) w->SetFont(FFont.get());
}

void TBitWin::SetColor(TColor Value) {
  FColor = Value;
  if (TCustomBitWin* w = Window()) w->SetColor(Value);
}

void TBitWin::SetInfo(const std::string& Value) {
  FInfo = Value;
  if (TCustomBitWin* w = Window()) w->SetInfo(Value);
}

void TBitWin::SetShowDelay(int Value) {
  FShowDelay = Value;
  if (TCustomBitWin* w = Window()) w->SetShowDelay(Value);
}

bool TBitWin::Hide() const {
  if (TCustomBitWin* w = Window()) return w->Hide();
  return FHide;
}

void TBitWin::SetHide(bool Value) {
  FHide = Value;
  if (TCustomBitWin* w = Window()) w->SetHide(Value);
}

void TBitWin::SetOffSetX(int Value) {
  FOffSetX = Value;
  if (TCustomBitWin* w = Window()) w->SetOffSetX(Value);
}

void TBitWin::SetOffSetY(int Value) {
  FOffSetY = Value;
  if (TCustomBitWin* w = Window()) w->SetOffSetY(Value);
}

void TBitWin::SetOriginHor(TbsOriginH Value) {
  if (Value == FOriginHor) return;
  FOriginHor = Value;
  if (TCustomBitWin* w = Window()) w->SetOriginHor(Value);
}

void TBitWin::SetOriginVert(TbsOriginV Value) {
  if (Value == FOriginVert) return;
  FOriginVert = Value;
  if (TCustomBitWin* w = Window()) w->SetOriginVert(Value);
}
