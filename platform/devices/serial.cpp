#include "platform/devices/serial.h"

// The kernel's termios2 (for any baud rate) clashes with <termios.h>; only this one is used here.
#include <asm/termbits.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>
#include <mutex>

#include "platform/devices/config.h"

namespace {

constexpr int kWriteWaitMs = 20;

struct Port {
  int fd = -1;
  uint32_t errors = 0;  // gathered since the last clear
  bool haveCounts = false;
  serial_icounter_struct counts{};
};

std::mutex& TableLock() {
  static std::mutex m;
  return m;
}

std::map<TSerialHandle, Port>& Table() {
  static std::map<TSerialHandle, Port> t;
  return t;
}

TSerialHandle NextHandle() {
  static TSerialHandle next = 0;
  do {
    next = next == INT32_MAX ? 1 : next + 1;
  } while (Table().count(next));
  return next;
}

// The port of a handle; null when not open. Callers hold TableLock().
Port* Find(TSerialHandle h) {
  auto it = Table().find(h);
  return it == Table().end() ? nullptr : &it->second;
}

void SetModemLine(int fd, int line, bool on) { ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line); }

// Adds what happened since the last look: driver error counters and a vanished peer.
void Gather(Port& p) {
  serial_icounter_struct now{};
  if (ioctl(p.fd, TIOCGICOUNT, &now) == 0) {
    if (p.haveCounts) {
      if (now.frame != p.counts.frame) p.errors |= CE_FRAME;
      if (now.overrun != p.counts.overrun) p.errors |= CE_OVERRUN;
      if (now.parity != p.counts.parity) p.errors |= CE_RXPARITY;
      if (now.brk != p.counts.brk) p.errors |= CE_BREAK;
      if (now.buf_overrun != p.counts.buf_overrun) p.errors |= CE_RXOVER;
    }
    p.counts = now;
    p.haveCounts = true;
  }
  pollfd pf{p.fd, POLLIN, 0};
  if (poll(&pf, 1, 0) > 0 && (pf.revents & (POLLHUP | POLLERR | POLLNVAL))) p.errors |= CE_IOE;
}

void FillStatus(const Port& p, COMSTAT* stat) {
  if (!stat) return;
  *stat = COMSTAT{};
  int n = 0;
  if (ioctl(p.fd, FIONREAD, &n) == 0 && n > 0) stat->cbInQue = static_cast<uint32_t>(n);
  n = 0;
  if (ioctl(p.fd, TIOCOUTQ, &n) == 0 && n > 0) stat->cbOutQue = static_cast<uint32_t>(n);
}

bool Query(TSerialHandle h, uint32_t* errors, COMSTAT* stat, bool clear) {
  std::lock_guard lock(TableLock());
  Port* p = Find(h);
  if (!p) return false;
  Gather(*p);
  if (errors) *errors = p->errors;
  FillStatus(*p, stat);
  if (clear) p->errors = 0;
  return true;
}

