#include "platform/forms/application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/forms/msgbox.h"
#include "platform/forms/qtglue.h"

TApplication* Application = new TApplication;
TScreen* Screen = new TScreen;

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() = default;

void TApplication::Initialize() { forms_internal::EnsureQtApplication(); }

std::string TApplication::ExeName() const {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.string();
}

bool TApplication::Active() const {
  return QCoreApplication::instance() != nullptr && QApplication::activeWindow() != nullptr;
}

void TApplication::SetHint(const std::string& Value) {
  if (Value == FHint) return;
  FHint = Value;
  if (OnHint) OnHint(this);
}

void TApplication::ProcessMessages() {
  forms_internal::EnsureQtApplication();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleMessage() {
  forms_internal::EnsureQtApplication();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  Idle();
}

void TApplication::Idle() {
  bool done = true;
  DispatchGuarded([this, &done] {
    if (OnIdle) OnIdle(this, done);
    // Copied: a handler may add or remove handlers.
    auto handlers = FIdleHandlers.list;
    for (auto& [key, handler] : handlers) {
      bool more = true;
      handler(this, more);
      done = done && more;
    }
  });
  // A wake asked for before this wait counts even when its event cannot arrive here: a loop
  // nested in a posted message's handler does not get further posted events.
  const bool woken = std::exchange(FWakePending, false);
  if (done && !woken && !FTerminated)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TApplication::Wake() {
  // An empty event ends a wait for the next message, so the loops look at their end conditions.
  FWakePending = true;
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::User));
  }
}

void TApplication::Terminate() {
  FTerminated = true;
  Wake();
}

int TApplication::AddIdleHandler(TIdleEvent Handler) {
  int key = FIdleHandlers.next++;
  FIdleHandlers.list.emplace_back(key, std::move(Handler));
  return key;
}

void TApplication::RemoveIdleHandler(int Key) {
  std::erase_if(FIdleHandlers.list, [Key](const auto& h) { return h.first == Key; });
}

int TApplication::AddMessageHandler(TMessageEvent Handler) {
  int key = FMessageHandlers.next++;
  FMessageHandlers.list.emplace_back(key, std::move(Handler));
  return key;
}

void TApplication::RemoveMessageHandler(int Key) {
  std::erase_if(FMessageHandlers.list, [Key](const auto& h) { return h.first == Key; });
}

bool TApplication::ProcessMessageHooks(TMsg& Msg) {
  bool handled = false;
  if (OnMessage) OnMessage(Msg, handled);
  auto handlers = FMessageHandlers.list;
  for (auto& [key, handler] : handlers) {
    if (handled) break;
    handler(Msg, handled);
  }
  return handled;
}

void TApplication::ShowException(const std::exception& E) {
  MessageBox(E.what(), FTitle, MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(TObject*) {
  try {
    throw;
  } catch (const std::exception& e) {
    ShowException(e);
  } catch (...) {
    MessageBox("Unknown error", FTitle, MB_OK | MB_ICONSTOP);
  }
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) {
  return ::MessageBox(0, Text, Caption.empty() ? FTitle : Caption, Flags);
}

namespace {
int dispatch_depth = 0;
}

void DispatchGuarded(const std::function<void()>& Fn) {
  ++dispatch_depth;
  try {
    Fn();
  } catch (...) {
    Application->HandleException(Application);
  }
  if (--dispatch_depth == 0) forms_internal::RunDispatchEndHooks();
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  forms_internal::EnsureQtApplication();
  if (FCursor != crDefault) QApplication::restoreOverrideCursor();
  FCursor = Value;
  if (FCursor != crDefault) QApplication::setOverrideCursor(forms_internal::QtCursor(FCursor));
}
