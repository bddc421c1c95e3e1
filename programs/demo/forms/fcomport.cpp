#include "programs/demo/forms/fcomport.h"

#include <memory>

#include "platform/base/strings.h"
#include "platform/base/sysutils.h"
#include "platform/forms/dialoghook.h"
#include "programs/demo/forms/fcomhelp.h"

namespace {

constexpr const char* kOff = "Off";
const char* const kPortNames[5] = {"", "COM1", "COM2", "COM3", "COM4"};
constexpr TColor kAvailableCaption = 0x008000;
constexpr TColor kAvailableLed = 0x00FF00;
// The rates the form takes; the component itself goes up to 115000.
constexpr int kMinBaud = 75;
constexpr int kMaxBaud = 65000;
constexpr int kListItemHeight = 11;

constexpr const char* kPortHint =
    "Komponenten Status|Die Komponente enthaelt einen Dialog zur Auswahl und Einstellung der "
    "vorhandenen Schnittstellen";

TGroupBox* AddGroup(TFormLoader& Loader, const std::string& Name, const char* Caption, int Left,
                    int Top, int Width, int Height, TWinControl* Parent = nullptr) {
  auto* group = Loader.Add<TGroupBox>(Name, Parent);
  group->SetBounds(Left, Top, Width, Height);
  group->SetCaption(Caption);
  return group;
}

TLedCheck* AddLed(TFormLoader& Loader, const std::string& Name, const std::string& Caption,
                  TCheckMode Mode, int Group, TWinControl* Parent, int Left, int Top, int Width,
                  int Height) {
  auto* led = Loader.Add<TLedCheck>(Name, Parent);
  led->SetBounds(Left, Top, Width, Height);
  led->SetCaption(Caption);
  led->SetCheckMode(Mode);
  led->SetGroupIndex(Group);
  led->SetLedSize(6);
  led->SetLedCol(clRed);
  return led;
}

// An owner-drawn list whose items the list box draws itself, in a font that fits its rows.
TListBox* AddList(TFormLoader& Loader, const std::string& Name, TWinControl* Parent, int Left,
                  int Top, int Width, int Height, const char* Hint, const char* Items) {
  auto* list = Loader.Add<TListBox>(Name, Parent);
  list->SetBounds(Left, Top, Width, Height);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(kListItemHeight);
  list->Font()->SetName("Arial");
  list->Font()->SetHeight(-9);
  list->SetHint(Hint);
  list->Items()->SetText(Items);
  return list;
}

void FillList(TListBox* List, const std::vector<std::string>& Items) {
  List->Items()->Clear();
  for (const std::string& item : Items) List->Items()->Add(item);
}

}  // namespace

std::vector<std::string> SendStateItems(int Errors, const COMSTAT& Stat) {
  if (Errors == -1) return {"Error", "not open"};
  if (Errors != 0) {
    static constexpr struct {
      uint32_t Bit;
      const char* Text;
    } kErrorBits[] = {{CE_BREAK, "BREAK"},     {CE_DNS, "SELECT"},   {CE_FRAME, "FRAME"},
                      {CE_IOE, "LPT"},         {CE_MODE, "MODE"},    {CE_OOP, "PAPER"},
                      {CE_OVERRUN, "OVER"},    {CE_PTO, "TIME"},     {CE_RXOVER, "RXOVER"},
                      {CE_RXPARITY, "PARITY"}, {CE_TXFULL, "TXFULL"}};
    std::vector<std::string> items{"Error"};
    for (const auto& e : kErrorBits) {
      if (static_cast<uint32_t>(Errors) & e.Bit) items.push_back(e.Text);
    }
    return items;
  }
  static constexpr struct {
    uint32_t Flag;
    const char* Text;
  } kFlags[] = {{COMSTAT_fCtsHold, "CtsHold"},   {COMSTAT_fDsrHold, "DsrHold"},
                {COMSTAT_fRlsdHold, "RlsdHold"}, {COMSTAT_fXoffHold, "XoffHold"},
                {COMSTAT_fXoffSent, "XoffSent"}, {COMSTAT_fEof, "Eof"},
                {COMSTAT_fTxim, "Txim"}};
  std::vector<std::string> items;
  for (const auto& f : kFlags) {
    if (Stat.Flags & f.Flag) items.push_back(f.Text);
  }
  if (items.empty()) items.push_back("Ok");
  return items;
}

std::vector<std::string> LineStatusItems(const COMSTAT& Stat) {
  return {"Status", "Rx: " + IntToStr(static_cast<int32_t>(Stat.cbInQue)),
          "Tx: " + IntToStr(static_cast<int32_t>(Stat.cbOutQue)),
          Stat.Flags & COMSTAT_fXoffHold ? "XOFFHOLD" : "no XOFFHOLD",
          Stat.Flags & COMSTAT_fXoffSent ? "XOFFSENT" : "no XOFFSENT"};
}

