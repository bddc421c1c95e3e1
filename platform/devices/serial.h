#pragma once
// Serial ports COM1..COM4 on POSIX terminals, with the Windows communication functions' model:
// a line configuration (DCB), a status record (COMSTAT), communication error bits (CE_*), purge
// masks and the extended functions for DTR and RTS.
//
// Port names map to device paths through the settings file (section [Serial], keys COM1..COM4,
// defaults /dev/ttyS0../dev/ttyS3); names match without regard to case. Everything is
// non-blocking and meant for the GUI thread: reads return at once, a write waits a few
// milliseconds at most, and no call ever retries without end.

#include <cstdint>
#include <string>

// Line configuration: the fields of the Windows device-control block.
struct DCB {
  uint32_t DCBlength = 28;
  uint32_t BaudRate = 9600;
  uint32_t fBinary : 1 = 1;
  uint32_t fParity : 1 = 0;            // check parity of received bytes
  uint32_t fOutxCtsFlow : 1 = 0;       // not supported: SerialSetState fails when set
  uint32_t fOutxDsrFlow : 1 = 0;       // not supported: SerialSetState fails when set
  uint32_t fDtrControl : 2 = 0;        // DTR_CONTROL_DISABLE or _ENABLE
  uint32_t fDsrSensitivity : 1 = 0;    // ignored
  uint32_t fTXContinueOnXoff : 1 = 0;  // ignored
  uint32_t fOutX : 1 = 0;              // XON/XOFF on output: the peer's XOFF stops our sending
  uint32_t fInX : 1 = 0;               // XON/XOFF on input: we send XOFF when our queue fills
  uint32_t fErrorChar : 1 = 0;         // ignored
  uint32_t fNull : 1 = 0;              // ignored
  uint32_t fRtsControl : 2 = 0;        // RTS_CONTROL_DISABLE or _ENABLE
  uint32_t fAbortOnError : 1 = 0;      // ignored
  uint32_t fDummy2 : 17 = 0;
  uint16_t wReserved = 0;
  uint16_t XonLim = 700;   // ignored: the kernel keeps its own thresholds
  uint16_t XoffLim = 800;  // ignored
  uint8_t ByteSize = 8;    // 5..8
  uint8_t Parity = 0;      // NOPARITY .. SPACEPARITY
  uint8_t StopBits = 2;    // ONESTOPBIT, ONE5STOPBITS (5 data bits only), TWOSTOPBITS
  char XonChar = 0x11;
  char XoffChar = 0x13;
  char ErrorChar = 0;   // ignored
  char EofChar = 0x1A;  // ignored
  char EvtChar = 0x1B;  // ignored
  uint16_t wReserved1 = 0;
};

constexpr uint32_t DTR_CONTROL_DISABLE = 0, DTR_CONTROL_ENABLE = 1;
constexpr uint32_t RTS_CONTROL_DISABLE = 0, RTS_CONTROL_ENABLE = 1;
constexpr uint8_t NOPARITY = 0, ODDPARITY = 1, EVENPARITY = 2, MARKPARITY = 3, SPACEPARITY = 4;
constexpr uint8_t ONESTOPBIT = 0, ONE5STOPBITS = 1, TWOSTOPBITS = 2;

// Status record. Flags holds the COMSTAT_* hold bits; Linux reports none of them, so it is 0.
struct COMSTAT {
  uint32_t Flags = 0;
  uint32_t cbInQue = 0;   // bytes waiting to be read
  uint32_t cbOutQue = 0;  // bytes not yet sent
};

constexpr uint32_t COMSTAT_fCtsHold = 0x01, COMSTAT_fDsrHold = 0x02, COMSTAT_fRlsdHold = 0x04,
                   COMSTAT_fXoffHold = 0x08, COMSTAT_fXoffSent = 0x10, COMSTAT_fEof = 0x20,
                   COMSTAT_fTxim = 0x40;

// Communication error bits. Reported here: CE_RXOVER, CE_OVERRUN, CE_RXPARITY, CE_FRAME, CE_BREAK
// (from the driver's counters, where it keeps them), CE_TXFULL (a byte could not be queued for
// sending, e.g. while the peer holds XOFF) and CE_IOE (the device failed or the peer hung up).
constexpr uint32_t CE_RXOVER = 0x1, CE_OVERRUN = 0x2, CE_RXPARITY = 0x4, CE_FRAME = 0x8,
                   CE_BREAK = 0x10, CE_TXFULL = 0x100, CE_PTO = 0x200, CE_IOE = 0x400,
                   CE_DNS = 0x800, CE_OOP = 0x1000, CE_MODE = 0x8000;

constexpr uint32_t PURGE_TXABORT = 0x1, PURGE_RXABORT = 0x2, PURGE_TXCLEAR = 0x4,
                   PURGE_RXCLEAR = 0x8;

// Extended functions for SerialEscape.
constexpr uint32_t SETRTS = 3, CLRRTS = 4, SETDTR = 5, CLRDTR = 6;

// An open port; always > 0. Failures are -1.
using TSerialHandle = int32_t;

// The device path of "COM1".."COM4" (any case); empty for any other name.
std::string SerialDevicePath(const std::string& PortName);

// Opens the port for reading and writing, exclusively (no other process or handle can open it
// while it is held), existing devices only, without becoming the controlling terminal. DTR and
// RTS are lowered at once. -1 when the name is unknown, the device is missing, not a terminal,
// not accessible (permissions) or held elsewhere. A failure has no lasting effect: a later call
// can succeed.
TSerialHandle SerialOpen(const std::string& PortName);

// True when the port exists and can be opened now (it is opened and closed again).
bool SerialPortPresent(const std::string& PortName);

// Closes the port and releases it. False for a handle that is not open.
bool SerialClose(TSerialHandle H);

// Applies the line configuration in raw mode (any baud rate the driver accepts, within 3 %).
// DTR and RTS follow fDtrControl and fRtsControl; a device without modem lines (a
// pseudo-terminal) ignores that part. False when a field has a value that cannot be honoured or
// the driver refuses it; the port then keeps its previous configuration where the driver allows.
bool SerialSetState(TSerialHandle H, const DCB& Dcb);

// Empties the input queue (PURGE_RXABORT/PURGE_RXCLEAR) and/or the output queue (PURGE_TX...).
bool SerialPurge(TSerialHandle H, uint32_t Flags);

// The error bits gathered since the last SerialClearError and the queue counts, without clearing
// anything. Either pointer may be null. False only for a handle that is not open.
bool SerialStatus(TSerialHandle H, uint32_t* Errors, COMSTAT* Stat);

// As SerialStatus, then clears the gathered error bits. A lasting condition (a peer that hung up)
// is reported again by the next query.
bool SerialClearError(TSerialHandle H, uint32_t* Errors, COMSTAT* Stat);

// Takes one received byte. False when none is waiting (never waits) or the port failed.
bool SerialReadByte(TSerialHandle H, uint8_t* Byte);

// Queues one byte for sending. True only when the byte was taken; when the output queue stays
// full for a few milliseconds (flow control holding it) the result is False and CE_TXFULL is set.
bool SerialWriteByte(TSerialHandle H, uint8_t Byte);

// SETDTR, CLRDTR, SETRTS or CLRRTS. False for other functions and for devices without modem
// lines (pseudo-terminals have none).
bool SerialEscape(TSerialHandle H, uint32_t Function);
