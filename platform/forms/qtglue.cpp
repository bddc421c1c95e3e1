#include "platform/forms/qtglue.h"

#include <QAbstractSlider>
#include <QApplication>
#include <vector>

#include "platform/base/paths.h"
#include "platform/base/strings.h"
#include "platform/forms/messages.h"

namespace forms_internal {

void EnsureQtApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "orvane";
  static char* argv[] = {name, nullptr};
  // Lives to the end of the process: widgets may be torn down late.
  new QApplication(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
}

QString ToQt(const std::string& Text) { return QString::fromUtf8(Cp1252ToUtf8(Text)); }

std::string FromQt(const QString& Text) { return Utf8ToCp1252(Text.toUtf8().toStdString()); }

QString PathToQt(const std::string& Path) { return QString::fromStdU16String(PathToUtf16(Path)); }

std::string PathFromQt(const QString& Path) { return PathFromUtf16(Path.toStdU16String()); }

std::string LfLineBreaks(const std::string& Text) {
  std::string out;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '\r') {
      out.push_back('\n');
      if (i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
    } else {
      out.push_back(Text[i]);
    }
  }
  return out;
}

namespace {
std::vector<std::function<int()>>& Counters() {
  static auto* counters = new std::vector<std::function<int()>>;
  return *counters;
}
std::vector<std::function<void()>>& EndHooks() {
  static auto* hooks = new std::vector<std::function<void()>>;
  return *hooks;
}
}  // namespace

void AddPendingCounter(std::function<int()> Counter) { Counters().push_back(std::move(Counter)); }

int PendingWork() {
  int sum = 0;
  for (auto& c : Counters()) sum += c();
  return sum;
}

void AddDispatchEndHook(std::function<void()> Hook) { EndHooks().push_back(std::move(Hook)); }

void RunDispatchEndHooks() {
  for (auto& hook : EndHooks()) hook();
}

int ScrollCodeOfStep(int SliderAction) {
  switch (SliderAction) {
    case QAbstractSlider::SliderSingleStepSub:
      return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd:
      return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub:
      return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd:
      return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum:
      return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
      return SB_BOTTOM;
    default:
      return -1;
  }
}

QWidget* DialogParent() {
  if (QCoreApplication::instance() == nullptr) return nullptr;
  QWidget* window = QApplication::activeModalWidget();
  if (window == nullptr) window = QApplication::activeWindow();
  return window;
}

}  // namespace forms_internal
