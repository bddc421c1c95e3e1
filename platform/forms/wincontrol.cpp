#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/forms.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/window.h"

namespace {

// Windowed controls waiting for their Paint; one queued pass paints them all.
std::vector<HWND>& PendingPaints() {
  static auto* pending = new std::vector<HWND>;
  return *pending;
}

const QEvent::Type kPaintPass = QEvent::Type(QEvent::User + 0x103);

class PaintPassSink : public QObject {
 public:
  bool event(QEvent* E) override {
    if (E->type() != kPaintPass) return QObject::event(E);
    FQueued = false;
    std::vector<HWND> batch;
    batch.swap(PendingPaints());
    for (HWND wnd : batch) {
      DispatchGuarded([wnd] { SendMessage(wnd, WM_PAINT, 0, 0); });
    }
    return true;
  }
  void Queue() {
    if (FQueued) return;
    FQueued = true;
    // Below input and posted messages, as the window system orders its paint messages.
    QCoreApplication::postEvent(this, new QEvent(kPaintPass), Qt::LowEventPriority);
  }

 private:
  bool FQueued = false;
};

PaintPassSink& PaintSink() {
  static PaintPassSink* sink = [] {
    forms_internal::EnsureQtApplication();
    forms_internal::AddPendingCounter([] { return int(PendingPaints().size()); });
    return new PaintPassSink;
  }();
  return *sink;
}

void Unschedule(HWND Wnd) {
  auto& list = PendingPaints();
  list.erase(std::remove(list.begin(), list.end(), Wnd), list.end());
}

TRect Clamped(const TRect& R, int W, int H) {
  TRect out;
  IntersectRect(out, R, Rect(0, 0, W, H));
  return out;
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner)
    : TControl(AOwner), FWindow(std::make_unique<Window>()) {
  FHandle = AllocateHWnd([this](TMessage& m) { WndProc(m); });
}

TWinControl::~TWinControl() {
  Destroying();
  // Leave the parent while still whole, so every list there forgets this window.
  if (Parent() != nullptr) Parent()->RemoveControl(this);
  DestroyComponents();
  while (!FWinControls.empty() || !FControls.empty()) {
    TControl* last =
        !FWinControls.empty() ? static_cast<TControl*>(FWinControls.back()) : FControls.back();
    RemoveControl(last);
    delete last;
  }
  if (TCustomForm* form = GetParentForm(this); form != nullptr && form != this) {
    if (form->FActiveControl == this) form->FActiveControl = nullptr;
    if (form->FFocusRequest == this) form->FFocusRequest = nullptr;
  }
  Unschedule(FHandle);
  DestroyHandle();
  DeallocateHWnd(FHandle);
}

TControl* TWinControl::Controls(int Index) const {
  if (Index < 0) return nullptr;
  if (size_t(Index) < FControls.size()) return FControls[size_t(Index)];
  size_t i = size_t(Index) - FControls.size();
  return i < FWinControls.size() ? FWinControls[i] : nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  // A copy: a handler may add or remove children.
  std::vector<TControl*> children;
  for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
  for (TControl* c : children) {
    c->WndProc(Message);
    if (Message.Result != 0) return;
  }
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (c->Visible() && (AllowDisabled || c->EffectivelyEnabled()) &&
        PtInRect(c->BoundsRect(), Pos)) {
      return c;
    }
  }
  return nullptr;
}

