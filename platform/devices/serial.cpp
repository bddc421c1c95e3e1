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
Port* Find(TSerialHandle H) {
  auto it = Table().find(H);
  return it == Table().end() ? nullptr : &it->second;
}

void SetModemLine(int Fd, int Line, bool On) { ioctl(Fd, On ? TIOCMBIS : TIOCMBIC, &Line); }

// Adds what happened since the last look: driver error counters and a vanished peer.
void Gather(Port& P) {
  serial_icounter_struct now{};
  if (ioctl(P.fd, TIOCGICOUNT, &now) == 0) {
    if (P.haveCounts) {
      if (now.frame != P.counts.frame) P.errors |= CE_FRAME;
      if (now.overrun != P.counts.overrun) P.errors |= CE_OVERRUN;
      if (now.parity != P.counts.parity) P.errors |= CE_RXPARITY;
      if (now.brk != P.counts.brk) P.errors |= CE_BREAK;
      if (now.buf_overrun != P.counts.buf_overrun) P.errors |= CE_RXOVER;
    }
    P.counts = now;
    P.haveCounts = true;
  }
  pollfd pf{P.fd, POLLIN, 0};
  if (poll(&pf, 1, 0) > 0 && (pf.revents & (POLLHUP | POLLERR | POLLNVAL))) P.errors |= CE_IOE;
}

void FillStatus(const Port& P, COMSTAT* Stat) {
  if (!Stat) return;
  *Stat = COMSTAT{};
  int n = 0;
  if (ioctl(P.fd, FIONREAD, &n) == 0 && n > 0) Stat->cbInQue = static_cast<uint32_t>(n);
  n = 0;
  if (ioctl(P.fd, TIOCOUTQ, &n) == 0 && n > 0) Stat->cbOutQue = static_cast<uint32_t>(n);
}

bool Query(TSerialHandle H, uint32_t* Errors, COMSTAT* Stat, bool Clear) {
  std::lock_guard lock(TableLock());
  Port* p = Find(H);
  if (!p) return false;
  Gather(*p);
  if (Errors) *Errors = p->errors;
  FillStatus(*p, Stat);
  if (Clear) p->errors = 0;
  return true;
}

