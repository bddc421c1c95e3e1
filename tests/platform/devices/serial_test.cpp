#include "platform/devices/serial.h"

#include <asm/termbits.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "platform/devices/profile.h"
#include "tests/platform/devices/devices_fixture.h"

namespace {

// A pseudo-terminal pair: the port under test opens the terminal side as COM1, the test talks
// through the controlling side.
class Serial : public DevicesTest {
 protected:
  void SetUp() override {
    DevicesTest::SetUp();
    FMaster = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(FMaster, 0);
    ASSERT_EQ(grantpt(FMaster), 0);
    ASSERT_EQ(unlockpt(FMaster), 0);
    FTerminal = ptsname(FMaster);
    ASSERT_TRUE(ProfileWrite("Serial", "COM1", FTerminal, "system.ini"));
    ASSERT_TRUE(ProfileWrite("Serial", "com2", FRoot + "/no-such-device", "system.ini"));
    ASSERT_TRUE(ProfileWrite("Serial", "COM3", FRoot, "system.ini"));  // not a terminal
  }
  void TearDown() override {
    if (FHandle > 0) SerialClose(FHandle);
    if (FMaster >= 0) close(FMaster);
    DevicesTest::TearDown();
  }

  void OpenRaw() {
    FHandle = SerialOpen("COM1");
    ASSERT_GT(FHandle, 0);
    ASSERT_TRUE(SerialSetState(FHandle, DCB{}));
  }

  // Bytes the peer receives, waiting at most `ms` for `count` of them.
  std::string PeerRead(size_t count, int ms = 1000) {
    std::string got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (got.size() < count && std::chrono::steady_clock::now() < end) {
      pollfd pf{FMaster, POLLIN, 0};
      if (poll(&pf, 1, 10) <= 0) continue;
      char buf[512];
      const ssize_t n = read(FMaster, buf, sizeof buf);
      if (n > 0) got.append(buf, static_cast<size_t>(n));
    }
    return got;
  }

  void PeerWrite(const std::string& s) {
    ASSERT_EQ(write(FMaster, s.data(), s.size()), static_cast<ssize_t>(s.size()));
  }

  // Waits (bounded) until the port's input queue holds `count` bytes.
  uint32_t WaitInQueue(uint32_t count) {
    COMSTAT st;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    do {
      EXPECT_TRUE(SerialStatus(FHandle, nullptr, &st));
      if (st.cbInQue >= count) break;
      poll(nullptr, 0, 2);
    } while (std::chrono::steady_clock::now() < end);
    return st.cbInQue;
  }

  termios2 PeerSees() {
    termios2 t{};
    EXPECT_EQ(ioctl(FMaster, TCGETS2, &t), 0);
    return t;
  }