bool TWinControl::ContainsControl(const TControl* Control) const {
  for (const TControl* c = Control; c != nullptr; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

void TWinControl::InsertControl(TControl* Control) {
  Control->FParent = this;
  if (auto* win = dynamic_cast<TWinControl*>(Control)) {
    FWinControls.push_back(win);
    FTabList.push_back(win);
  } else {
    FControls.push_back(Control);
    if (Control->Visible()) InvalidateRect(Control->BoundsRect());
  }
  if (Control->Align() != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl* Control) {
  // Compared as plain controls: a child leaving from its own destructor is no longer windowed.
  auto same = [Control](TWinControl* w) { return static_cast<TControl*>(w) == Control; };
  // A child that leaves and is freed later must not stay the one the mouse was over.
  if (FWindow->hovered == Control) FWindow->hovered = nullptr;
  const bool windowed = std::erase_if(FWinControls, same) > 0;
  std::erase_if(FTabList, same);
  if (windowed) {
    if (TCustomForm* form = GetParentForm(this)) {
      if (form->FActiveControl != nullptr &&
          (static_cast<TControl*>(form->FActiveControl) == Control ||
           form->FActiveControl->Parent() == Control)) {
        form->FActiveControl = nullptr;
      }
    }
  } else if (std::erase(FControls, Control) > 0 && Control->Visible()) {
    InvalidateRect(Control->BoundsRect());
  }
  Control->FParent = nullptr;
  if (Control->Align() != alNone && !ComponentState().Contains(csDestroying)) AlignControls();
}

void TWinControl::SetParent(TWinControl* AParent) {
  if (AParent == Parent() || AParent == this) return;
  TControl::SetParent(AParent);
  if (AParent != nullptr && AParent->HandleAllocated()) {
    if (HandleAllocated()) {
      FWindow->widget->setParent(AParent->FWindow->widget);
      PlaceWidget();
      FWindow->widget->setVisible(Visible());
      Invalidate();
    } else {
      CreateHandle();
    }
  } else if (dynamic_cast<TCustomForm*>(this) == nullptr) {
    DestroyHandle();
  }
}

bool TWinControl::HandleAllocated() const { return FWindow->widget != nullptr; }

void TWinControl::HandleNeeded() {
  if (HandleAllocated()) return;
  if (Parent() != nullptr) {
    Parent()->HandleNeeded();
    if (HandleAllocated()) return;  // the parent made it with its children
  }
  CreateHandle();
}

QWidget* TWinControl::CreateWidget(QWidget* Parent) {
  return new forms_internal::ControlWidget(this, Parent);
}

QWidget* TWinControl::Widget() const { return FWindow->widget; }

void TWinControl::CreateHandle() {
  if (HandleAllocated()) return;
  QWidget* parent_widget = nullptr;
  if (Parent() != nullptr) {
    parent_widget = Parent()->FWindow->widget;
    if (parent_widget == nullptr) return;
  } else if (dynamic_cast<TCustomForm*>(this) == nullptr) {
    return;  // a control shows only on a form
  }
  forms_internal::EnsureQtApplication();
  QWidget* w = CreateWidget(parent_widget);
  if (FPopup) {
    w->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                      Qt::WindowTransparentForInput);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
  }
  FWindow->widget = w;
  w->setEnabled(Enabled());
  if (Cursor() != crDefault) w->setCursor(forms_internal::QtCursor(Cursor()));
  if (parent_widget != nullptr) {
    PlaceWidget();
    w->setVisible(Visible());
  }
  LayoutFrame();
  ResizeSurface();
  for (TWinControl* child : std::vector<TWinControl*>(FWinControls)) child->CreateHandle();
  SendSize();
  Invalidate();
}

void TWinControl::PlaceWidget() {
  QWidget* w = FWindow->widget;
  if (w == nullptr || (w->isWindow() && !FPopup)) return;
  // A pop-up's place is on the screen.
  const QPoint o =
      Parent() != nullptr && !FPopup ? forms_internal::ClientOffset(Parent()) : QPoint();
  w->setGeometry(Left() + o.x(), Top() + o.y(), Width(), Height());
}

void TWinControl::SendSize() {
  Perform(WM_SIZE, SIZE_RESTORED, MakeLong(ClientWidth(), ClientHeight()));
}

void TWinControl::DestroyHandle() {
  if (!HandleAllocated()) return;
  for (TWinControl* child : FWinControls) child->DestroyHandle();
  QWidget* w = FWindow->widget;
  FWindow->widget = nullptr;
  FWindow->hovered = nullptr;
  // A change waiting for the window goes with it (its posted call is dropped with the widget).
  FWindow->changed = TRect{};
  FWindow->changed_posted = false;
  DropScrollBars();
  if (auto* own = dynamic_cast<forms_internal::ControlWidget*>(w)) own->Detach();
  delete w;
  if (FWindow->canvas) FWindow->canvas->SetSurface(TSurface{});
  FWindow->image.reset();
  ++FWindow->stamp;
}

void TWinControl::EnableSurface() {
  if (FWindow->surface) return;
  FWindow->surface = true;
  FWindow->canvas = std::make_unique<TCanvas>();
  FWindow->canvas->OnPixelsChanged = [this](TCanvas*, const TRect& area) {
    if (!FWindow->in_paint) forms_internal::NoteChanged(this, area);
  };
  ResizeSurface();
}

TBitmap* TWinControl::SurfaceImage() const { return FWindow->image.get(); }
TCanvas* TWinControl::SurfaceCanvas() const { return FWindow->canvas.get(); }

void TWinControl::ResizeSurface() {
  if (!FWindow->surface || !HandleAllocated()) return;
  int w = std::min(ClientWidth(), TBitmap::kMaxDimension);
  int h = std::min(ClientHeight(), TBitmap::kMaxDimension);
  if (static_cast<long long>(w) * h > TBitmap::kMaxPixels) w = h = 0;  // too big to keep: blank
  if (!FWindow->image) FWindow->image = std::make_unique<TBitmap>();
  TBitmap& image = *FWindow->image;
  if (image.Width() == w && image.Height() == h) return;
  image.Canvas()->Brush()->SetColor(Color());
  image.SetSize(w, h);
  ++FWindow->stamp;
  FWindow->canvas->SetSurface(image.Surface());
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

TPoint TWinControl::ClientOrigin() const {
  const TPoint p = FPopup ? TPoint{Left(), Top()} : TControl::ClientOrigin();
  const int b = FWindow->border ? 1 : 0;
  return TPoint{p.X + b, p.Y + b};
}

void TWinControl::BoundsChanged(const TRect& OldBounds) {
  const bool resized = OldBounds.Width() != Width() || OldBounds.Height() != Height();
  PlaceWidget();
  if (resized) {
    LayoutFrame();
    ResizeSurface();
    Invalidate();
    AlignControls();
  }
  if (Parent() != nullptr && Align() != alNone) Parent()->AlignControls();
  if (resized && HandleAllocated()) SendSize();
}

void TWinControl::VisibleChanged() {
  if (FWindow->widget != nullptr && (!FWindow->widget->isWindow() || FPopup)) {
    FWindow->widget->setVisible(Visible());
  }
  if (Visible()) Invalidate();
}

void TWinControl::Invalidate() { InvalidateRect(ClientRect()); }

void TWinControl::InvalidateRect(const TRect& R) {
  TRect r = Clamped(R, ClientWidth(), ClientHeight());
  if (IsRectEmpty(r)) return;
  UnionRect(FWindow->invalid, FWindow->invalid, r);
  SchedulePaint();
}

void TWinControl::SchedulePaint() {
  if (FWindow->paint_pending) return;
  FWindow->paint_pending = true;
  PendingPaints().push_back(FHandle);
  PaintSink().Queue();
}

void TWinControl::Update() { PaintPending(); }

void TWinControl::PaintPending() {
  if (!FWindow->paint_pending) return;
  FWindow->paint_pending = false;
  Unschedule(FHandle);
  TRect r = Clamped(FWindow->invalid, ClientWidth(), ClientHeight());
  FWindow->invalid = TRect{};
  TBitmap* image = FWindow->image.get();
  if (FWindow->in_paint || image == nullptr || image->Empty() || !Showing()) return;
  IntersectRect(r, r, Rect(0, 0, image->Width(), image->Height()));
  if (IsRectEmpty(r)) return;
  TCanvas* canvas = FWindow->canvas.get();
  struct PaintScope {
    Window& window;
    TCanvas* canvas;
    ~PaintScope() {
      canvas->RemoveClip();
      window.in_paint = false;
    }
  } scope{*FWindow, canvas};
  FWindow->in_paint = true;
  canvas->SelectClipRect(r);
  if (!ControlStyle().Contains(csOpaque)) {
    const uint32_t fill = 0xFF000000u | uint32_t(ColorToRGB(Color()) & 0xFF) << 16 |
                          uint32_t(ColorToRGB(Color()) & 0xFF00) |
                          uint32_t(ColorToRGB(Color()) >> 16 & 0xFF);
    for (int y = r.Top; y < r.Bottom; ++y) {
      uint32_t* row = image->ScanLine(y);
      std::fill(row + r.Left, row + r.Right, fill);
    }
  }
  Paint();
  PaintControls(r);
  if (FWindow->widget != nullptr) {
    const QPoint o = forms_internal::ClientOffset(this);
    FWindow->widget->update(r.Left + o.x(), r.Top + o.y(), r.Width(), r.Height());
  }
}

void TWinControl::PaintControls(const TRect& UpdateRect) {
  for (TControl* c : std::vector<TControl*>(FControls)) {
    auto* g = dynamic_cast<TGraphicControl*>(c);
    if (g == nullptr || !g->Visible()) continue;
    TRect area;
    if (!IntersectRect(area, UpdateRect, g->BoundsRect())) continue;
    OffsetRect(area, -g->Left(), -g->Top());
    TCanvas* canvas = g->Canvas();
    canvas->SelectClipRect(area);
    g->Paint();
    canvas->RemoveClip();
  }
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  auto& list = Parent()->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (Parent() == nullptr) return;
  auto& list = Parent()->FTabList;
  std::erase(list, this);
  if (Value < 0 || size_t(Value) >= list.size()) {
    list.push_back(this);
  } else {
    list.insert(list.begin() + Value, this);
  }
}

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr) return false;
  for (const TControl* c = this; c != nullptr; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr || !CanFocus()) return;
  form->FocusControl(this);
}

bool TWinControl::Focused() const {
  return FWindow->widget != nullptr && FWindow->widget->hasFocus();
}

void TWinControl::AlignControls() {
  if (FAligning) return;
  FAligning = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{FAligning};
  TRect rest = ClientRect();
  auto place = [&](TAlign align) {
    std::vector<TControl*> all;
    for (int i = 0; i < ControlCount(); ++i) all.push_back(Controls(i));
    for (TControl* c : all) {
      if (c->Align() != align || !c->Visible()) continue;
      const int w = std::max(rest.Width(), 0);
      const int h = std::max(rest.Height(), 0);
      switch (align) {
        case alTop:
          c->SetBounds(rest.Left, rest.Top, w, c->Height());
          rest.Top += c->Height();
          break;
        case alBottom:
          c->SetBounds(rest.Left, rest.Bottom - c->Height(), w, c->Height());
          rest.Bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(rest.Left, rest.Top, c->Width(), h);
          rest.Left += c->Width();
          break;
        case alRight:
          c->SetBounds(rest.Right - c->Width(), rest.Top, c->Width(), h);
          rest.Right -= c->Width();
          break;
        case alClient:
          c->SetBounds(rest.Left, rest.Top, w, h);
          break;
        default:
          break;
      }
    }
  };
  for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) place(a);
}

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      PaintPending();
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      uint16_t key = uint16_t(Message.WParam);
      KeyDown(key, KeyDataToShiftState());
      if (key == 0) Message.Result = 1;
      return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      uint16_t key = uint16_t(Message.WParam);
      KeyUp(key, KeyDataToShiftState());
      if (key == 0) Message.Result = 1;
      return;
    }
    case WM_CHAR: {
      char key = char(Message.WParam);
      KeyPress(key);
      if (key == 0) Message.Result = 1;
      return;
    }
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      Broadcast(Message);
      return;
    case CM_ENABLEDCHANGED:
      if (FWindow->widget != nullptr) FWindow->widget->setEnabled(Enabled());
      break;
    case CM_CURSORCHANGED:
      if (FWindow->widget != nullptr) {
        FWindow->widget->setCursor(forms_internal::QtCursor(Cursor()));
      }
      break;
    case CM_FONTCHANGED: {
      TMessage notice{CM_PARENTFONTCHANGED, 0, 0, 0};
      Broadcast(notice);
      break;
    }
    case CM_COLORCHANGED: {
      TMessage notice{CM_PARENTCOLORCHANGED, 0, 0, 0};
      Broadcast(notice);
      break;
    }
    default:
      break;
  }
  TControl::WndProc(Message);
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

