#include "platform/forms/msgbox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <utility>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/qtglue.h"

namespace {

TDialogHook& Hook() {
  static auto* hook = new TDialogHook;
  return *hook;
}

TBeepHook& BeepHook() {
  static auto* hook = new TBeepHook;
  return *hook;
}

struct ButtonInfo {
  int result;
  const char* text;
};

std::vector<ButtonInfo> ButtonsForFlags(unsigned Flags) {
  switch (Flags & 0x0F) {
    case MB_OKCANCEL:
      return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE:
      return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL:
      return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
      return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL:
      return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    default:
      return {{IDOK, "OK"}};
  }
}

// The answer for a box closed without a button: Cancel when offered, else the only button, else
// the last one (as the window system treats the close box).
int EscapeResult(const std::vector<ButtonInfo>& Buttons) {
  for (const ButtonInfo& b : Buttons) {
    if (b.result == IDCANCEL) return IDCANCEL;
  }
  return Buttons.empty() ? IDCANCEL : Buttons.back().result;
}

int ShowBox(const std::string& Text, const std::string& Caption, unsigned Icon,
            const std::vector<ButtonInfo>& Buttons) {
  if (DialogHookSet()) {
    TDialogRequest request;
    request.Kind = "MessageBox";
    request.Caption = Caption;
    request.Text = Text;
    request.Icon = int(Icon);
    for (const ButtonInfo& b : Buttons) request.Buttons.push_back(b.result);
    return AskDialogHook(request).Result;
  }
  forms_internal::EnsureQtApplication();
  if (QGuiApplication::platformName() == "offscreen") {
    // Nobody could answer a box here; say so and take the escape answer instead of hanging.
    std::fprintf(stderr, "unanswered message box: %s\n", Text.c_str());
    return EscapeResult(Buttons);
  }
  QMessageBox box(forms_internal::DialogParent());
  box.setWindowTitle(forms_internal::ToQt(Caption));
  box.setText(forms_internal::ToQt(forms_internal::LfLineBreaks(Text)));
  switch (Icon & 0xF0) {
    case MB_ICONHAND:
      box.setIcon(QMessageBox::Critical);
      break;
    case MB_ICONQUESTION:
      box.setIcon(QMessageBox::Question);
      break;
    case MB_ICONEXCLAMATION:
      box.setIcon(QMessageBox::Warning);
      break;
    case MB_ICONASTERISK:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      break;
  }
  std::vector<std::pair<QAbstractButton*, int>> map;
  for (const ButtonInfo& b : Buttons) {
    map.emplace_back(box.addButton(QString::fromLatin1(b.text), QMessageBox::ActionRole), b.result);
  }
  if (!map.empty()) box.setDefaultButton(static_cast<QPushButton*>(map.front().first));
  box.exec();
  for (auto& [button, result] : map) {
    if (box.clickedButton() == button) return result;
  }
  return EscapeResult(Buttons);
}

}  // namespace

TDialogHook SetDialogHook(TDialogHook NewHook) { return std::exchange(Hook(), std::move(NewHook)); }

bool DialogHookSet() { return bool(Hook()); }

TDialogAnswer AskDialogHook(const TDialogRequest& Request) { return Hook()(Request); }

TBeepHook SetMessageBeepHook(TBeepHook NewHook) {
  return std::exchange(BeepHook(), std::move(NewHook));
}

bool MessageBeep(unsigned Type) {
  if (BeepHook()) {
    BeepHook()(Type);
    return true;
  }
  forms_internal::EnsureQtApplication();
  QApplication::beep();
  return true;
}

int MessageBox(HWND, const std::string& Text, const std::string& Caption, unsigned Flags) {
  return ShowBox(Text, Caption, Flags & 0xF0, ButtonsForFlags(Flags));
}

void ShowMessage(const std::string& Msg) { ShowBox(Msg, Application->Title(), 0, {{mrOk, "OK"}}); }

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int) {
  static const ButtonInfo kAll[] = {{mrYes, "&Yes"},       {mrNo, "&No"},       {mrOk, "OK"},
                                    {mrCancel, "Cancel"},  {mrAbort, "&Abort"}, {mrRetry, "&Retry"},
                                    {mrIgnore, "&Ignore"}, {mrAll, "&All"},     {mrNone, "&Help"}};
  std::vector<ButtonInfo> buttons;
  for (int b = mbYes; b <= mbHelp; ++b) {
    if (Buttons.Contains(TMsgDlgBtn(b))) buttons.push_back(kAll[b]);
  }
  if (buttons.empty()) buttons.push_back({mrOk, "OK"});
  static const char* kCaptions[] = {"Warning", "Error", "Information", "Confirm", ""};
  static const unsigned kIcons[] = {MB_ICONEXCLAMATION, MB_ICONHAND, MB_ICONASTERISK,
                                    MB_ICONQUESTION, 0};
  std::string caption =
      DlgType == mtCustom ? Application->Title() : std::string(kCaptions[DlgType]);
  return ShowBox(Msg, caption, kIcons[DlgType], buttons);
}
