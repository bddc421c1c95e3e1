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

uint32_t Scale(int16_t v) {
  const int32_t s = std::clamp<int32_t>(v, -32767, 32767);
  return static_cast<uint32_t>((static_cast<int64_t>(s) + 32767) * 65535 / 65534);
}

struct StickState {
  uint32_t x = kCentre, y = kCentre, z = kCentre, buttons = 0;
};

// Applies one record; returns false for records of axes and buttons we do not use.
bool Apply(StickState& s, const js_event& e) {
  const uint8_t type = e.type & ~JS_EVENT_INIT;
  if (type == JS_EVENT_AXIS && e.number < 3) {
    (e.number == 0 ? s.x : e.number == 1 ? s.y : s.z) = Scale(e.value);
    return true;
  }
  if (type == JS_EVENT_BUTTON && e.number < 4) {
    const uint32_t bit = 1u << e.number;
    s.buttons = e.value ? s.buttons | bit : s.buttons & ~bit;
    return true;
  }
  return false;
}

int OpenDevice(uint32_t id) {
  const std::string path = JoyDevicePath(id);
  if (path.empty()) return -1;
  return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

// Reads every whole record waiting; false when the device has gone (end of file or an error).
bool ReadRecords(int fd, std::string& pending, std::vector<js_event>& out) {
  for (;;) {
    char buf[64 * sizeof(js_event)];
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno == EAGAIN || errno == EWOULDBLOCK;
    if (n == 0) return false;
    pending.append(buf, static_cast<size_t>(n));
    size_t used = 0;
    for (; pending.size() - used >= sizeof(js_event); used += sizeof(js_event)) {
      js_event e;
      std::memcpy(&e, pending.data() + used, sizeof e);
      out.push_back(e);
    }
    pending.erase(0, used);
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

bool Current(uint32_t id, uint64_t serial) {
  return captures[id] && captures[id]->serial == serial;
}

void Release(uint32_t id) {
  std::unique_ptr<Capture> c = std::move(captures[id]);
  if (!c) return;
  // Deleted later: this may run inside the notifier's own signal.
  c->notifier->setEnabled(false);
  c->notifier->deleteLater();
  close(c->fd);
}

uint32_t Pack(uint32_t low, uint32_t high) { return (low & 0xFFFF) | (high & 0xFFFF) << 16; }

// Reads what the device reported and sends the messages. The receiver may release or renew the
// capture; each message checks that the capture it belongs to still stands.
void Service(uint32_t id, Capture* c) {
  std::vector<js_event> records;
  const bool alive = ReadRecords(c->fd, c->pending, records);
  std::vector<TJoyMessage> messages;
  const uint32_t move = id == 0 ? MM_JOY1MOVE : MM_JOY2MOVE;
  const uint32_t zmove = id == 0 ? MM_JOY1ZMOVE : MM_JOY2ZMOVE;
  auto flush_moves = [&] {
    StickState& s = c->state;
    StickState& r = c->reported;
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
    if (!Apply(c->state, e)) continue;
    if (init) {
      c->reported = c->state;  // the starting state is no change
      continue;
    }
    if (!button) continue;
    const uint32_t bit = 1u << e.number;
    if ((c->state.buttons ^ c->reported.buttons) & bit) {
      const bool down = c->state.buttons & bit;
      const uint32_t msg = id == 0 ? (down ? MM_JOY1BUTTONDOWN : MM_JOY1BUTTONUP)
                                   : (down ? MM_JOY2BUTTONDOWN : MM_JOY2BUTTONUP);
      messages.push_back({msg, c->state.buttons | bit << 8, Pack(c->state.x, c->state.y)});
      c->reported.buttons ^= bit;
    }
  }
  flush_moves();
  TJoyReceiver receiver = c->receiver;  // a copy: the capture may go away while it runs
  const uint64_t serial = c->serial;
  for (const TJoyMessage& m : messages) {
    if (!Current(id, serial)) return;
    receiver(m);
  }
  if (!alive && Current(id, serial)) Release(id);
}

}  // namespace

std::string JoyDevicePath(uint32_t id) {
  if (id > JOYSTICKID2) return "";
  return SystemSetting("Joystick", id == 0 ? "Joy1" : "Joy2",
                       id == 0 ? "/dev/input/js0" : "/dev/input/js1");
}

uint32_t JoyGetNumDevs() {
  uint32_t n = 0;
  for (uint32_t id : {JOYSTICKID1, JOYSTICKID2}) {
    if (access(JoyDevicePath(id).c_str(), F_OK) == 0) ++n;
  }
  return n;
}

uint32_t JoyGetPos(uint32_t id, JOYINFO* info) {
  if (id > JOYSTICKID2 || !info) return JOYERR_PARMS;
  StickState s;
  if (const Capture* c = captures[id].get()) {
    s = c->state;  // a second reader would take the capture's records away
  } else {
    const int fd = OpenDevice(id);
    if (fd < 0) return JOYERR_UNPLUGGED;
    // The kernel queues the current state as start-up records when a device is opened.
    std::string pending;
    std::vector<js_event> records;
    ReadRecords(fd, pending, records);
    close(fd);
    for (const js_event& e : records) Apply(s, e);
  }
  *info = {s.x, s.y, s.z, s.buttons};
  return JOYERR_NOERROR;
}

uint32_t JoySetCapture(uint32_t id, TJoyReceiver receiver) {
  if (id > JOYSTICKID2 || !receiver) return JOYERR_PARMS;
  if (captures[id] || !QCoreApplication::instance()) return JOYERR_NOCANDO;
  const int fd = OpenDevice(id);
  if (fd < 0) return JOYERR_UNPLUGGED;
  auto c = std::make_unique<Capture>();
  c->serial = next_serial++;
  c->fd = fd;
  c->receiver = std::move(receiver);
  c->notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
  const uint64_t serial = c->serial;
  QObject::connect(c->notifier, &QSocketNotifier::activated, c->notifier, [id, serial] {
    if (Current(id, serial)) Service(id, captures[id].get());
  });
  captures[id] = std::move(c);
  return JOYERR_NOERROR;
}

bool JoyCaptured(uint32_t id) { return id <= JOYSTICKID2 && captures[id] != nullptr; }

uint32_t JoyReleaseCapture(uint32_t id) {
  if (id > JOYSTICKID2) return JOYERR_PARMS;
  Release(id);
  return JOYERR_NOERROR;
}
