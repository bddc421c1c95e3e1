#include "library/controls/comports/comport.h"

#include "library/controls/comports/commconfig.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "platform/base/strings.h"
#include "platform/forms/forms.h"

namespace {

const char* const kPortNames[5] = {"", "COM1", "Com2", "COM3", "COM4"};

constexpr uint32_t kPurgeAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;

bool ValidIndex(int Index) { return Index >= 1 && Index <= 4; }

}  // namespace

TComPort::TComPort(TComponent* AOwner) : TComponent(AOwner) {
  // The DCBs start as 9600 baud, 8 data bits, no parity, 2 stop bits, binary, no handshake.
  ProbePorts();
  FTimerId = TimerRegister([this](TObject*) { PollTick(); });
  TimerSetInterval(FTimerId, 50);
}

TComPort::~TComPort() {
  TimerRemove(FTimerId);
  for (int i = 1; i <= 4; ++i) {
    if (FStatus[i] > 0) SerialClose(FStatus[i]);
  }
}

int TComPort::PortIndex(const std::string& Name) const {
  for (int i = 1; i <= 4; ++i) {
    if (SameText(Name, kPortNames[i])) return i;
  }
  return 0;
}

int32_t TComPort::PortStatus(int Index) const {
  return Index >= 0 && Index <= 4 ? FStatus[Index] : kNotProbed;
}

const DCB& TComPort::PortDCB(int Index) const { return FDCB[ValidIndex(Index) ? Index : 0]; }

void TComPort::ProbePorts() {
  for (int i = 1; i <= 4; ++i) {
    if (FStatus[i] <= 0) FStatus[i] = SerialPortPresent(kPortNames[i]) ? 0 : kMissing;
  }
  RecomputeFlags();
}

void TComPort::RecomputeFlags() {
  for (int i = 1; i <= 4; ++i) {
    FAvail[i] = FStatus[i] >= 0;
    FInUse[i] = FStatus[i] > 0;
  }
}

bool TComPort::PortAvailable(const std::string& Name) const {
  const int i = PortIndex(Name);
  return i != 0 && FStatus[i] >= 0;
}

TSerialHandle TComPort::OpenHandle(const std::string& Name) const {
  const int i = PortIndex(Name);
  return i != 0 && FStatus[i] > 0 ? FStatus[i] : 0;
}

bool TComPort::OpenPort(const std::string& Name) {
  const int i = PortIndex(Name);
  if (i == 0 || FStatus[i] != 0) return false;
  const TSerialHandle h = SerialOpen(kPortNames[i]);
  // A port held elsewhere stays closed and available: it can be opened once it is free.
  if (h <= 0) return false;
  FStatus[i] = h;
  RecomputeFlags();
  if (!SerialSetState(h, FDCB[i])) return false;
  SerialPurge(h, kPurgeAll);
  SerialClearError(h, nullptr, nullptr);
  return true;
}

void TComPort::ClosePort(const std::string& Name) {
  const int i = PortIndex(Name);
  if (i != 0 && FStatus[i] > 0) {
    SerialClose(FStatus[i]);
    FStatus[i] = 0;
  }
  RecomputeFlags();
}

bool TComPort::SendChar(const std::string& Name, char Ch) {
  const TSerialHandle h = OpenHandle(Name);
  if (h == 0) return false;
  uint32_t before = 0, after = 0;
  if (!SerialStatus(h, &before, nullptr)) return false;
  const bool written = SerialWriteByte(h, static_cast<uint8_t>(Ch));
  if (!SerialStatus(h, &after, nullptr)) return false;
  return written && (after & ~before) == 0;
}

bool TComPort::ReadChar(const std::string& Name, char& Ch) {
  const TSerialHandle h = OpenHandle(Name);
  if (h == 0 || RxCount(Name) <= 0) return false;
  uint8_t byte;
  if (!SerialReadByte(h, &byte)) return false;
  Ch = static_cast<char>(byte);
  return true;
}

int TComPort::RxCount(const std::string& Name) {
  const TSerialHandle h = OpenHandle(Name);
  COMSTAT stat;
  if (h == 0 || !SerialStatus(h, nullptr, &stat)) return 0;
  return static_cast<int>(stat.cbInQue);
}

int TComPort::PortError(const std::string& Name, COMSTAT* StatusRecord) {
  const TSerialHandle h = OpenHandle(Name);
  uint32_t errors = 0;
  if (h == 0 || !SerialClearError(h, &errors, StatusRecord)) return -1;
  return static_cast<int>(errors);
}

bool TComPort::SetPortDTR(const std::string& Name, bool On) {
  const TSerialHandle h = OpenHandle(Name);
  return h != 0 && SerialEscape(h, On ? SETDTR : CLRDTR);
}

bool TComPort::SetPortRTS(const std::string& Name, bool On) {
  const TSerialHandle h = OpenHandle(Name);
  return h != 0 && SerialEscape(h, On ? SETRTS : CLRRTS);
}

void TComPort::SetBaudRate(int Index, int Value) {
  if (!BaudRateTaken(Value)) return;
  FDCB[Index].BaudRate = static_cast<uint32_t>(Value);
}

void TComPort::SetXOnOff(int Index, bool Value) {
  FDCB[Index].fOutX = Value;
  FDCB[Index].fInX = Value;
}

void TComPort::SetBufferLen(int Value) {
  if (Value < 255) Value = 255;
  if (Value > 16000) Value = 16000;
  if (!StoreChanged(FBufferLen, Value)) return;
  for (int i = 1; i <= 4; ++i) {
    FDCB[i].XonLim = static_cast<uint16_t>(Value * 8 / 10);
    FDCB[i].XoffLim = static_cast<uint16_t>(Value * 9 / 10);
  }
}

void TComPort::SetComDialog(int Index, bool Value) {
  if (!Value || FStatus[Index] < 0) return;
  DCB dcb = FDCB[Index];
  HWND parent = 0;
  if (auto* control = dynamic_cast<TWinControl*>(Owner())) parent = control->Handle();
  FDialog[Index] = true;
  CommConfigDialog(kPortNames[Index], parent, dcb);
  FDialog[Index] = false;
  FDCB[Index] = dcb;
}

void TComPort::PollTick() {
  const TComRxEvent* events[5] = {nullptr, &OnCom1Rx, &OnCom2Rx, &OnCom3Rx, &OnCom4Rx};
  const bool enabled[5] = {false, Event1Ena, Event2Ena, Event3Ena, Event4Ena};
  for (int i = 1; i <= 4; ++i) {
    if (!*events[i] || !FInUse[i] || !enabled[i]) continue;
    const int count = RxCount(kPortNames[i]);
    if (count > 0) (*events[i])(this, count);
  }
}
