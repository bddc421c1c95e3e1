#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/base/strings.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/forms.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/window.h"
#include "platform/forms/wmhints.h"

namespace {

std::function<void(TCustomForm&)>& PrintHandler() {
  static auto* handler = new std::function<void(TCustomForm&)>(forms_internal::PrintForm);
  return *handler;
}

// The form of this application that was activated last (activation coming back from another
// program's window is no change).
TCustomForm* active_form = nullptr;

constexpr uint32_t CM_RELEASE = CM_BASE + 33;

}  // namespace

struct FormAccess {
  static void Activated(TCustomForm* F) { F->WindowActivated(); }
  static void Follow(TCustomForm* F) { F->FollowWindow(); }
  static void StateChanged(TCustomForm* F) { F->WindowStateChanged(); }
};

bool IsAccel(unsigned Char, const std::string& Caption) {
  for (size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&') continue;
    if (Caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return Char <= 0xFF && AnsiUpperCase(std::string(1, char(Char))) ==
                               AnsiUpperCase(std::string(1, Caption[i + 1]));
  }
  return false;
}

void SetFormPrintHandler(std::function<void(TCustomForm& Form)> Handler) {
  PrintHandler() = std::move(Handler);
}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  SetVisible(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  EnableSurface();
}

TCustomForm::~TCustomForm() {
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
      Application->HandleException(this);
    }
  }
  if (active_form == this) active_form = nullptr;
  if (Application->FMainForm == this) Application->FMainForm = nullptr;
  Destroying();
  // The components go while the form is still whole; the base classes then find nothing left.
  DestroyComponents();
}

TCanvas* TCustomForm::Canvas() const { return SurfaceCanvas(); }

bool TCustomForm::Showing() const {
  QWidget* w = Widget();
  return Visible() && w != nullptr && w->isVisible();
}

TPoint TCustomForm::ClientOrigin() const {
  QWidget* w = Widget();
  if (w == nullptr) return TPoint{Left(), Top()};
  QPoint p = w->mapToGlobal(QPoint(0, 0));
  return TPoint{p.x(), p.y()};
}

std::unique_ptr<TBitmap> TCustomForm::GetFormImage() const {
  auto out = std::make_unique<TBitmap>();
  out->SetSize(Width(), Height());
  TColor face = Color();
  out->Canvas()->Brush()->SetColor(face);
  out->Canvas()->FillRect(Rect(0, 0, Width(), Height()));
  // Each windowed control's image at its place, parents under children, clipped to each parent.
  std::function<void(const TWinControl*, TPoint, TRect)> put = [&](const TWinControl* c, TPoint at,
                                                                   TRect clip) {
    TBitmap* image = c->SurfaceImage();
    const QPoint offset = forms_internal::ClientOffset(c);
    const TPoint client_at{at.X + offset.x(), at.Y + offset.y()};
    TCanvas* dst = out->Canvas();
    dst->SelectClipRect(clip);
    if ((image == nullptr || forms_internal::HasFrame(c)) && c->Widget() != nullptr) {
      // A Qt widget draws itself; so does a window's frame (border, scroll bars).
      dst->Draw(at.X, at.Y, forms_internal::GrabWidget(c->Widget(), *out, at).get());
    }
    if (image != nullptr) dst->Draw(client_at.X, client_at.Y, image);
    dst->RemoveClip();
    for (int i = 0; i < c->ControlCount(); ++i) {
      auto* child = dynamic_cast<const TWinControl*>(c->Controls(i));
      if (child == nullptr || !child->Visible() || child->PopupWindow()) continue;
      TPoint child_at{client_at.X + child->Left(), client_at.Y + child->Top()};
      TRect child_clip;
      if (!IntersectRect(child_clip, clip,
                         Bounds(child_at.X, child_at.Y, child->Width(), child->Height()))) {
        continue;
      }
      put(child, child_at, child_clip);
    }
  };
  put(this, TPoint{0, 0}, Rect(0, 0, Width(), Height()));
  return out;
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  FBorderStyle = Value;
  ApplyWindowFlags();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  FBorderIcons = Value;
  ApplyWindowFlags();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  FFormStyle = Value;
  ApplyWindowFlags();
}