TComPortDemo::TComPortDemo(TComponent* AOwner) : TDemoForm(AOwner, "TComPortDemo") {
  SetShowHint(true);
  TFormLoader loader(this);

  GroupBox1 = AddGroup(loader, "GroupBox1", "BaudRate     XOnOff", 4, 4, 136, 138);
  ModeBox = AddGroup(loader, "ModeBox", "Dialog", 144, 4, 70, 138);
  GroupBox5 = AddGroup(loader, "GroupBox5", "XMIT Port", 218, 4, 75, 138);
  GroupBox6 = AddGroup(loader, "GroupBox6", "RCV Port", 297, 4, 75, 138);
  for (TGroupBox* group : {ModeBox, GroupBox5, GroupBox6}) group->SetHint(kPortHint);
  for (int n = 1; n <= 4; ++n) {
    const std::string number = std::to_string(n);
    const int row = 20 + (n - 1) * 29;
    BaudEdit[n] = loader.Add<TMaskEdit>("BaudEdit" + number, GroupBox1);
    BaudEdit[n]->SetBounds(8, row, 62, 24);
    // Five digits, each optional, so that rates below 10000 can be entered.
    BaudEdit[n]->SetEditMask(n == 4 ? "!99999;0;_" : "!99999;1;_");
    BaudEdit[n]->OnExit = [this, n](TObject*) { BaudEditExit(n); };
    XOnOff[n] = loader.Add<TCheckBox>("XOnOff" + number, GroupBox1);
    XOnOff[n]->SetBounds(76, row + 1, 56, 22);
    XOnOff[n]->SetCaption("Com" + number);
    XOnOff[n]->OnClick = [this, n](TObject*) { XOnOffClick(n); };

    const std::string caption = "COM " + number;
    ComDlg[n] =
        AddLed(loader, "Com" + number + "Dlg", caption, lcButton, 0, ModeBox, 5, row - 1, 60, 26);
    ComDlg[n]->SetEnabled(false);
    ComDlg[n]->OnClick = [this, n](TObject*) { ComDlgClick(n); };
    const int radio_row = 18 + (n - 1) * 23;
    XmitP[n] =
        AddLed(loader, "XmitP" + number, caption, lcRadioBtn, 5, GroupBox5, 5, radio_row, 66, 22);
    RcvP[n] =
        AddLed(loader, "RcvP" + number, caption, lcRadioBtn, 6, GroupBox6, 5, radio_row, 66, 22);
    for (TLedCheck* choice : {XmitP[n], RcvP[n]}) choice->SetEnabled(false);
    XmitP[n]->OnClick = [this, n](TObject*) { PortChosen(1, n); };
    RcvP[n]->OnClick = [this, n](TObject*) { PortChosen(2, n); };
  }
  XmitOff = AddLed(loader, "XmitOff", "off", lcRadioBtn, 5, GroupBox5, 5, 110, 66, 22);
  RcvOff = AddLed(loader, "RcvOff", "off", lcRadioBtn, 6, GroupBox6, 5, 110, 66, 22);
  XmitOff->SetChecked(true);
  RcvOff->SetChecked(true);
  XmitOff->OnClick = [this](TObject*) { OffChosen(1); };
  RcvOff->OnClick = [this](TObject*) { OffChosen(2); };

  ChanBox[1] = AddGroup(loader, "GroupBox2", "Transmit", 4, 146, 182, 204);
  ChanBox[2] = AddGroup(loader, "GroupBox3", "Receive", 190, 146, 182, 204);
  for (int ch = 1; ch <= 2; ++ch) {
    const std::string number = std::to_string(ch);
    TGroupBox* box = ChanBox[ch];
    Chan[ch] = loader.Add<TLabel>("Chan" + number, box);
    Chan[ch]->SetBounds(8, 18, 80, 16);
    Chan[ch]->SetCaption(kOff);
    TxEdit[ch] = loader.Add<TFiFo>("TxEdit" + number, box);
    TxEdit[ch]->SetBounds(8, 36, 166, 28);
    TxEdit[ch]->SetColTxtBack(clRed);
    TxEdit[ch]->SetHint(
        "Tx Eingabe|Tastatur Eingaben werden vom gewaehlten Port Kanal1 nach gewaehltem Port "
        "Kanal2 gesendet. Aktivieren mit Mausclick.");
    TxEdit[ch]->OnChange = [this, ch](TObject*) { TxEditChange(ch); };
    RxEdit[ch] = loader.Add<TFiFo>("RxEdit" + number, box);
    RxEdit[ch]->SetBounds(8, 68, 166, 28);
    RxEdit[ch]->SetReadOnly(true);
    RxEdit[ch]->SetColTxtBack(clLime);
    RxEdit[ch]->SetHint("Rx Empfang|Empfang der gesendeten Zeichen");
    ErrBox[ch] = AddList(loader, "ErrBox" + number, box, 8, 100, 80, 98,
                         "Sende-Fehler|Naehere Informationen im Source-File FComLpt", "Errors\nOk");
    ChanStat[ch] = AddList(loader, "Chan" + number + "Stat", box, 94, 100, 80, 98,
                           "Rx und Tx\rStatus|Die Komponente enthaelt einen Dialog zur Auswahl "
                           "und Einstellung der vorhandenen Schnittstellen",
                           "Status");
  }

  GroupBox4 = AddGroup(loader, "GroupBox4", "Chan 1", 4, 352, 182, 42);
  SetRTS = loader.Add<TCheckBox>("SetRTS", GroupBox4);
  SetRTS->SetBounds(8, 16, 80, 20);
  SetRTS->SetCaption("SetRTS");
  SetRTS->OnClick = [this](TObject*) { ComPort->SetPortRTS(ChannelPort(1), SetRTS->Checked()); };
  SetDTR = loader.Add<TCheckBox>("SetDTR", GroupBox4);
  SetDTR->SetBounds(94, 16, 80, 20);
  SetDTR->SetCaption("SetDTR");
  SetDTR->OnClick = [this](TObject*) { ComPort->SetPortDTR(ChannelPort(1), SetDTR->Checked()); };

  HelpBtn = loader.Add<TBitBtn>("HelpBtn");
  HelpBtn->SetBounds(196, 360, 80, 30);
  HelpBtn->SetCaption("Info");
  HelpBtn->SetKind(bkHelp);
  HelpBtn->SetHint("Hilfe");
  HelpBtn->OnClick = [this](TObject*) { HelpBtnClick(); };
  BitBtn1 = AddCloser(loader, 288, 360, 80, 30);

  ComPort = loader.AddComponent<TComPort>("ComPort");
  ComPort->SetBufferLen(1000);
  ComPort->OnCom1Rx = [this](TObject*, int) { ComRx(1); };
  ComPort->OnCom2Rx = [this](TObject*, int) { ComRx(2); };
  ComPort->OnCom3Rx = [this](TObject*, int) { ComRx(3); };
  ComPort->OnCom4Rx = [this](TObject*, int) { ComRx(4); };

  OnShow = [this](TObject*) { CheckAll(); };
  OnActivate = [this](TObject*) { FormActivate(); };
  OnDeactivate = [this](TObject*) { CloseChannels(); };
  OnClose = [this](TObject*, TCloseAction&) { CloseChannels(); };
  loader.Finish();
}