namespace forms_internal {

void NoteChanged(TWinControl* Control, const TRect& Area) {
  auto& window = WinControlAccess::Of(Control);
  if (window.widget == nullptr || Area.Right <= Area.Left || Area.Bottom <= Area.Top) return;
  TRect& changed = window.changed;
  if (changed.Right <= changed.Left || changed.Bottom <= changed.Top) {
    changed = Area;
  } else {
    changed = TRect{std::min(changed.Left, Area.Left), std::min(changed.Top, Area.Top),
                    std::max(changed.Right, Area.Right), std::max(changed.Bottom, Area.Bottom)};
  }
  if (window.changed_posted) return;
  window.changed_posted = true;
  QWidget* widget = window.widget;
  // Queued on the widget: it is dropped when the widget goes first.
  QMetaObject::invokeMethod(
      widget,
      [Control, widget] {
        auto& w = WinControlAccess::Of(Control);
        if (w.widget != widget) return;
        const TRect r = w.changed;
        w.changed = TRect{};
        w.changed_posted = false;
        const QPoint o = ClientOffset(Control);
        widget->update(r.Left + o.x(), r.Top + o.y(), r.Width(), r.Height());
      },
      Qt::QueuedConnection);
}

}  // namespace forms_internal

// --- TCustomControl ---

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) { EnableSurface(); }
TCustomControl::~TCustomControl() = default;
TCanvas* TCustomControl::Canvas() const { return SurfaceCanvas(); }

