#pragma once
// The serial-port demo: baud rate and software handshake of COM1..COM4, the port dialog of each,
// one port chosen as transmit channel (channel 1) and one as receive channel (channel 2), the
// characters typed into a channel's transmit field sent through its port, and what arrives,
// the line status and the errors shown per channel.
//
// The channel labels are the form's state: each names the port its channel holds ("COM1".."COM4")
// or "Off". The ports are held only while the form is active: a dialog in front of it (the port
// dialog, the help form) finds them free.

#include <array>
#include <string>
#include <vector>

#include "library/controls/comports/comport.h"
#include "library/controls/orvanemisc/fifo.h"
#include "library/controls/tasten/ledcheck.h"
#include "platform/forms/stdctrls/mask.h"
#include "programs/demo/demoform.h"

// The items of a channel's error list after a send: PortError's result and status record.
std::vector<std::string> SendStateItems(int Errors, const COMSTAT& Stat);
// The items of a channel's status list after a receive.
std::vector<std::string> LineStatusItems(const COMSTAT& Stat);

class TComPortDemo : public TDemoForm {
 public:
  explicit TComPortDemo(TComponent* AOwner);
  ~TComPortDemo() override;

  // The most bytes one receive event takes from its port; the rest wait for the next poll, so
  // a fast sender cannot hold the form.
  static constexpr int kMaxRxPerEvent = 64;

  TComPort* ComPort;
  // Index 1..4 for COM1..COM4 (index 0 unused).
  std::array<TMaskEdit*, 5> BaudEdit{};
  std::array<TCheckBox*, 5> XOnOff{};
  std::array<TLedCheck*, 5> ComDlg{};
  std::array<TLedCheck*, 5> XmitP{};
  std::array<TLedCheck*, 5> RcvP{};
  TLedCheck* XmitOff;
  TLedCheck* RcvOff;
  TGroupBox* GroupBox1;
  TGroupBox* ModeBox;
  TGroupBox* GroupBox5;
  TGroupBox* GroupBox6;
  TGroupBox* GroupBox4;
  // Channel 1 and 2 by index 1 and 2 (index 0 unused).
  std::array<TGroupBox*, 3> ChanBox{};
  std::array<TLabel*, 3> Chan{};
  std::array<TFiFo*, 3> TxEdit{};
  std::array<TFiFo*, 3> RxEdit{};
  std::array<TListBox*, 3> ErrBox{};
  std::array<TListBox*, 3> ChanStat{};
  TCheckBox* SetRTS;
  TCheckBox* SetDTR;
  TBitBtn* HelpBtn;
  TButton* BitBtn1;

  // Refreshes the inputs from the component: rates, handshake, and which ports can be chosen.
  void CheckAll();

 private:
  void FormActivate();
  void CloseChannels();
  void BaudEditExit(int Port);
  void XOnOffClick(int Port);
  void ComDlgClick(int Port);
  void PortChosen(int Channel, int Port);
  void OffChosen(int Channel);
  void TxEditChange(int Channel);
  void ComRx(int Port);
  void ChannelRx(int Channel);
  void HelpBtnClick();

  // The port the channel names; "Off" for none.
  std::string ChannelPort(int Channel) const;
  // Opens the channel's port unless it holds it already, then applies the modem lines of
  // channel 1. A port that cannot be opened beeps and leaves the channel off.
  void OpenChannel(int Channel);
  // After a change of port Port's settings: a channel holding it open takes them at once.
  void ReopenHolders(int Port);
};