TComPortDemo::~TComPortDemo() = default;

std::string TComPortDemo::ChannelPort(int Channel) const { return Chan[Channel]->Caption(); }

void TComPortDemo::CheckAll() {
  const bool avail[5] = {false, ComPort->COM1Avail(), ComPort->COM2Avail(), ComPort->COM3Avail(),
                         ComPort->COM4Avail()};
  const int bauds[5] = {0, ComPort->BaudRate1(), ComPort->BaudRate2(), ComPort->BaudRate3(),
                        ComPort->BaudRate4()};
  const bool xonoff[5] = {false, ComPort->XOnOff1(), ComPort->XOnOff2(), ComPort->XOnOff3(),
                          ComPort->XOnOff4()};
  for (int n = 1; n <= 4; ++n) {
    BaudEdit[n]->SetText(IntToStr(bauds[n]));
    XOnOff[n]->SetChecked(xonoff[n]);
    if (!avail[n]) continue;
    // A port one channel holds is not offered to the other, also while the form is inactive and
    // its ports are closed: the labels, not the open handles, say who holds it. The holder's own
    // choice stays enabled, so its lit LED keeps showing the port in use.
    const bool xmit_holds = SameText(ChannelPort(1), kPortNames[n]);
    const bool rcv_holds = SameText(ChannelPort(2), kPortNames[n]);
    for (TLedCheck* led : {ComDlg[n], XmitP[n], RcvP[n]}) {
      led->SetCaptionCol(kAvailableCaption);
      led->SetLedCol(kAvailableLed);
    }
    ComDlg[n]->SetEnabled(true);
    XmitP[n]->SetEnabled(!rcv_holds);
    RcvP[n]->SetEnabled(!xmit_holds);
  }
}

void TComPortDemo::FormActivate() {
  CheckAll();
  OpenChannel(2);
  OpenChannel(1);
}

void TComPortDemo::CloseChannels() {
  ComPort->ClosePort(ChannelPort(2));
  ComPort->ClosePort(ChannelPort(1));
}

