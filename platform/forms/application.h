#pragma once
// The application object: the message loop, idle and message hooks, the forms it owns, and the
// default handling of exceptions that escape an event handler.

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/component.h"
#include "platform/forms/input.h"
#include "platform/forms/messages.h"

class TCustomForm;

// Done (true on entry) false: call again at once instead of waiting for the next message.
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
// Handled true: the message is not dispatched.
using TMessageEvent = std::function<void(TMsg& Msg, bool& Handled)>;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  void Initialize();
  // Makes a form owned by the application; the first one becomes the main form. The reference is
  // set before OnCreate fires. (Defined in forms.h.)
  template <class T>
  void CreateForm(T*& Reference);
  // Shows the main form and runs the message loop until Terminate (closing the main form
  // terminates); then frees the forms.
  void Run();
  // Dispatches everything waiting, then returns (no idle call).
  void ProcessMessages();
  // Dispatches what is waiting, calls the idle handlers, and waits for the next message when they
  // are done. Modal loops are made of this.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return FTerminated; }

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  // The program file, full path.
  std::string ExeName() const;
  TCustomForm* MainForm() const { return FMainForm; }
  // True while one of the application's windows is the active window.
  bool Active() const;

  // The long part of the hint of the control under the mouse; OnHint fires when it changes.
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value);

  TNotifyEvent OnHint;
  TIdleEvent OnIdle;
  TMessageEvent OnMessage;

  // Further idle and message handlers beside OnIdle/OnMessage, each removed by its own key, so
  // that components can come and go in any order. They run after OnIdle/OnMessage.
  int AddIdleHandler(TIdleEvent Handler);
  void RemoveIdleHandler(int Key);
  int AddMessageHandler(TMessageEvent Handler);
  void RemoveMessageHandler(int Key);

  // Shows the exception's text in a message box titled with the application's title.
  void ShowException(const std::exception& E);
  // For use inside a catch block: shows the exception being handled.
  void HandleException(TObject* Sender);
  // MessageBox with the application's title as the default caption.
  int MessageBox(const std::string& Text, const std::string& Caption = "", unsigned Flags = 0);

  // The message hooks for a message taken from the queue; true when one handled it.
  bool ProcessMessageHooks(TMsg& Msg);

 private:
  friend class TCustomForm;
  friend struct ApplicationTestAccess;
  void FormCreated(TCustomForm* Form);
  void Idle();
  void Wake();

  std::string FTitle;
  std::string FHint;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FWakePending = false;  // a loop's end condition changed since the last wait
  template <class E>
  struct Handlers {
    int next = 1;
    std::vector<std::pair<int, E>> list;
  };
  Handlers<TIdleEvent> FIdleHandlers;
  Handlers<TMessageEvent> FMessageHandlers;
};

// The process's application object (never freed).
extern TApplication* Application;

// Runs one dispatch from the window system (an event, a posted message, a timer call): an
// exception escaping fn is shown by the application and the program carries on; when the
// outermost dispatch ends, per-message state (canvas clip regions) is reset.
void DispatchGuarded(const std::function<void()>& Fn);

// The screen: its size and the cursor shown over all windows of the application.
class TScreen {
 public:
  int Width() const;
  int Height() const;
  TCursor Cursor() const { return FCursor; }
  // crDefault shows each control's own cursor again.
  void SetCursor(TCursor Value);

 private:
  TCursor FCursor = crDefault;
};

extern TScreen* Screen;
