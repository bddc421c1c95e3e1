#pragma once
// TComPort: the serial ports COM1..COM4 by name (any case): probing, opening with a per-port line
// configuration, single-byte sending and receiving, DTR and RTS, the error state, the port
// configuration dialog, and a 50 ms poll that reports waiting bytes through one event per port.
// Everything runs on the GUI thread; no call waits more than a few milliseconds.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/devices/serial.h"
#include "platform/forms/component.h"

// Bytes are waiting on the port: RxCount of them.
using TComRxEvent = std::function<void(TObject* Sender, int RxCount)>;

class TComPort : public TComponent {
 public:
  // Status values of the port table.
  static constexpr int32_t kNotProbed = -1000;
  static constexpr int32_t kMissing = -5000;

  // Probes the ports and starts the receive poll.
  explicit TComPort(TComponent* AOwner);
  // Stops the poll and closes every port still open.
  ~TComPort() override;

  // 1..4 for COM1..COM4 (any case), else 0 (a port that is never open).
  int PortIndex(const std::string& Name) const;
  // Tries to open every port that is not open: one that cannot be opened counts as missing.
  void ProbePorts();
  // The port was found by probing (open or closed).
  bool PortAvailable(const std::string& Name) const;
  // True when the port was closed and is open now with its line configuration applied. A port
  // that is missing or open already gives False. A port held elsewhere gives False and can be
  // opened later. When the configuration is refused the result is False but the port stays open.
  bool OpenPort(const std::string& Name);
  void ClosePort(const std::string& Name);
  // True only when the byte was written and no new error came up meanwhile. A byte held back by
  // flow control for more than a few milliseconds is not sent (False, CE_TXFULL).
  bool SendChar(const std::string& Name, char Ch);
  // Takes one waiting byte; False when none is waiting.
  bool ReadChar(const std::string& Name, char& Ch);
  // The bytes waiting to be read; 0 for a port that is not open.
  int RxCount(const std::string& Name);
  // The error bits (CE_*) gathered since the last call, which clears them; the status record is
  // filled when given. Other calls never clear them. -1 for a port that is not open.
  int PortError(const std::string& Name, COMSTAT* StatusRecord = nullptr);
  // Raises or lowers the line; False for a port that is not open or has no such line.
  bool SetPortDTR(const std::string& Name, bool On);
  bool SetPortRTS(const std::string& Name, bool On);

  // The port's status: kNotProbed, kMissing, 0 closed, > 0 open (its handle).
  int32_t PortStatus(int Index) const;
  // The line configuration applied at the next open (index 1..4).
  const DCB& PortDCB(int Index) const;

  // 75..115000; other values are ignored. Takes effect at the next open.
  int BaudRate1() const { return BaudRate(1); }
  int BaudRate2() const { return BaudRate(2); }
  int BaudRate3() const { return BaudRate(3); }
  int BaudRate4() const { return BaudRate(4); }
  void SetBaudRate1(int Value) { SetBaudRate(1, Value); }
  void SetBaudRate2(int Value) { SetBaudRate(2, Value); }
  void SetBaudRate3(int Value) { SetBaudRate(3, Value); }
  void SetBaudRate4(int Value) { SetBaudRate(4, Value); }
  // Software handshake in both directions; takes effect at the next open.
  bool XOnOff1() const { return XOnOff(1); }
  bool XOnOff2() const { return XOnOff(2); }
  bool XOnOff3() const { return XOnOff(3); }
  bool XOnOff4() const { return XOnOff(4); }
  void SetXOnOff1(bool Value) { SetXOnOff(1, Value); }
  void SetXOnOff2(bool Value) { SetXOnOff(2, Value); }
  void SetXOnOff3(bool Value) { SetXOnOff(3, Value); }
  void SetXOnOff4(bool Value) { SetXOnOff(4, Value); }
  // Queue size, 255..16000; sets the handshake limits of all four ports to 80 % and 90 % of it.
  int BufferLen() const { return FBufferLen; }
  void SetBufferLen(int Value);

  // Writing any value recomputes the flag from the port table.
  bool COM1Avail() const { return FAvail[1]; }
  bool COM2Avail() const { return FAvail[2]; }
  bool COM3Avail() const { return FAvail[3]; }
  bool COM4Avail() const { return FAvail[4]; }
  void SetCOM1Avail(bool) { RecomputeFlags(); }
  void SetCOM2Avail(bool) { RecomputeFlags(); }
  void SetCOM3Avail(bool) { RecomputeFlags(); }
  void SetCOM4Avail(bool) { RecomputeFlags(); }
  bool COM1InUse() const { return FInUse[1]; }
  bool COM2InUse() const { return FInUse[2]; }
  bool COM3InUse() const { return FInUse[3]; }
  bool COM4InUse() const { return FInUse[4]; }
  void SetCOM1InUse(bool) { RecomputeFlags(); }
  void SetCOM2InUse(bool) { RecomputeFlags(); }
  void SetCOM3InUse(bool) { RecomputeFlags(); }
  void SetCOM4InUse(bool) { RecomputeFlags(); }

  // Writing True shows the port's configuration dialog (for a port found by probing); the
  // settings chosen apply at the next open. Reads True only while the dialog is open.
  bool Com1Dialog() const { return FDialog[1]; }
  bool Com2Dialog() const { return FDialog[2]; }
  bool Com3Dialog() const { return FDialog[3]; }
  bool Com4Dialog() const { return FDialog[4]; }
  void SetCom1Dialog(bool Value) { SetComDialog(1, Value); }
  void SetCom2Dialog(bool Value) { SetComDialog(2, Value); }
  void SetCom3Dialog(bool Value) { SetComDialog(3, Value); }
  void SetCom4Dialog(bool Value) { SetComDialog(4, Value); }

  // Receive polling of each port on (the default) or off.
  bool Event1Ena = true;
  bool Event2Ena = true;
  bool Event3Ena = true;
  bool Event4Ena = true;

  // Fired by the poll while bytes wait on an open port; the handler is expected to read them.
  TComRxEvent OnCom1Rx;
  TComRxEvent OnCom2Rx;
  TComRxEvent OnCom3Rx;
  TComRxEvent OnCom4Rx;

 private:
  int BaudRate(int Index) const { return static_cast<int>(FDCB[Index].BaudRate); }
  void SetBaudRate(int Index, int Value);
  bool XOnOff(int Index) const { return FDCB[Index].fOutX || FDCB[Index].fInX; }
  void SetXOnOff(int Index, bool Value);
  void SetComDialog(int Index, bool Value);
  void RecomputeFlags();
  void PollTick();
  // The open port's handle, or 0.
  TSerialHandle OpenHandle(const std::string& Name) const;

  int32_t FTimerId = -1;
  int FBufferLen = 1000;
  bool FAvail[5] = {};
  bool FInUse[5] = {};
  bool FDialog[5] = {};
  int32_t FStatus[5] = {kNotProbed, kNotProbed, kNotProbed, kNotProbed, kNotProbed};
  DCB FDCB[5];
};
