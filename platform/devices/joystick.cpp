#include "platform/devices/joystick.h"

#include <fcntl.h>
#include <linux/joystick.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/devices/config.h"

namespace {

constexpr uint32_t kCentre = 32767;

uint32_t Scale(int16_t V) {
  const int32_t s = std::clamp<int32_t>(V, -32767, 32767);
  return static_cast<uint32_t>((static_cast<int64_t>(s) + 32767) * 65535 / 65534);
}

struct StickState {
  uint32_t x = kCentre, y = kCentre, z = kCentre, buttons = 0;
};

// Applies one record; returns false for records of axes and buttons we do not use.
bool Apply(StickState& S, const js_event& E) {
  const uint8_t type = E.type & ~JS_EVENT_INIT;
  if (type == JS_EVENT_AXIS && E.number < 3) {
    (E.number == 0 ? S.x : E.number == 1 ? S.y : S.z) = Scale(E.value);
    return true;
  }
  if (type == JS_EVENT_BUTTON && E.number < 4) {
    const uint32_t bit = 1u << E.number;
    S.buttons = E.value ? S.buttons | bit : S.buttons & ~bit;
    return true;
  }
  return false;
}

int OpenDevice(uint32_t Id) {
  const std::string path = JoyDevicePath(Id);
  if (path.empty()) return -1;
  return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

// Reads every whole record waiting; false when the device has gone (end of file or an error).
bool ReadRecords(int Fd, std::string& Pending, std::vector<js_event>& Out) {
  for (;;) {
    char buf[64 * sizeof(js_event)];
    const ssize_t n = read(Fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno == EAGAIN || errno == EWOULDBLOCK;
    if (n == 0) return false;
    Pending.append(buf, static_cast<size_t>(n));
    size_t used = 0;
    for (; Pending.size() - used >= sizeof(js_event); used += sizeof(js_event)) {
      js_event e;
      std::memcpy(&e, Pending.data() + used, sizeof e);
      Out.push_back(e);
    }
    Pending.erase(0, used);
  }
}

struct Capture {
  uint64_t serial = 0;  // tells a capture from a later one of the same stick
  int fd = -1;
  QSocketNotifier* notifier = nullptr;
  TJoyReceiver receiver;
  StickState state, reported;
  std::string pending;
};

std::unique_ptr<Capture> captures[2];
uint64_t next_serial = 1;

bool Current(uint32_t Id, uint64_t Serial) {
  return captures[Id] && captures[Id]->serial == Serial;
}

void Release(uint32_t Id) {
  std::unique_ptr<Capture> c = std::move(captures[Id]);
  if (!c) return;
  // Deleted later: this may run inside the notifier's own signal.
  c->notifier->setEnabled(false);
  c->notifier->deleteLater();
  close(c->fd);
}

uint32_t Pack(uint32_t Low, uint32_t High) { return (Low & 0xFFFF) | (High & 0xFFFF) << 16; }

// Reads what the device reported and sends the messages. The receiver may release or renew the
// capture; each message checks that the capture it belongs to still stands.
void Service(uint32_t Id, Capture* C) {
  std::vector<js_event> records;
  const bool alive = ReadRecords(C->fd, C->pending, records);
  std::vector<TJoyMessage> messages;
  const uint32_t move = Id == 0 ? MM_JOY1MOVE : MM_JOY2MOVE;
  const uint32_t zmove = Id == 0 ? MM_JOY1ZMOVE : MM_JOY2ZMOVE;
  auto flush_moves = [&] {
    StickState& s = C->state;
    StickState& r = C->reported;
    if (s.x != r.x || s.y != r.y) messages.push_back({move, s.buttons, Pack(s.x, s.y)});
    if (s.z != r.z) messages.push_back({zmove, s.buttons, Pack(s.z, 0)});
    r.x = s.x;
    r.y = s.y;
    r.z = s.z;
  };
  for (const js_event& e : records) {
    const bool init = e.type & JS_EVENT_INIT;
    const bool button = (e.type & ~JS_EVENT_INIT) == JS_EVENT_BUTTON;
    // Keep the order: moves come before the button that followed them, with the buttons then held.
    if (button && !init) flush_moves();
    if (!Apply(C->state, e)) continue;
    if (init) {
      C->reported = C->state;  // the starting state is no change
      continue;
    }
    if (!button) continue;
    const uint32_t bit = 1u << e.number;
    if ((C->state.buttons ^ C->reported.buttons) & bit) {
      const bool down = C->state.buttons & bit;
      const uint32_t msg = Id == 0 ? (down ? MM_JOY1BUTTONDOWN : MM_JOY1BUTTONUP)
                                   : (down ? MM_JOY2BUTTONDOWN : MM_JOY2BUTTONUP);
      messages.push_back({msg, C->state.buttons | bit << 8, Pack(C->state.x, C->state.y)});
      C->reported.buttons ^= bit;
    }
  }
  flush_moves();
  TJoyReceiver receiver = C->receiver;  // a copy: the capture may go away while it runs
  const uint64_t serial = C->serial;
  for (const TJoyMessage& m : messages) {
    if (!Current(Id, serial)) return;
    receiver(m);
  }
  if (!alive && Current(Id, serial)) Release(Id);
}

}  // namespace

std::string JoyDevicePath(uint32_t Id) {
  if (Id > JOYSTICKID2) return "";
  return SystemSetting("Joystick", Id == 0 ? "Joy1" : "Joy2",
                       Id == 0 ? "/dev/input/js0" : "/dev/input/js1");
}

uint32_t JoyGetNumDevs() {
  uint32_t n = 0;
  for (uint32_t id : {JOYSTICKID1, JOYSTICKID2}) {
    if (access(JoyDevicePath(id).c_str(), F_OK) == 0) ++n;
  }
  return n;
}

uint32_t JoyGetPos(uint32_t Id, JOYINFO* Info) {
  if (Id > JOYSTICKID2 || !Info) return JOYERR_PARMS;
  StickState s;
  if (const Capture* c = captures[Id].get()) {
    s = c->state;  // a second reader would take the capture's records away
  } else {
    const int fd = OpenDevice(Id);
    if (fd < 0) return JOYERR_UNPLUGGED;
    // The kernel queues the current state as start-up records when a device is opened.
    std::string pending;
    std::vector<js_event> records;
    ReadRecords(fd, pending, records);
    close(fd);
    for (const js_event& e : records) Apply(s, e);
  }
  *Info = {s.x, s.y, s.z, s.buttons};
  return JOYERR_NOERROR;
}

uint32_t JoySetCapture(uint32_t Id, TJoyReceiver Receiver) {
  if (Id > JOYSTICKID2 || !Receiver) return JOYERR_PARMS;
  if (captures[Id] || !QCoreApplication::instance()) return JOYERR_NOCANDO;
  const int fd = OpenDevice(Id);
  if (fd < 0) return JOYERR_UNPLUGGED;
  auto c = std::make_unique<Capture>();
  c->serial = next_serial++;
  c->fd = fd;
  c->receiver = std::move(Receiver);
  c->notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
  const uint64_t serial = c->serial;
  QObject::connect(c->notifier, &QSocketNotifier::activated, c->notifier, [Id, serial] {
    if (Current(Id, serial)) Service(Id, captures[Id].get());
  });
  captures[Id] = std::move(c);
  return JOYERR_NOERROR;
}

bool JoyCaptured(uint32_t Id) { return Id <= JOYSTICKID2 && captures[Id] != nullptr; }

uint32_t JoyReleaseCapture(uint32_t Id) {
  if (Id > JOYSTICKID2) return JOYERR_PARMS;
  Release(Id);
  return JOYERR_NOERROR;
}
