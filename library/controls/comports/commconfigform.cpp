#include "library/controls/comports/commconfigform.h"

#include "library/controls/comports/commconfig.h"
#include "platform/base/sysutils.h"
#include "platform/forms/stdctrls/stdctrls.h"

namespace {

const char* const kBauds[] = {"75",   "110",   "300",   "600",   "1200",  "2400",  "4800",
                              "9600", "14400", "19200", "38400", "57600", "115000"};
const char* const kDataBits[] = {"5", "6", "7", "8"};
const char* const kParities[] = {"None", "Odd", "Even", "Mark", "Space"};
const char* const kStopBits[] = {"1", "1.5", "2"};
const char* const kFlows[] = {"None", "Xon / Xoff"};

constexpr int kRowTop = 16, kRowStep = 32, kLabelLeft = 12, kBoxLeft = 124, kBoxWidth = 132;

template <size_t N>
TComboBox* AddRow(TFormLoader& loader, int row, const char* name, const char* caption,
                  const char* const (&items)[N], TComboBoxStyle style) {
  auto* label = loader.Add<TLabel>(std::string(name) + "Label");
  label->SetCaption(caption);
  label->SetBounds(kLabelLeft, kRowTop + row * kRowStep + 4, kBoxLeft - kLabelLeft - 4, 16);
  auto* box = loader.Add<TComboBox>(name);
  box->SetStyle(style);
  box->SetBounds(kBoxLeft, kRowTop + row * kRowStep, kBoxWidth, 24);
  for (const char* item : items) box->Items()->Add(item);
  return box;
}

// The index of the item equal to text, -1 when there is none.
int IndexOfItem(const TComboBox* box, const std::string& text) {
  return box->Items()->IndexOf(text);
}

}  // namespace

TCommConfigForm::TCommConfigForm(TComponent* AOwner, const std::string& PortName) : TForm(AOwner) {
  TFormLoader loader(this);
  SetCaption(PortName + " Properties");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientWidth(kBoxLeft + kBoxWidth + 16);
  SetClientHeight(kRowTop + 5 * kRowStep + 48);
  BaudBox = AddRow(loader, 0, "BaudBox", "Bits per second:", kBauds, csDropDown);
  DataBitsBox = AddRow(loader, 1, "DataBitsBox", "Data bits:", kDataBits, csDropDownList);
  ParityBox = AddRow(loader, 2, "ParityBox", "Parity:", kParities, csDropDownList);
  StopBitsBox = AddRow(loader, 3, "StopBitsBox", "Stop bits:", kStopBits, csDropDownList);
  FlowBox = AddRow(loader, 4, "FlowBox", "Flow control:", kFlows, csDropDownList);
  const int button_top = kRowTop + 5 * kRowStep + 8;
  OkButton = loader.Add<TButton>("OkButton");
  OkButton->SetCaption("OK");
  OkButton->SetModalResult(mrOk);
  OkButton->SetDefault(true);
  OkButton->SetBounds(ClientWidth() - 2 * 84, button_top, 76, 26);
  CancelButton = loader.Add<TButton>("CancelButton");
  CancelButton->SetCaption("Cancel");
  CancelButton->SetModalResult(mrCancel);
  CancelButton->SetCancel(true);
  CancelButton->SetBounds(ClientWidth() - 84, button_top, 76, 26);
  loader.Finish();
}

void TCommConfigForm::ShowSettings(const DCB& Dcb) {
  const std::string baud = IntToStr(Dcb.BaudRate);
  BaudBox->SetItemIndex(IndexOfItem(BaudBox, baud));
  BaudBox->SetText(baud);
  DataBitsBox->SetItemIndex(IndexOfItem(DataBitsBox, IntToStr(Dcb.ByteSize)));
  ParityBox->SetItemIndex(Dcb.Parity <= SPACEPARITY ? Dcb.Parity : -1);
  StopBitsBox->SetItemIndex(Dcb.StopBits <= TWOSTOPBITS ? Dcb.StopBits : -1);
  FlowBox->SetItemIndex(Dcb.fOutX || Dcb.fInX ? 1 : 0);
}

bool TCommConfigForm::TakeSettings(DCB& Dcb) const {
  int32_t baud;
  if (!TryStrToInt(BaudBox->Text(), baud) || !BaudRateTaken(baud)) return false;
  Dcb.BaudRate = static_cast<uint32_t>(baud);
  if (DataBitsBox->ItemIndex() >= 0)
    Dcb.ByteSize = static_cast<uint8_t>(5 + DataBitsBox->ItemIndex());
  if (ParityBox->ItemIndex() >= 0) Dcb.Parity = static_cast<uint8_t>(ParityBox->ItemIndex());
  if (StopBitsBox->ItemIndex() >= 0) Dcb.StopBits = static_cast<uint8_t>(StopBitsBox->ItemIndex());
  if (FlowBox->ItemIndex() >= 0) Dcb.fOutX = Dcb.fInX = FlowBox->ItemIndex() == 1;
  return true;
}