int OpenDevice(const std::string& PortName) {
  const std::string path = SerialDevicePath(PortName);
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

std::string SerialDevicePath(const std::string& PortName) {
  if (PortName.size() != 4) return "";
  const char c0 = PortName[0] | 0x20, c1 = PortName[1] | 0x20, c2 = PortName[2] | 0x20;
  if (c0 != 'c' || c1 != 'o' || c2 != 'm' || PortName[3] < '1' || PortName[3] > '4') return "";
  const int n = PortName[3] - '1';
  const std::string key = "COM" + std::string(1, PortName[3]);
  return SystemSetting("Serial", key, "/dev/ttyS" + std::to_string(n));
}

TSerialHandle SerialOpen(const std::string& PortName) {
  const int fd = OpenDevice(PortName);
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

bool SerialPortPresent(const std::string& PortName) {
  const int fd = OpenDevice(PortName);
  if (fd < 0) return false;
  close(fd);
  return true;
}

bool SerialClose(TSerialHandle H) {
  std::lock_guard lock(TableLock());
  Port* p = Find(H);
  if (!p) return false;
  ioctl(p->fd, TIOCNXCL);
  close(p->fd);
  Table().erase(H);
  return true;
}

bool SerialSetState(TSerialHandle H, const DCB& Dcb) {
  std::lock_guard lock(TableLock());
  Port* p = Find(H);
  if (!p) return false;
  if (Dcb.BaudRate == 0 || Dcb.ByteSize < 5 || Dcb.ByteSize > 8 || Dcb.Parity > SPACEPARITY ||
      Dcb.StopBits > TWOSTOPBITS || (Dcb.StopBits == ONE5STOPBITS && Dcb.ByteSize != 5) ||
      Dcb.fOutxCtsFlow || Dcb.fOutxDsrFlow || Dcb.fDtrControl > DTR_CONTROL_ENABLE ||
      Dcb.fRtsControl > RTS_CONTROL_ENABLE) {
    return false;
  }
  termios2 t{};
  if (ioctl(p->fd, TCGETS2, &t) != 0) return false;
  t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY |
                 INPCK | IGNPAR | IUCLC | IMAXBEL);
  if (Dcb.fParity) t.c_iflag |= INPCK;
  if (Dcb.fOutX) t.c_iflag |= IXON;
  if (Dcb.fInX) t.c_iflag |= IXOFF;
  t.c_oflag &= ~OPOST;
  t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
  static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
  t.c_cflag |= CLOCAL | CREAD | BOTHER | kSizes[Dcb.ByteSize - 5];
  if (Dcb.Parity != NOPARITY) t.c_cflag |= PARENB;
  if (Dcb.Parity == ODDPARITY || Dcb.Parity == MARKPARITY) t.c_cflag |= PARODD;
  if (Dcb.Parity == MARKPARITY || Dcb.Parity == SPACEPARITY) t.c_cflag |= CMSPAR;
  if (Dcb.StopBits != ONESTOPBIT) t.c_cflag |= CSTOPB;
  t.c_ospeed = t.c_ispeed = Dcb.BaudRate;
  t.c_cc[VSTART] = static_cast<cc_t>(Dcb.XonChar);
  t.c_cc[VSTOP] = static_cast<cc_t>(Dcb.XoffChar);
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  if (ioctl(p->fd, TCSETS2, &t) != 0) return false;
  // The driver may round the rate to what it can make; more than 3 % off is a refusal.
  termios2 got{};
  if (ioctl(p->fd, TCGETS2, &got) != 0) return false;
  const uint64_t want = Dcb.BaudRate, have = got.c_ospeed;
  if ((have > want ? have - want : want - have) * 100 > want * 3) return false;
  // Some devices fix the framing (a pseudo-terminal keeps 8 data bits without parity).
  const tcflag_t framing = CSIZE | PARENB | CSTOPB;
  if ((got.c_cflag & framing) != (t.c_cflag & framing)) return false;
  SetModemLine(p->fd, TIOCM_DTR, Dcb.fDtrControl == DTR_CONTROL_ENABLE);
  SetModemLine(p->fd, TIOCM_RTS, Dcb.fRtsControl == RTS_CONTROL_ENABLE);
  return true;
}

bool SerialPurge(TSerialHandle H, uint32_t Flags) {
  std::lock_guard lock(TableLock());
  Port* p = Find(H);
  if (!p) return false;
  const bool rx = Flags & (PURGE_RXABORT | PURGE_RXCLEAR);
  const bool tx = Flags & (PURGE_TXABORT | PURGE_TXCLEAR);
  if (!rx && !tx) return true;
  return ioctl(p->fd, TCFLSH, rx && tx ? TCIOFLUSH : rx ? TCIFLUSH : TCOFLUSH) == 0;
}

bool SerialStatus(TSerialHandle H, uint32_t* Errors, COMSTAT* Stat) {
  return Query(H, Errors, Stat, false);
}

bool SerialClearError(TSerialHandle H, uint32_t* Errors, COMSTAT* Stat) {
  return Query(H, Errors, Stat, true);
}

bool SerialReadByte(TSerialHandle H, uint8_t* Byte) {
  std::lock_guard lock(TableLock());
  Port* p = Find(H);
  if (!p || !Byte) return false;
  ssize_t n;
  do {
    n = read(p->fd, Byte, 1);
  } while (n < 0 && errno == EINTR);
  if (n == 1) return true;
  // End of file on a terminal means the other side has gone.
  if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) p->errors |= CE_IOE;
  return false;
}

bool SerialWriteByte(TSerialHandle H, uint8_t Byte) {
  std::lock_guard lock(TableLock());
  Port* p = Find(H);
  if (!p) return false;
  for (int attempt = 0; attempt < 2; ++attempt) {
    ssize_t n;
    do {
      n = write(p->fd, &Byte, 1);
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

bool SerialEscape(TSerialHandle H, uint32_t Function) {
  std::lock_guard lock(TableLock());
  Port* p = Find(H);
  if (!p) return false;
  int line;
  unsigned long request;
  switch (Function) {
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