void TCustomForm::ApplyWindowFlags() {
  QWidget* w = Widget();
  if (w == nullptr) return;
  // The boxes belong to the system menu: without it a window has none. Dialog and tool frames
  // never have minimise and maximise boxes.
  const bool menu = FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu);
  const bool boxes = menu && FBorderStyle != bsDialog && FBorderStyle != bsToolWindow &&
                     FBorderStyle != bsSizeToolWin;
  forms_internal::FrameHints hints;
  hints.title = FBorderStyle != bsNone;
  hints.close = menu;
  hints.minimize = boxes && FBorderIcons.Contains(biMinimize);
  hints.maximize = boxes && FBorderIcons.Contains(biMaximize);
  hints.resize = FBorderStyle == bsSizeable || FBorderStyle == bsSizeToolWin;
  Qt::WindowFlags flags = Qt::Window;
  switch (FBorderStyle) {
    case bsNone:
      flags |= Qt::FramelessWindowHint;
      break;
    case bsDialog:
      flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;
      break;
    case bsToolWindow:
    case bsSizeToolWin:
      flags = Qt::Tool;
      break;
    default:
      break;
  }
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (hints.close) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (hints.minimize) flags |= Qt::WindowMinimizeButtonHint;
  if (hints.maximize) flags |= Qt::WindowMaximizeButtonHint;
  if (FFormStyle == fsStayOnTop || FAboveOpener) flags |= Qt::WindowStaysOnTopHint;
  const bool shown = w->isVisible();
  w->setWindowFlags(flags);
  // Qt's own hints cannot say "a title bar without boxes"; these replace them.
  forms_internal::SetFrameHints(w, hints);
  if (!hints.resize) {
    w->setFixedSize(Width(), Height());
  } else {
    w->setMinimumSize(0, 0);
    w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  if (shown) {
    if (FWindowState == wsNormal)
      w->show();
    else
      ApplyWindowState();
  }
}

void TCustomForm::SetWindowState(TWindowState Value) {
  FWindowState = Value;
  QWidget* w = Widget();
  if (w != nullptr && w->isVisible()) ApplyWindowState();
}

void TCustomForm::ApplyWindowState() {
  QWidget* w = Widget();
  switch (FWindowState) {
    case wsMaximized:
      w->showMaximized();
      // With no window manager to do it, the window takes the screen's free area itself.
      if (!forms_internal::WindowManagerRunning()) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
          w->setGeometry(screen->availableGeometry());
      }
      break;
    case wsMinimized:
      w->showMinimized();
      break;
    case wsNormal: {
      const bool restore = (w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) != 0;
      w->showNormal();
      // A window manager puts the window back where it was by itself.
      if (restore && !IsRectEmpty(FNormalBounds) && !forms_internal::WindowManagerRunning()) {
        SetBounds(FNormalBounds.Left, FNormalBounds.Top, FNormalBounds.Width(),
                  FNormalBounds.Height());
      }
      break;
    }
  }
}

void TCustomForm::WindowStateChanged() {
  QWidget* w = Widget();
  if (w == nullptr) return;
  const Qt::WindowStates state = w->windowState();
  FWindowState = (state & Qt::WindowMinimized) != 0   ? wsMinimized
                 : (state & Qt::WindowMaximized) != 0 ? wsMaximized
                                                      : wsNormal;
}

void TCustomForm::FollowWindow() {
  QWidget* w = Widget();
  if (w == nullptr) return;
  FFollowingWindow = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{FFollowingWindow};
  SetBounds(w->x(), w->y(), w->width(), w->height());
}

QWidget* TCustomForm::CreateWidget(QWidget*) {
  auto* w = new forms_internal::ControlWidget(this, nullptr);
  w->setWindowTitle(forms_internal::ToQt(Caption()));
  w->move(Left(), Top());
  w->resize(std::max(Width(), 1), std::max(Height(), 1));
  return w;
}

void TCustomForm::BoundsChanged(const TRect& OldBounds) {
  QWidget* w = Widget();
  if (w != nullptr && !FFollowingWindow) {
    if (w->x() != Left() || w->y() != Top()) w->move(Left(), Top());
    if (w->width() != Width() || w->height() != Height()) {
      const bool fixed = w->minimumSize() == w->maximumSize();
      if (fixed) w->setFixedSize(std::max(Width(), 1), std::max(Height(), 1));
      w->resize(std::max(Width(), 1), std::max(Height(), 1));
    }
  }
  if (w == nullptr || (w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) == 0)
    FNormalBounds = BoundsRect();
  TWinControl::BoundsChanged(OldBounds);
  if ((OldBounds.Width() != Width() || OldBounds.Height() != Height()) && OnResize) OnResize(this);
}