  int FMaster = -1;
  std::string FTerminal;
  TSerialHandle FHandle = -1;
};

TEST_F(Serial, NamesMapToDevicePaths) {
  EXPECT_EQ(SerialDevicePath("COM1"), FTerminal);
  EXPECT_EQ(SerialDevicePath("com1"), FTerminal);
  EXPECT_EQ(SerialDevicePath("Com2"), FRoot + "/no-such-device");
  EXPECT_EQ(SerialDevicePath("COM4"), "/dev/ttyS3");
  for (const char* bad : {"COM5", "COM0", "COM", "COM11", "LPT1", ""}) {
    EXPECT_EQ(SerialDevicePath(bad), "") << bad;
  }
}

TEST_F(Serial, OpenIsExclusiveAndAFailureDoesNotLast) {
  EXPECT_TRUE(SerialPortPresent("COM1"));
  EXPECT_FALSE(SerialPortPresent("COM2"));  // missing device
  EXPECT_FALSE(SerialPortPresent("COM3"));  // a directory, not a terminal
  EXPECT_EQ(SerialOpen("COM2"), -1);
  EXPECT_EQ(SerialOpen("COM5"), -1);

  FHandle = SerialOpen("com1");
  ASSERT_GT(FHandle, 0);
  EXPECT_EQ(SerialOpen("COM1"), -1);  // held
  EXPECT_FALSE(SerialPortPresent("COM1"));
  ASSERT_TRUE(SerialClose(FHandle));
  EXPECT_FALSE(SerialClose(FHandle));
  FHandle = SerialOpen("COM1");  // free again
  EXPECT_GT(FHandle, 0);
}

TEST_F(Serial, CallsOnClosedHandlesFail) {
  uint8_t b = 0;
  COMSTAT st;
  uint32_t e = 0;
  EXPECT_FALSE(SerialSetState(42, DCB{}));
  EXPECT_FALSE(SerialStatus(42, &e, &st));
  EXPECT_FALSE(SerialClearError(42, &e, &st));
  EXPECT_FALSE(SerialReadByte(42, &b));
  EXPECT_FALSE(SerialWriteByte(42, b));
  EXPECT_FALSE(SerialPurge(42, PURGE_RXCLEAR));
  EXPECT_FALSE(SerialEscape(42, SETDTR));
}

// A pseudo-terminal keeps any baud rate, the stop bits and the flow control, but always has 8
// data bits without parity; other framings are refused rather than silently changed.
TEST_F(Serial, TheLineSettingsReachTheDevice) {
  FHandle = SerialOpen("COM1");
  ASSERT_GT(FHandle, 0);
  const struct {
    uint32_t baud;
    uint8_t bits, parity, stop;
    bool xon, accepted;
  } cases[] = {
      {9600, 8, NOPARITY, TWOSTOPBITS, false, true},
      {19200, 8, NOPARITY, ONESTOPBIT, true, true},
      {115000, 8, NOPARITY, ONESTOPBIT, false, true},
      {75, 8, NOPARITY, TWOSTOPBITS, true, true},
      {57600, 7, NOPARITY, ONESTOPBIT, false, false},
      {9600, 8, EVENPARITY, ONESTOPBIT, false, false},
      {300, 5, ODDPARITY, ONE5STOPBITS, false, false},
      {0, 8, NOPARITY, ONESTOPBIT, false, false},
      {9600, 9, NOPARITY, ONESTOPBIT, false, false},
      {9600, 8, NOPARITY, ONE5STOPBITS, false, false},  // 1.5 stop bits need 5 data bits
      {9600, 8, 7, ONESTOPBIT, false, false},
      {9600, 8, NOPARITY, 3, false, false},
  };
  for (const auto& c : cases) {
    DCB dcb;
    dcb.BaudRate = c.baud;
    dcb.ByteSize = c.bits;
    dcb.Parity = c.parity;
    dcb.StopBits = c.stop;
    dcb.fOutX = dcb.fInX = c.xon;
    ASSERT_EQ(SerialSetState(FHandle, dcb), c.accepted) << c.baud << " " << int(c.bits);
    if (!c.accepted) continue;
    const termios2 t = PeerSees();
    EXPECT_EQ(t.c_ospeed, c.baud);
    EXPECT_EQ(t.c_cflag & (CSIZE | PARENB), tcflag_t{CS8});
    EXPECT_EQ((t.c_cflag & CSTOPB) != 0, c.stop != ONESTOPBIT) << c.baud;
    EXPECT_EQ((t.c_iflag & IXON) != 0, c.xon);
    EXPECT_EQ((t.c_iflag & IXOFF) != 0, c.xon);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
  }
  DCB d;
  d.fOutxCtsFlow = 1;  // hardware flow control is not offered
  EXPECT_FALSE(SerialSetState(FHandle, d));
}

TEST_F(Serial, BytesTravelBothWays) {
  OpenRaw();
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  for (unsigned char c : all) ASSERT_TRUE(SerialWriteByte(FHandle, c));
  EXPECT_EQ(PeerRead(all.size()), all);  // raw: no translation of CR, LF, XON or XOFF

  const std::string hello = "hello\r\n\x03\x11";
  PeerWrite(hello);
  ASSERT_EQ(WaitInQueue(static_cast<uint32_t>(hello.size())), hello.size());
  std::string got;
  uint8_t b;
  while (SerialReadByte(FHandle, &b)) got += static_cast<char>(b);
  EXPECT_EQ(got, hello);
  uint32_t errors = 1;
  EXPECT_TRUE(SerialClearError(FHandle, &errors, nullptr));
  EXPECT_EQ(errors, 0u);
  EXPECT_FALSE(SerialReadByte(FHandle, &b));  // nothing waiting: returns at once
}

TEST_F(Serial, PurgeEmptiesTheInputQueue) {
  OpenRaw();
  PeerWrite("abc");
  ASSERT_EQ(WaitInQueue(3), 3u);
  EXPECT_TRUE(SerialPurge(FHandle, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR));
  COMSTAT st;
  ASSERT_TRUE(SerialStatus(FHandle, nullptr, &st));
  EXPECT_EQ(st.cbInQue, 0u);
  EXPECT_EQ(st.cbOutQue, 0u);
}

TEST_F(Serial, AWriteHeldByXoffFailsSoonAndResumesAfterXon) {
  FHandle = SerialOpen("COM1");
  ASSERT_GT(FHandle, 0);
  DCB dcb;
  dcb.fOutX = 1;
  ASSERT_TRUE(SerialSetState(FHandle, dcb));
  PeerWrite("\x13");  // XOFF
  // The peer's XOFF takes effect a moment later; until then bytes still go out.
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  bool refused = false;
  while (!refused && std::chrono::steady_clock::now() < end) {
    const auto before = std::chrono::steady_clock::now();
    refused = !SerialWriteByte(FHandle, 'x');
    if (refused) {
      EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(500));
    } else {
      PeerRead(1);
      poll(nullptr, 0, 2);
    }
  }
  ASSERT_TRUE(refused);
  EXPECT_EQ(PeerRead(1, 50), "");  // held
  uint32_t errors = 0;
  ASSERT_TRUE(SerialStatus(FHandle, &errors, nullptr));
  EXPECT_TRUE(errors & CE_TXFULL);
  // A second look still shows the flag: only SerialClearError takes it away.
  ASSERT_TRUE(SerialStatus(FHandle, &errors, nullptr));
  EXPECT_TRUE(errors & CE_TXFULL);
  ASSERT_TRUE(SerialClearError(FHandle, &errors, nullptr));
  EXPECT_TRUE(errors & CE_TXFULL);
  ASSERT_TRUE(SerialStatus(FHandle, &errors, nullptr));
  EXPECT_EQ(errors, 0u);

