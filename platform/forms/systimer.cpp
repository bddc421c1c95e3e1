#include "platform/forms/systimer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <unordered_map>

#include "platform/forms/application.h"
#include "platform/forms/qtglue.h"

namespace {

struct TimerEntry {
  std::unique_ptr<QTimer> timer;
  TTimerProc callback;
  bool call_pending = false;
};

std::unordered_map<uintptr_t, std::shared_ptr<TimerEntry>>& Timers() {
  static auto* timers = new std::unordered_map<uintptr_t, std::shared_ptr<TimerEntry>>;
  return *timers;
}

const QEvent::Type kTimerCall = QEvent::Type(QEvent::User + 0x102);

class TimerCallEvent : public QEvent {
 public:
  explicit TimerCallEvent(uintptr_t Id) : QEvent(kTimerCall), FId(Id) {}
  uintptr_t Id() const { return FId; }

 private:
  uintptr_t FId;
};

// Qt does not fire a timer again while its own handler is still running, so a callback that
// runs a nested loop would starve. The timer therefore only posts the call; the call runs from
// the queue, and the timer stays free to fire inside any loop the callback opens.
class TimerCallSink : public QObject {
 public:
  bool event(QEvent* E) override {
    if (E->type() != kTimerCall) return QObject::event(E);
    uintptr_t id = static_cast<TimerCallEvent*>(E)->Id();
    auto it = Timers().find(id);
    if (it == Timers().end()) return true;
    std::shared_ptr<TimerEntry> entry = it->second;
    entry->call_pending = false;
    DispatchGuarded([&entry] {
      if (entry->callback) entry->callback();
    });
    return true;
  }
};

TimerCallSink& Sink() {
  static auto* sink = new TimerCallSink;
  return *sink;
}

uintptr_t next_id = 1;

}  // namespace

uintptr_t SetTimer(unsigned Elapse, TTimerProc Callback) {
  forms_internal::EnsureQtApplication();
  uintptr_t id = next_id++;
  auto entry = std::make_shared<TimerEntry>();
  entry->callback = std::move(Callback);
  entry->timer = std::make_unique<QTimer>();
  entry->timer->setTimerType(Qt::PreciseTimer);
  entry->timer->setInterval(int(std::min<unsigned>(Elapse, 0x7FFFFFFF)));
  TimerEntry* raw = entry.get();
  QObject::connect(entry->timer.get(), &QTimer::timeout, [raw, id] {
    if (raw->call_pending) return;
    raw->call_pending = true;
    QCoreApplication::postEvent(&Sink(), new TimerCallEvent(id));
  });
  entry->timer->start();
  Timers()[id] = std::move(entry);
  return id;
}

bool KillTimer(uintptr_t Id) {
  auto it = Timers().find(Id);
  if (it == Timers().end()) return false;
  // Timer calls run from the queue, never from inside the QTimer's own signal, so it can go now;
  // a callback killing its own timer keeps its entry alive through the dispatcher's reference.
  it->second->timer.reset();
  Timers().erase(it);
  return true;
}