int OpenDevice(const std::string& port_name) {
  const std::string path = SerialDevicePath(port_name);
  if (path.empty()) return -1;
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  termios2 t{};
  // Not a terminal, or held by someone else: refuse.
  if (ioctl(fd, TCGETS2, &t) != 0 || flock(fd, LOCK_EX | LOCK_NB) != 0 ||
      ioctl(fd, TIOCEXCL) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

std::string SerialDevicePath(const std::string& port_name) {
  if (port_name.size() != 4) return "";
  const char c0 = port_name[0] | 0x20, c1 = port_name[1] | 0x20, c2 = port_name[2] | 0x20;
  if (c0 != 'c' || c1 != 'o' || c2 != 'm' || port_name[3] < '1' || port_name[3] > '4') return "";
  const int n = port_name[3] - '1';
  const std::string key = "COM" + std::string(1, port_name[3]);
  return SystemSetting("Serial", key, "/dev/ttyS" + std::to_string(n));
}

TSerialHandle SerialOpen(const std::string& port_name) {
  const int fd = OpenDevice(port_name);
  if (fd < 0) return -1;
  SetModemLine(fd, TIOCM_DTR, false);
  SetModemLine(fd, TIOCM_RTS, false);
  std::lock_guard lock(TableLock());
  const TSerialHandle h = NextHandle();
  Port& p = Table()[h];
  p.fd = fd;
  Gather(p);  // takes the counters' starting point
  p.errors = 0;
  return h;
}

bool SerialPortPresent(const std::string& port_name) {
  const int fd = OpenDevice(port_name);
  if (fd < 0) return false;
  close(fd);
  return true;
}

bool SerialClose(TSerialHandle h) {
  std::lock_guard lock(TableLock());
  Port* p = Find(h);
  if (!p) return false;
  ioctl(p->fd, TIOCNXCL);
  close(p->fd);
  Table().erase(h);
  return true;
}

bool SerialSetState(TSerialHandle h, const DCB& dcb) {
  std::lock_guard lock(TableLock());
  Port* p = Find(h);
  if (!p) return false;
  if (dcb.BaudRate == 0 || dcb.ByteSize < 5 || dcb.ByteSize > 8 || dcb.Parity > SPACEPARITY ||
      dcb.StopBits > TWOSTOPBITS || (dcb.StopBits == ONE5STOPBITS && dcb.ByteSize != 5) ||
      dcb.fOutxCtsFlow || dcb.fOutxDsrFlow || dcb.fDtrControl > DTR_CONTROL_ENABLE ||
      dcb.fRtsControl > RTS_CONTROL_ENABLE) {
    return false;
  }
  termios2 t{};
  if (ioctl(p->fd, TCGETS2, &t) != 0) return false;
  t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY |
                 INPCK | IGNPAR | IUCLC | IMAXBEL);
  if (dcb.fParity) t.c_iflag |= INPCK;
  if (dcb.fOutX) t.c_iflag |= IXON;
  if (dcb.fInX) t.c_iflag |= IXOFF;
  t.c_oflag &= ~OPOST;
  t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
  static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
  t.c_cflag |= CLOCAL | CREAD | BOTHER | kSizes[dcb.ByteSize - 5];
  if (dcb.Parity != NOPARITY) t.c_cflag |= PARENB;
  if (dcb.Parity == ODDPARITY || dcb.Parity == MARKPARITY) t.c_cflag |= PARODD;
  if (dcb.Parity == MARKPARITY || dcb.Parity == SPACEPARITY) t.c_cflag |= CMSPAR;
  if (dcb.StopBits != ONESTOPBIT) t.c_cflag |= CSTOPB;
  t.c_ospeed = t.c_ispeed = dcb.BaudRate;
  t.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
  t.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  if (ioctl(p->fd, TCSETS2, &t) != 0) return false;
  // The driver may round the rate to what it can make; more than 3 % off is a refusal.
  termios2 got{};
  if (ioctl(p->fd, TCGETS2, &got) != 0) return false;
  const uint64_t want = dcb.BaudRate, have = got.c_ospeed;
  if ((have > want ? have - want : want - have) * 100 > want * 3) return false;
  // Some devices fix the framing (a pseudo-terminal keeps 8 data bits without parity).
  const tcflag_t framing = CSIZE | PARENB | CSTOPB;
  if ((got.c_cflag & framing) != (t.c_cflag & framing)) return false;
  SetModemLine(p->fd, TIOCM_DTR, dcb.fDtrControl == DTR_CONTROL_ENABLE);
  SetModemLine(p->fd, TIOCM_RTS, dcb.fRtsControl == RTS_CONTROL_ENABLE);
  return true;
}

bool SerialPurge(TSerialHandle h, uint32_t flags) {
  std::lock_guard lock(TableLock());
  Port* p = Find(h);
  if (!p) return false;
  const bool rx = flags & (PURGE_RXABORT | PURGE_RXCLEAR);
  const bool tx = flags & (PURGE_TXABORT | PURGE_TXCLEAR);
  if (!rx && !tx) return true;
  return ioctl(p->fd, TCFLSH, rx && tx ? TCIOFLUSH : rx ? TCIFLUSH : TCOFLUSH) == 0;
}

bool SerialStatus(TSerialHandle h, uint32_t* errors, COMSTAT* stat) {
  return Query(h, errors, stat, false);
}

bool SerialClearError(TSerialHandle h, uint32_t* errors, COMSTAT* stat) {
  return Query(h, errors, stat, true);
}

bool SerialReadByte(TSerialHandle h, uint8_t* byte) {
  std::lock_guard lock(TableLock());
  Port* p = Find(h);
  if (!p || !byte) return false;
  ssize_t n;
  do {
    n = read(p->fd, byte, 1);
  } while (n < 0 && errno == EINTR);
  if (n == 1) return true;
  // End of file on a terminal means the other side has gone.
  if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) p->errors |= CE_IOE;
  return false;
}

bool SerialWriteByte(TSerialHandle h, uint8_t byte) {
  std::lock_guard lock(TableLock());
  Port* p = Find(h);
  if (!p) return false;
  for (int attempt = 0; attempt < 2; ++attempt) {
    ssize_t n;
    do {
      n = write(p->fd, &byte, 1);
    } while (n < 0 && errno == EINTR);
    if (n == 1) return true;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
      p->errors |= CE_IOE;
      return false;
    }
    if (attempt == 0) {
      pollfd pf{p->fd, POLLOUT, 0};
      poll(&pf, 1, kWriteWaitMs);
    }
  }
  p->errors |= CE_TXFULL;
  return false;
}

bool SerialEscape(TSerialHandle h, uint32_t function) {
  std::lock_guard lock(TableLock());
  Port* p = Find(h);
  if (!p) return false;
  int line;
  unsigned long request;
  switch (function) {
    case SETDTR:
      line = TIOCM_DTR;
      request = TIOCMBIS;
      break;
    case CLRDTR:
      line = TIOCM_DTR;
      request = TIOCMBIC;
      break;
    case SETRTS:
      line = TIOCM_RTS;
      request = TIOCMBIS;
      break;
    case CLRRTS:
      line = TIOCM_RTS;
      request = TIOCMBIC;
      break;
    default:
      return false;
  }
  return ioctl(p->fd, request, &line) == 0;
}
