#include "platform/forms/messages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <memory>
#include <unordered_map>

#include "platform/forms/application.h"
#include "platform/forms/qtglue.h"

namespace {

struct Receiver {
  TWndMethod method;
};

struct Registry {
  std::unordered_map<HWND, std::shared_ptr<Receiver>> receivers;
  HWND next = 1;
};

Registry& Windows() {
  static auto* registry = new Registry;
  return *registry;
}

std::shared_ptr<Receiver> Find(HWND Wnd) {
  auto& map = Windows().receivers;
  auto it = map.find(Wnd);
  return it == map.end() ? nullptr : it->second;
}

const QEvent::Type kPostedMessage = QEvent::Type(QEvent::User + 0x101);
int pending_posts = 0;

class PostedMessageEvent : public QEvent {
 public:
  explicit PostedMessageEvent(const TMsg& Msg) : QEvent(kPostedMessage), FMsg(Msg) {
    ++pending_posts;
  }
  ~PostedMessageEvent() override { --pending_posts; }
  TMsg& Msg() { return FMsg; }

 private:
  TMsg FMsg;
};

// Receives the posted messages of every handle and hands them to their receivers.
class PostedMessageSink : public QObject {
 public:
  bool event(QEvent* E) override {
    if (E->type() != kPostedMessage) return QObject::event(E);
    TMsg& msg = static_cast<PostedMessageEvent*>(E)->Msg();
    DispatchGuarded([&msg] {
      if (!IsWindow(msg.hwnd)) return;
      if (Application->ProcessMessageHooks(msg)) return;
      SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    });
    return true;
  }
};

PostedMessageSink& Sink() {
  static PostedMessageSink* sink = [] {
    forms_internal::EnsureQtApplication();
    return new PostedMessageSink;
  }();
  return *sink;
}

}  // namespace

HWND AllocateHWnd(TWndMethod Method) {
  Registry& r = Windows();
  HWND wnd = r.next++;
  r.receivers[wnd] = std::make_shared<Receiver>(Receiver{std::move(Method)});
  return wnd;
}

void DeallocateHWnd(HWND Wnd) { Windows().receivers.erase(Wnd); }

bool IsWindow(HWND Wnd) { return Wnd != 0 && Windows().receivers.count(Wnd) != 0; }

int64_t DefWindowProc(HWND, uint32_t, int64_t, int64_t) { return 0; }

int64_t SendMessage(HWND Wnd, uint32_t Msg, int64_t WParam, int64_t LParam) {
  // Held so that a receiver freeing itself inside its method stays callable until it returns.
  std::shared_ptr<Receiver> receiver = Find(Wnd);
  if (!receiver || !receiver->method) return 0;
  TMessage message{Msg, WParam, LParam, 0};
  receiver->method(message);
  return message.Result;
}

bool PostMessage(HWND Wnd, uint32_t Msg, int64_t WParam, int64_t LParam) {
  if (!IsWindow(Wnd)) return false;
  QCoreApplication::postEvent(&Sink(), new PostedMessageEvent(TMsg{Wnd, Msg, WParam, LParam}));
  return true;
}

namespace forms_internal {
int PendingPostedMessages() { return pending_posts; }
}  // namespace forms_internal