void TCustomForm::VisibleChanged() {
  QWidget* w = Widget();
  if (Visible()) {
    HandleNeeded();
    w = Widget();
    ApplyWindowFlags();
    PlaceWindow();
    if (FWindowState == wsNormal) {
      w->show();
    } else {
      ApplyWindowState();
    }
    w->raise();
    w->activateWindow();
    ApplyFocus();
    Invalidate();
  } else if (w != nullptr) {
    w->hide();
    DoHide();
  }
}

void TCustomForm::PlaceWindow() {
  if (FPlaced) return;
  FPlaced = true;
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect area = screen->availableGeometry();
  TCustomForm* center_on = nullptr;
  if (FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) {
    center_on = dynamic_cast<TCustomForm*>(Owner());
    if (center_on == nullptr || FPosition == poMainFormCenter) center_on = Application->MainForm();
    if (center_on == this || center_on == nullptr || !center_on->Showing()) center_on = nullptr;
    if (center_on == nullptr) FPosition = poScreenCenter;
  }
  if (center_on != nullptr) {
    SetBounds(center_on->Left() + (center_on->Width() - Width()) / 2,
              center_on->Top() + (center_on->Height() - Height()) / 2, Width(), Height());
  } else if (FPosition == poScreenCenter || FPosition == poDesktopCenter) {
    SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2,
              Width(), Height());
  }
}

void TCustomForm::Show() {
  if (!FCreated) DoCreate();
  if (!Visible()) DoShow();
  SetVisible(true);
  if (QWidget* w = Widget()) {
    w->raise();
    w->activateWindow();
  }
}

void TCustomForm::DoCreate() {
  FCreated = true;
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

bool TCustomForm::CloseQuery() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(this, can_close);
  return can_close;
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

bool TCustomForm::Active() const {
  QWidget* w = Widget();
  return w != nullptr && w->isActiveWindow();
}

TModalResult TCustomForm::ShowModal() {
  if (FModal || Visible()) return mrCancel;  // a window already on screen cannot become modal
  HandleNeeded();
  Widget()->setWindowModality(Qt::ApplicationModal);
  const QWidget* opener = forms_internal::DialogParent();
  FAboveOpener = opener != nullptr && opener != Widget() &&
                 opener->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  FModal = true;
  FModalResult = mrNone;
  struct Restore {
    TCustomForm* form;
    ~Restore() {
      form->FModal = false;
      form->FAboveOpener = false;
      if (QWidget* w = form->Widget()) w->setWindowModality(Qt::NonModal);
    }
  } restore{this};
  Show();
  while (true) {
    Application->HandleMessage();
    if (Application->Terminated()) FModalResult = mrCancel;
    if (FModalResult != mrNone) {
      CloseModal();
      if (FModalResult != mrNone) break;
    }
  }
  return FModalResult;
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  switch (action) {
    case caNone:
      if (!Application->Terminated())
        FModalResult = mrNone;
      else
        Hide();
      break;
    case caFree:
      Hide();
      Release();
      break;
    default:
      Hide();
      break;
  }
}

void TCustomForm::SetModalResult(TModalResult Value) {
  FModalResult = Value;
  if (FModal) Application->Wake();
}

void TCustomForm::Close() {
  if (FModal) {
    SetModalResult(mrCancel);
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
  } else if (action == caHide) {
    Hide();
  } else if (action == caMinimize) {
    SetWindowState(wsMinimized);
  } else {
    Release();
  }
}

void TCustomForm::Release() { PostMessage(Handle(), CM_RELEASE, 0, 0); }

void TCustomForm::Print() {
  if (PrintHandler()) {
    PrintHandler()(*this);
  } else {
    MessageBeep(0);
  }
}

void TCustomForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_RELEASE:
      delete this;
      return;
    case CM_TEXTCHANGED:
      if (QWidget* w = Widget()) w->setWindowTitle(forms_internal::ToQt(Caption()));
      break;
    case CM_DIALOGKEY: {
      const uint16_t key = uint16_t(Message.WParam);
      const bool shift = GetKeyState(VK_SHIFT) < 0;
      if (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        SelectNext(FActiveControl, !shift, true);
        Message.Result = 1;
        return;
      }
      if (key >= VK_LEFT && key <= VK_DOWN) {
        if (FActiveControl != nullptr) {
          SelectNext(FActiveControl, key == VK_RIGHT || key == VK_DOWN, false);
          Message.Result = 1;
        }
        return;
      }
      break;
    }
    default:
      break;
  }
  TWinControl::WndProc(Message);
}

