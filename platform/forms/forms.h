#pragma once
// Forms: top-level windows with a canvas, modal runs, closing rules and activation events, and the
// convention by which a form class builds its components (TFormLoader).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/msgbox.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  // The form's screen image (its client area without the windowed children).
  TCanvas* Canvas() const;
  // The client area as it shows: the form's image with every visible windowed child on top.
  std::unique_ptr<TBitmap> GetFormImage() const;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }

  // The control with the focus inside the form (also while the window is not active).
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  // Tab and arrow navigation: the next control that can take the focus after Current.
  void SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop);
  // True while the form's window is the active window.
  bool Active() const;

  // Fires OnCreate the first time (if CreateForm has not) and OnShow, then shows the window.
  void Show();
  // Shows the form modally and runs the message loop (timers keep running) until ModalResult is
  // set or the form is closed; returns the ModalResult.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value);
  bool Modal() const { return FModal; }
  // OnCloseQuery, then OnClose with the action (caHide; caFree frees it from the event loop).
  // Closing the main form ends the application; closing a modal form sets mrCancel.
  void Close();
  // Frees the form from the event loop, after the current message.
  void Release();
  // Prints the client area through the print handler (by default on Printer(), 1:1 at the top
  // left of the page, made smaller to fit where it is too big).
  void Print();

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TNotifyEvent OnResize;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  // Fired when activation moves between windows of this application, not when another
  // program's window takes it.
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

  bool Showing() const override;
  TPoint ClientOrigin() const override;
  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual bool CloseQuery();
  virtual void Activate();
  virtual void Deactivate();
  QWidget* CreateWidget(QWidget* Parent) override;
  void BoundsChanged(const TRect& OldBounds) override;
  void VisibleChanged() override;

 private:
  friend class TApplication;
  friend class TWinControl;
  friend class TFormLoader;
  friend struct FormAccess;
  void FocusControl(TWinControl* Control);
  void ApplyFocus();
  void CloseModal();
  void PlaceWindow();
  void ApplyWindowFlags();
  void ApplyWindowState();
  void WindowActivated();
  void FollowWindow();
  void WindowStateChanged();

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  TFormStyle FFormStyle = fsNormal;
  TWindowState FWindowState = wsNormal;
  int FHelpContext = 0;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusRequest = nullptr;
  bool FChangingFocus = false;
  bool FCreated = false;
  bool FPlaced = false;
  // While the form takes its bounds from what the window system did to its window, they are not
  // handed back to the window (that would undo a maximise).
  bool FFollowingWindow = false;
  // Where the window goes when it is restored from maximised or minimised.
  TRect FNormalBounds;
  bool FModal = false;
  // Shown modally from a window that stays on top: this one must come above it.
  bool FAboveOpener = false;
  TModalResult FModalResult = mrNone;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

// True when the caption's accelerator (the character after a single '&'; "&&" is a plain '&')
// is Char, in either case: the letter that Alt presses the control by.
bool IsAccel(unsigned Char, const std::string& Caption);

// Replaces what Print does with the form; an empty handler makes Print beep.
void SetFormPrintHandler(std::function<void(TCustomForm& Form)> Handler);

// Builds a form the way a stored form would load: every component is created owned by the form,
// gets its parent and is in csLoading|csReading while the caller assigns its stored properties
// (published order, ancestors first) and binds its handlers; Finish then clears csReading, calls
// Loaded on the form and on every component in creation order (ending csLoading), and lays out
// the aligned controls.
class TFormLoader {
 public:
  explicit TFormLoader(TCustomForm* Form);
  ~TFormLoader();  // finishes if Finish was not called
  TFormLoader(const TFormLoader&) = delete;
  TFormLoader& operator=(const TFormLoader&) = delete;

  // A control of the form, placed on Parent (the form itself when nullptr).
  template <class T>
  T* Add(const std::string& Name, TWinControl* Parent = nullptr) {
    T* control = new T(FForm);
    Begin(control, Name);
    control->SetParent(Parent != nullptr ? Parent : FForm);
    return control;
  }
  // A component without a window (timers, device components).
  template <class T>
  T* AddComponent(const std::string& Name) {
    T* component = new T(FForm);
    Begin(component, Name);
    return component;
  }
  void Finish();

 private:
  void Begin(TComponent* Component, const std::string& Name);
  TCustomForm* FForm;
  std::vector<TComponent*> FLoaded;
  bool FFinished = false;
};

template <class T>
void TApplication::CreateForm(T*& Reference) {
  T* form = new T(this);
  Reference = form;
  FormCreated(form);
}
