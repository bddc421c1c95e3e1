#include "platform/forms/testing/dialogscript.h"

#include <gtest/gtest.h>

#include "platform/forms/application.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/qtglue.h"

DialogScript::DialogScript() {
  FPrevious = SetDialogHook([this](const TDialogRequest& r) { return Ask(r); });
  FPreviousBeep = SetMessageBeepHook([this](unsigned type) { FBeeps.push_back(type); });
}

DialogScript::~DialogScript() {
  SetDialogHook(FPrevious);
  SetMessageBeepHook(FPreviousBeep);
  if (!FAnswers.empty()) ADD_FAILURE() << FAnswers.size() << " scripted dialog answer(s) unused";
}

void DialogScript::Answer(int Result, const std::string& Text, int64_t Value) {
  FAnswers.push_back(TDialogAnswer{Result, Text, Value});
}

void DialogScript::Clear() {
  FAsked.clear();
  FBeeps.clear();
  FAnswers.clear();
}

TDialogAnswer DialogScript::Ask(const TDialogRequest& Request) {
  FAsked.push_back(Request);
  if (FAnswers.empty()) {
    ADD_FAILURE() << "unanswered " << Request.Kind << ": \"" << Request.Caption << "\" \""
                  << Request.Text << "\"";
    return TDialogAnswer{mrCancel, "", 0};
  }
  TDialogAnswer answer = FAnswers.front();
  FAnswers.pop_front();
  return answer;
}

void PumpMessages() {
  forms_internal::EnsureQtApplication();
  for (int round = 0; round < 100; ++round) {
    Application->ProcessMessages();
    if (forms_internal::PendingPostedMessages() == 0 && forms_internal::PendingWork() == 0) break;
  }
}
