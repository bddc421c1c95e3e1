#include "programs/demo/forms/formledt.h"

namespace {

const TItemValues<TCaptType> kCaptTypeItems{{"ohne Text", "Led Text", "Bevel Text"},
                                            {ctNone, ctLed, ctBevel}};
const TItemValues<TLedShape> kLedShapeItems{{"rund", "Rechteck"}, {ledCircle, ledRectangle}};

TRadioGroup* AddGroup(TFormLoader& Loader, const char* Name, const char* Caption, int Left, int Top,
                      int Width, int Height) {
  auto* group = Loader.Add<TRadioGroup>(Name);
  group->SetBounds(Left, Top, Width, Height);
  group->SetCaption(Caption);
  return group;
}

}  // namespace

TLedTastDemo::TLedTastDemo(TComponent* AOwner) : TDemoForm(AOwner, "TLedTastDemo") {
  TFormLoader loader(this);

  LedTaste1 = loader.Add<TLedButton>("LedTaste1");
  LedTaste1->SetBounds(10, 12, 76, 76);
  LedTaste1->SetColLed(clLime);
  LedTaste1->SetCaption("Tup");
  LedTaste1->SetColCaption(clBlack);
  LedTaste1->SetCaption1("Tdown");
  LedTaste1->SetColCaption1(clRed);
  LedTaste1->SetCaptType(ctNone);
  LedTaste1->SetButtonStyle(tsNone);
  LedTaste1->OnClick = BeepHandler();

  static constexpr TColor kLedColours[4] = {clYellow, clLime, clAqua, clFuchsia};
  static constexpr bool kLedOn[4] = {true, false, true, false};
  for (int i = 0; i < 4; ++i) {
    Led[i] = loader.Add<TLedButton>("Led" + std::to_string(i + 1));
    Led[i]->SetBounds(98 + i * 40, 12, 36, 36);
    Led[i]->SetBevelOut(bvRaised);
    Led[i]->SetBevelIn(bvLowered);
    Led[i]->SetColLed(kLedColours[i]);
    Led[i]->SetLedOn(kLedOn[i]);
    Led[i]->SetCaptType(ctNone);
  }

  static constexpr TColor kBarColours[4] = {clRed, clAqua, clYellow, clLime};
  for (int i = 0; i < 4; ++i) {
    LedBar[i] = loader.Add<TLedButton>("LedBar" + std::to_string(i + 1));
    LedBar[i]->SetBounds(98 + i * 40, 52, 36, 36);
    LedBar[i]->SetColLed(kBarColours[i]);
    LedBar[i]->SetLedOn(false);
    LedBar[i]->SetLedShape(ledRectangle);
    LedBar[i]->SetCaptType(ctNone);
  }

  auto* up_label = loader.Add<TLabel>("Label1");
  up_label->SetBounds(266, 16, 60, 16);
  up_label->SetCaption("Caption");
  Edit1 = loader.Add<TEdit>("Edit1");
  Edit1->SetBounds(332, 12, 126, 22);
  Edit1->SetText("Tu");
  auto* down_label = loader.Add<TLabel>("Label2");
  down_label->SetBounds(266, 48, 60, 16);
  down_label->SetCaption("Caption1");
  Edit2 = loader.Add<TEdit>("Edit2");
  Edit2->SetBounds(332, 44, 126, 22);
  Edit2->SetText("Td");
  BindTextFollower(Edit1, [this](const std::string& s) { LedTaste1->SetCaption(s); });
  BindTextFollower(Edit2, [this](const std::string& s) { LedTaste1->SetCaption1(s); });

  SelTexte = AddGroup(loader, "SelTexte", "Text", 136, 100, 122, 84);
  SelTexte->Items()->SetText(kCaptTypeItems.ItemsText());
  SelTexte->SetItemIndex(0);
  SelTexte->OnClick = [this](TObject*) { SelTexteClick(); };

  SelLedTyp = AddGroup(loader, "SelLedTyp", "Led-Form", 264, 190, 96, 64);
  BindSelector<TLedShape>(SelLedTyp, kLedShapeItems,
                          [this](TLedShape v) { LedTaste1->SetLedShape(v); });
  SelLedTyp->SetItemIndex(0);

  SelBevelOut = AddGroup(loader, "SelBevelOut", "Rahmen aussen", 8, 100, 122, 84);
  BindSelector<TPanelBevel>(SelBevelOut, kBevelItems,
                            [this](TPanelBevel v) { LedTaste1->SetBevelOut(v); });
  SelBevelOut->SetItemIndex(1);

  SelBevelIn = AddGroup(loader, "SelBevelIn", "Rahmen innen", 8, 190, 122, 84);
  BindSelector<TPanelBevel>(SelBevelIn, kBevelItems,
                            [this](TPanelBevel v) { LedTaste1->SetBevelIn(v); });
  SelBevelIn->SetItemIndex(0);

  SelSchalter = AddGroup(loader, "SelSchalter", "Schalter", 136, 190, 122, 84);
  BindSelector<TTastStyle>(SelSchalter, kSwitchItems,
                           [this](TTastStyle v) { LedTaste1->SetButtonStyle(v); });
  SelSchalter->SetItemIndex(0);

  SelLedAction = AddGroup(loader, "SelLedAction", "Led", 264, 100, 96, 84);
  BindSelector<TLedSetting>(SelLedAction, kLedItems,
                            [this](const TLedSetting& v) { ApplyLedAction(v); });
  SelLedAction->SetItemIndex(0);

  SelLedColor = AddGroup(loader, "SelLedColor", "Led-Farbe", 366, 100, 92, 104);
  BindSelector<TColor>(SelLedColor, kTextColorItems, [this](TColor v) { LedTaste1->SetColLed(v); });
  SelLedColor->SetItemIndex(0);

  Timer1 = loader.AddComponent<TSmartTimer>("Timer1");
  Timer1->SetTimerMode(tmBlinking);
  Timer1->TimerEvent = [this](TObject* Sender, bool High) { Timer1TimerEvent(Sender, High); };

  AddCloser(loader, 370, 280, 88, 25);
  loader.Finish();
}

void TLedTastDemo::SelTexteClick() {
  TCaptType type;
  if (kCaptTypeItems.ValueAt(SelTexte->ItemIndex(), type)) LedTaste1->SetCaptType(type);
  LedTaste1->SetCaption(Edit1->Text());
  LedTaste1->SetCaption1(Edit2->Text());
}

void TLedTastDemo::ApplyLedAction(const TLedSetting& Action) {
  TLedButton* all[5] = {LedTaste1, Led[0], Led[1], Led[2], Led[3]};
  if (Action.Blink) {
    for (TLedButton* led : all) led->SetLedBlink(true);
    // Neighbours in opposite phase; the big button keeps its state.
    Led[0]->SetLedOn(true);
    Led[1]->SetLedOn(false);
    Led[2]->SetLedOn(true);
    Led[3]->SetLedOn(false);
    return;
  }
  for (TLedButton* led : all) {
    led->SetLedBlink(false);
    led->SetLedOn(Action.On);
  }
}

void TLedTastDemo::Timer1TimerEvent(TObject*, bool) {
  ++FRunStep;
  if (FRunStep >= 0 && FRunStep < int(LedBar.size())) {
    TLedButton* bar = LedBar[size_t(FRunStep)];
    bar->SetLedOn(!bar->LedOn());
  } else {
    FRunStep = -1;
  }
}
