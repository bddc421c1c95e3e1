#include "programs/demo/forms/fboxline.h"

#include <string>

namespace {

TNotifyEvent TBoxLine::*const kBoxClicks[8] = {
    &TBoxLine::OnBox0Click, &TBoxLine::OnBox1Click, &TBoxLine::OnBox2Click, &TBoxLine::OnBox3Click,
    &TBoxLine::OnBox4Click, &TBoxLine::OnBox5Click, &TBoxLine::OnBox6Click, &TBoxLine::OnBox7Click};

const char* const kLongCaptions[8] = {"Switch1", "Switch2", "Input 1", "Input 2",
                                      "Main",    "Check",   "Empty",   "Running"};

TSpin7Seg* AddNibble(TFormLoader& Loader, const char* Name, int Left) {
  auto* nibble = Loader.Add<TSpin7Seg>(Name);
  nibble->SetBounds(Left, 78, 42, 84);
  nibble->SetDispTyp(TDispType::hexa);
  nibble->SetColBack(clBlack);
  nibble->SetColSegm(clLime);
  nibble->SetShape(smtRectangle);
  nibble->SetValueInt(0);
  nibble->SetRepSpeed(400);
  nibble->SetLimiter(false);
  return nibble;
}

TCheckBox* AddCheckBox(TFormLoader& Loader, const char* Name, const char* Caption, int Left) {
  auto* box = Loader.Add<TCheckBox>(Name);
  box->SetBounds(Left, 168, 78, 17);
  box->SetCaption(Caption);
  return box;
}

}  // namespace

TBoxLineDemo* BoxLineDemo = nullptr;

TBoxLineDemo::~TBoxLineDemo() {
  if (BoxLineDemo == this) BoxLineDemo = nullptr;
}

TBoxLineDemo::TBoxLineDemo(TComponent* AOwner) : TDemoForm(AOwner, "TBoxLineDemo") {
  TFormLoader loader(this);

  BoxLine1 = loader.Add<TBoxLine>("BoxLine1");
  BoxLine1->SetBounds(4, 4, 98, 180);
  BoxLine1->SetOrientation(orVertical);
  BoxLine1->SetBoxWidth(18);
  BoxLine1->SetBoxSpace(4);
  BoxLine1->SetColorFontEna(clBlack);
  BoxLine1->SetColorFontDis(clMaroon);
  BoxLine1->SetColorEnable(clWhite);
  BoxLine1->SetColorDisable(clSilver);
  for (int i = 0; i < 8; ++i) {
    TBoxLBox* box = BoxLine1->Box(i);
    box->SetEnabled(true);
    box->SetStatus(false);
    box->SetCharOn('1');
    box->SetCharOff('0');
    box->SetCaptShort(char('0' + i));
    box->SetCaptLong(kLongCaptions[i]);
    BoxLine1->*kBoxClicks[i] = [this, i](TObject*) { BoxClick(i); };
  }

  for (int i = 0; i < 8; ++i) {
    TLedCheck* status = loader.Add<TLedCheck>("LedCheck" + std::to_string(i + 1));
    status->SetBounds(106, 4 + i * 22, 72, 20);
    status->SetCheckMode(lcCheckBox);
    status->SetCaption("Status " + std::to_string(i));
    status->OnClick = [this, i, status](TObject*) {
      BoxLine1->Box(i)->SetStatus(status->Checked());
    };
    StatusCheck[size_t(i)] = status;

    TLedCheck* enable = loader.Add<TLedCheck>("LedCheck" + std::to_string(i + 9));
    enable->SetBounds(182, 4 + i * 22, 72, 20);
    enable->SetCheckMode(lcCheckBox);
    enable->SetCaption("Enable " + std::to_string(i));
    enable->SetChecked(true);
    enable->OnClick = [this, i, enable](TObject*) {
      BoxLine1->Box(i)->SetEnabled(enable->Checked());
    };
    EnableCheck[size_t(i)] = enable;
  }

  BoxLine2 = loader.Add<TBoxLine>("BoxLine2");
  BoxLine2->SetBounds(264, 4, 160, 72);
  BoxLine2->SetOrientation(orHorizontal);
  BoxLine2->SetBoxWidth(15);
  BoxLine2->SetBoxSpace(4);
  BoxLine2->SetColorFontDis(clGray);
  for (int i = 0; i < 8; ++i) {
    TBoxLBox* box = BoxLine2->Box(i);
    box->SetCharOn('H');
    box->SetCharOff('L');
    box->SetCaptShort(char('0' + i));
    box->SetCaptLong("Bit " + std::to_string(i));
  }

  HighNibble = AddNibble(loader, "HighNibble", 342);
  LowNibble = AddNibble(loader, "LowNibble", 386);
  HighNibble->onChanged = [this](TObject*) { ShowByte(); };
  LowNibble->onChanging = [this](TObject*) { ShowByte(); };
  LowNibble->onWrapCarry = [this](TObject*) { LowNibbleWrap(+1); };
  LowNibble->onWrapBorrow = [this](TObject*) { LowNibbleWrap(-1); };

  // Below BoxLine2 turned upright, which then reaches down to y 164; the digits lie beside it.
  VertCheck = AddCheckBox(loader, "VertCheck", "vertical", 264);
  VertCheck->OnClick = [this](TObject*) {
    BoxLine2->SetOrientation(VertCheck->Checked() ? orVertical : orHorizontal);
  };
  OrderCheck = AddCheckBox(loader, "OrderCheck", "orderUp", 350);
  OrderCheck->OnClick = [this](TObject*) { BoxLine2->SetOrderUp(OrderCheck->Checked()); };

  loader.Finish();
}

void TBoxLineDemo::BoxClick(int Box) {
  TLedCheck* status = StatusCheck[size_t(Box)];
  status->SetChecked(!status->Checked());
  BoxLine1->Box(Box)->SetStatus(status->Checked());
}

void TBoxLineDemo::ShowByte() {
  BoxLine2->SetBoxStatByte(uint8_t(HighNibble->ValueInt() * 16 + LowNibble->ValueInt()));
}

void TBoxLineDemo::LowNibbleWrap(int Carry) {
  HighNibble->SetValueInt((HighNibble->ValueInt() + Carry) & 0xF);
  ShowByte();
}
