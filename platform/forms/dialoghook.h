#pragma once
// The one place where modal dialogs (message boxes, file, colour, font and print dialogs) can be
// answered by a script instead of the user. With a hook set, no dialog is shown: the hook gets the
// request and returns the answer. Tests set it; programs leave it empty.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TDialogRequest {
  std::string Kind;          // "MessageBox", or the dialog's class name ("TOpenDialog", ...)
  std::string Caption;       // window title
  std::string Text;          // the message, or the dialog's starting value (file name, ...)
  int Icon = 0;              // message boxes: MB_ICON* value
  std::vector<int> Buttons;  // message boxes: the offered results (mrOk, mrYes, ...)
};

struct TDialogAnswer {
  int Result = 0;     // the modal result (mrOk, mrCancel, ...; for Execute: mrOk = true)
  std::string Text;   // a chosen file name or similar
  int64_t Value = 0;  // a chosen colour or number
};

using TDialogHook = std::function<TDialogAnswer(const TDialogRequest& Request)>;

// Replaces the hook; an empty function brings the real dialogs back. Returns the previous one.
TDialogHook SetDialogHook(TDialogHook Hook);
bool DialogHookSet();
// Asks the hook; only valid while one is set.
TDialogAnswer AskDialogHook(const TDialogRequest& Request);

// The warning beep. A test can watch the calls; otherwise the desktop's beep sounds.
bool MessageBeep(unsigned Type);
using TBeepHook = std::function<void(unsigned Type)>;
TBeepHook SetMessageBeepHook(TBeepHook Hook);