  PeerWrite("\x11");  // XON
  bool sent = false;
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  while (!sent && std::chrono::steady_clock::now() < until) sent = SerialWriteByte(FHandle, 'z');
  EXPECT_TRUE(sent);
  std::string after;
  while (after.find('z') == std::string::npos) {
    const std::string more = PeerRead(1);
    if (more.empty()) break;
    after += more;
  }
  EXPECT_NE(after.find('z'), std::string::npos);
}

TEST_F(Serial, AVanishedPeerIsAnErrorNotAHang) {
  OpenRaw();
  close(FMaster);
  FMaster = -1;
  uint8_t b;
  EXPECT_FALSE(SerialReadByte(FHandle, &b));
  EXPECT_FALSE(SerialWriteByte(FHandle, 'x'));
  uint32_t errors = 0;
  COMSTAT st;
  ASSERT_TRUE(SerialClearError(FHandle, &errors, &st));
  EXPECT_TRUE(errors & CE_IOE);
  EXPECT_EQ(st.cbInQue, 0u);
  ASSERT_TRUE(SerialClearError(FHandle, &errors, &st));
  EXPECT_TRUE(errors & CE_IOE);  // the condition lasts
}

// Pseudo-terminals have no modem lines: DTR and RTS cannot be seen by the peer, and the calls
// say so instead of pretending. Opening and configuring still work.
TEST_F(Serial, ModemLinesOnAPseudoTerminalAreReportedAsUnavailable) {
  OpenRaw();
  for (uint32_t f : {SETDTR, CLRDTR, SETRTS, CLRRTS}) EXPECT_FALSE(SerialEscape(FHandle, f)) << f;
  EXPECT_FALSE(SerialEscape(FHandle, 1));
  int lines = 0;
  EXPECT_NE(ioctl(FMaster, TIOCMGET, &lines), 0);
  DCB dcb;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  EXPECT_TRUE(SerialSetState(FHandle, dcb));
}

}  // namespace