void TComPortDemo::OpenChannel(int Channel) {
  const std::string port = ChannelPort(Channel);
  const int index = ComPort->PortIndex(port);
  if (index == 0) return;
  if (ComPort->PortStatus(index) <= 0 && !ComPort->OpenPort(port)) {
    // Held elsewhere, vanished, or its settings refused (then it is open and must go).
    ComPort->ClosePort(port);
    MessageBeep(MB_ICONEXCLAMATION);
    Chan[Channel]->SetCaption(kOff);
    (Channel == 1 ? XmitOff : RcvOff)->SetChecked(true);
    CheckAll();
    return;
  }
  if (Channel == 1) {
    // Every open lowers the modem lines; they follow the boxes again.
    ComPort->SetPortDTR(port, SetDTR->Checked());
    ComPort->SetPortRTS(port, SetRTS->Checked());
  }
}

void TComPortDemo::ReopenHolders(int Port) {
  for (int ch = 1; ch <= 2; ++ch) {
    if (ComPort->PortIndex(ChannelPort(ch)) != Port || ComPort->PortStatus(Port) <= 0) continue;
    ComPort->ClosePort(ChannelPort(ch));
    OpenChannel(ch);
  }
}

void TComPortDemo::BaudEditExit(int Port) {
  int32_t rate = 0;
  if (!TryStrToInt(Trim(BaudEdit[Port]->Text()), rate) || rate > kMaxBaud || rate < kMinBaud) {
    MessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  const int bauds[5] = {0, ComPort->BaudRate1(), ComPort->BaudRate2(), ComPort->BaudRate3(),
                        ComPort->BaudRate4()};
  if (rate == bauds[Port]) return;
  switch (Port) {
    case 1:
      ComPort->SetBaudRate1(rate);
      break;
    case 2:
      ComPort->SetBaudRate2(rate);
      break;
    case 3:
      ComPort->SetBaudRate3(rate);
      break;
    default:
      ComPort->SetBaudRate4(rate);
      break;
  }
  ReopenHolders(Port);
}

void TComPortDemo::XOnOffClick(int Port) {
  const bool on = XOnOff[Port]->Checked();
  const bool was[5] = {false, ComPort->XOnOff1(), ComPort->XOnOff2(), ComPort->XOnOff3(),
                       ComPort->XOnOff4()};
  if (on == was[Port]) return;
  switch (Port) {
    case 1:
      ComPort->SetXOnOff1(on);
      break;
    case 2:
      ComPort->SetXOnOff2(on);
      break;
    case 3:
      ComPort->SetXOnOff3(on);
      break;
    default:
      ComPort->SetXOnOff4(on);
      break;
  }
  ReopenHolders(Port);
}

void TComPortDemo::ComDlgClick(int Port) {
  switch (Port) {
    case 1:
      ComPort->SetCom1Dialog(true);
      break;
    case 2:
      ComPort->SetCom2Dialog(true);
      break;
    case 3:
      ComPort->SetCom3Dialog(true);
      break;
    default:
      ComPort->SetCom4Dialog(true);
      break;
  }
  CheckAll();
  // The form may have taken its ports back before the dialog's settings were stored.
  ReopenHolders(Port);
}

void TComPortDemo::PortChosen(int Channel, int Port) {
  ComPort->ClosePort(ChannelPort(Channel));
  Chan[Channel]->SetCaption(kPortNames[Port]);
  CheckAll();
  OpenChannel(Channel);
}

void TComPortDemo::OffChosen(int Channel) {
  ComPort->ClosePort(ChannelPort(Channel));
  Chan[Channel]->SetCaption(kOff);
  CheckAll();
}

void TComPortDemo::TxEditChange(int Channel) {
  const std::string port = ChannelPort(Channel);
  if (!ComPort->SendChar(port, TxEdit[Channel]->TextChar())) MessageBeep(MB_ICONHAND);
  COMSTAT stat;
  const int errors = ComPort->PortError(port, &stat);
  FillList(ErrBox[Channel], SendStateItems(errors, stat));
}

void TComPortDemo::ComRx(int Port) {
  for (int ch = 1; ch <= 2; ++ch) {
    if (SameText(ChannelPort(ch), kPortNames[Port])) {
      ChannelRx(ch);
      return;
    }
  }
}

void TComPortDemo::ChannelRx(int Channel) {
  const std::string port = ChannelPort(Channel);
  char c;
  for (int i = 0; i < kMaxRxPerEvent && ComPort->ReadChar(port, c); ++i) {
    RxEdit[Channel]->SetTextChar(c);
  }
  COMSTAT stat;
  ComPort->PortError(port, &stat);
  FillList(ChanStat[Channel], LineStatusItems(stat));
}

void TComPortDemo::HelpBtnClick() {
  std::unique_ptr<TComPortHelp> help(new TComPortHelp(nullptr));
  ComPortHelp = help.get();
  help->ShowModal();
}