// --- TGraphicControl ---

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {
  FCanvas->OnPixelsChanged = [this](TCanvas*, const TRect& area) {
    TWinControl* parent = Parent();
    if (parent == nullptr || parent->FWindow->in_paint) return;
    forms_internal::NoteChanged(parent, area);
  };
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::BindCanvas() const {
  TWinControl* parent = Parent();
  TBitmap* image = parent != nullptr ? parent->FWindow->image.get() : nullptr;
  // Rebinding keeps the canvas state; it is only needed when the pixels or the bounds moved.
  Binding now{image, image != nullptr ? parent->FWindow->stamp : 0, BoundsRect()};
  if (now == FBinding) return;
  FBinding = now;
  if (image == nullptr || Width() == 0 || Height() == 0) {
    FCanvas->SetSurface(TSurface{});
  } else {
    FCanvas->SetSurface(image->Surface(), TPoint{Left(), Top()}, Rect(0, 0, Width(), Height()));
  }
}

TCanvas* TGraphicControl::Canvas() const {
  BindCanvas();
  return FCanvas.get();
}

void TGraphicControl::Invalidate() {
  if (Parent() != nullptr && Visible()) Parent()->InvalidateRect(BoundsRect());
}

void TGraphicControl::Update() {
  if (Parent() != nullptr) Parent()->Update();
}

void TGraphicControl::BoundsChanged(const TRect& OldBounds) {
  if (Parent() != nullptr && Visible()) {
    Parent()->InvalidateRect(OldBounds);
    Parent()->InvalidateRect(BoundsRect());
    if (Align() != alNone) Parent()->AlignControls();
  }
}

void TGraphicControl::VisibleChanged() {
  if (Parent() != nullptr) Parent()->InvalidateRect(BoundsRect());
}
