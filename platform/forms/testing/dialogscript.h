#pragma once
// Test support: answers dialogs and message boxes from a script and records what was asked.
// A dialog with no scripted answer left fails the running test and gets the escape answer
// (mrCancel), so a test never hangs on a dialog.

#include <deque>
#include <string>
#include <vector>

#include "platform/forms/dialoghook.h"

class DialogScript {
 public:
  DialogScript();   // installs itself as the dialog hook and counts beeps
  ~DialogScript();  // restores the previous hooks; unused answers fail the test
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  // Queues the answer for the next dialog.
  void Answer(int Result, const std::string& Text = "", int64_t Value = 0);
  const std::vector<TDialogRequest>& Asked() const { return FAsked; }
  const std::vector<unsigned>& Beeps() const { return FBeeps; }
  void Clear();

 private:
  TDialogAnswer Ask(const TDialogRequest& Request);
  std::deque<TDialogAnswer> FAnswers;
  std::vector<TDialogRequest> FAsked;
  std::vector<unsigned> FBeeps;
  TDialogHook FPrevious;
  TBeepHook FPreviousBeep;
};

// Delivers posted messages, timer calls due and pending paints until none is left (bounded, so
// a handler that keeps posting cannot hang the test).
void PumpMessages();