void TCustomForm::SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop) {
  std::vector<TWinControl*> list;
  // Windowed descendants in tab order: each control, then its own children.
  std::function<void(TWinControl*)> collect = [&](TWinControl* parent) {
    for (TWinControl* c : parent->FTabList) {
      list.push_back(c);
      collect(c);
    }
  };
  collect(this);
  if (list.empty()) return;
  if (!GoForward) std::reverse(list.begin(), list.end());
  auto start = std::find(list.begin(), list.end(), Current);
  size_t first = start == list.end() ? 0 : size_t(start - list.begin()) + 1;
  for (size_t n = 0; n < list.size(); ++n) {
    TWinControl* c = list[(first + n) % list.size()];
    if (c == Current) break;
    if (c->CanFocus() && (!CheckTabStop || c->TabStop())) {
      c->SetFocus();
      return;
    }
  }
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (Control != nullptr && (!ContainsControl(Control) || !Control->CanFocus())) return;
  FocusControl(Control);
}

void TCustomForm::FocusControl(TWinControl* Control) {
  if (FChangingFocus) {
    // Asked from inside an exit notice: the change in progress goes there instead.
    FFocusRequest = Control;
    return;
  }
  TWinControl* old = FActiveControl;
  if (Control == old) {
    ApplyFocus();
    return;
  }
  FFocusRequest = Control;
  if (old != nullptr) {
    FChangingFocus = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{FChangingFocus};
    old->Perform(CM_EXIT, 0, 0);
  }
  Control = FFocusRequest;
  FFocusRequest = nullptr;
  if (Control == old) {  // the exit handler kept the focus
    ApplyFocus();
    return;
  }
  FActiveControl = Control;
  ApplyFocus();
  if (Control != nullptr) Control->Perform(CM_ENTER, 0, 0);
}

void TCustomForm::ApplyFocus() {
  QWidget* w = Widget();
  if (w == nullptr || !w->isVisible()) return;
  QWidget* target = FActiveControl != nullptr ? forms_internal::WidgetOf(FActiveControl) : w;
  if (target != nullptr && !target->hasFocus()) target->setFocus(Qt::OtherFocusReason);
}

void TCustomForm::WindowActivated() {
  if (active_form == this) return;
  TCustomForm* old = active_form;
  active_form = this;
  if (old != nullptr) old->Deactivate();
  Activate();
}

// --- TFormLoader ---

TFormLoader::TFormLoader(TCustomForm* Form) : FForm(Form) { Form->SetLoadingState(true, true); }

TFormLoader::~TFormLoader() {
  if (!FFinished) Finish();
}

void TFormLoader::Begin(TComponent* Component, const std::string& Name) {
  Component->SetLoadingState(true, true);
  Component->SetName(Name);
  FLoaded.push_back(Component);
}

void TFormLoader::Finish() {
  if (FFinished) return;
  FFinished = true;
  FForm->SetLoadingState(true, false);
  for (TComponent* c : FLoaded) c->SetLoadingState(true, false);
  FForm->Loaded();
  FForm->SetLoadingState(false, false);
  for (TComponent* c : FLoaded) {
    c->Loaded();
    c->SetLoadingState(false, false);
  }
  FForm->AlignControls();
}

// --- TApplication's form side ---

void TApplication::FormCreated(TCustomForm* Form) {
  if (FMainForm == nullptr) FMainForm = Form;
  if (!Form->FCreated) Form->DoCreate();
}

void TApplication::Run() {
  forms_internal::EnsureQtApplication();
  if (FMainForm != nullptr) FMainForm->Show();
  while (!FTerminated) HandleMessage();
  DestroyComponents();
}

// --- Window-system notices ---

namespace forms_internal {

void FormWindowMoved(TCustomForm* Form) {
  DispatchGuarded([&] { FormAccess::Follow(Form); });
}

void FormWindowResized(TCustomForm* Form) {
  DispatchGuarded([&] { FormAccess::Follow(Form); });
}

void FormWindowStateChanged(TCustomForm* Form) { FormAccess::StateChanged(Form); }

void FormWindowClose(TCustomForm* Form, QCloseEvent* E) {
  E->ignore();  // the form decides whether it hides, goes or stays
  DispatchGuarded([&] { Form->Close(); });
}

void FormWindowActivation(TCustomForm* Form) {
  QWidget* w = WidgetOf(Form);
  if (w == nullptr || !w->isActiveWindow()) return;
  DispatchGuarded([&] { FormAccess::Activated(Form); });
}

}  // namespace forms_internal
