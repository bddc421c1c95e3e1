#include "platform/forms/testing/dialogscript.h"

#include <gtest/gtest.h>

#include "platform/forms/application.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/qtglue.h"

DialogScript::DialogScript() {
  previous_ = SetDialogHook([this](const TDialogRequest& r) { return Ask(r); });
  previous_beep_ = SetMessageBeepHook([this](unsigned type) { beeps_.push_back(type); });
}

DialogScript::~DialogScript() {
  SetDialogHook(previous_);
  SetMessageBeepHook(previous_beep_);
  if (!answers_.empty()) ADD_FAILURE() << answers_.size() << " scripted dialog answer(s) unused";
}

void DialogScript::Answer(int Result, const std::string& Text, int64_t Value) {
  answers_.push_back(TDialogAnswer{Result, Text, Value});
}

void DialogScript::Clear() {
  asked_.clear();
  beeps_.clear();
  answers_.clear();
}

TDialogAnswer DialogScript::Ask(const TDialogRequest& request) {
  asked_.push_back(request);
  if (answers_.empty()) {
    ADD_FAILURE() << "unanswered " << request.Kind << ": \"" << request.Caption << "\" \""
                  << request.Text << "\"";
    return TDialogAnswer{mrCancel, "", 0};
  }
  TDialogAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void PumpMessages() {
  forms_internal::EnsureQtApplication();
  for (int round = 0; round < 100; ++round) {
    Application->ProcessMessages();
    if (forms_internal::PendingPostedMessages() == 0 && forms_internal::PendingWork() == 0) break;
  }
}
