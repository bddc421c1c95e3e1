#include "programs/demo/forms/fdisp7s.h"

#include <utility>

namespace {

// The display's size when the form was made; the scroll bars size it from there.
int g_width0 = 0;
int g_height0 = 0;

const TItemValues<std::pair<bool, bool>> kLedTextItems{
    {"ohne", "nur Leds", "nur Text", "Leds + Text"},
    {{false, false}, {true, false}, {false, true}, {true, true}}};

template <class V>
TRadioGroup* AddGroup(TFormLoader& Loader, const std::string& Name, const char* Caption,
                      const TItemValues<V>& Table, int Index, TRect Bounds,
                      std::function<void(const V&)> Apply) {
  auto* group = Loader.Add<TRadioGroup>(Name);
  group->SetBounds(Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom);
  group->SetCaption(Caption);
  BindSelector<V>(group, Table, Apply);
  group->SetItemIndex(Index);
  return group;
}

}  // namespace

TDisp7sDemo::TDisp7sDemo(TComponent* AOwner) : TDemoForm(AOwner, "TDisp7sDemo") {
  TFormLoader loader(this);

  // The display grows to the right and shrinks upwards; its room is kept free for both.
  Disp7s = loader.Add<TDisp7Seg>("Disp7s");
  Disp7s->SetBounds(8, 8, 200, 100);
  Disp7s->SetDispSize(2);
  Disp7s->SetColBack(clBlue);
  Disp7s->SetColSegm(clYellow);
  Disp7s->SetTextEinh("mW");
  Disp7s->SetColLed1(clRed);
  Disp7s->SetColLed2(clLime);
  Disp7s->SetLedEnable(true);
  Disp7s->SetTextEnable(true);
  Disp7s->SetShape(smtRoundrect);
  Disp7s->SetValueStr("88888888");

  ScrollW = loader.Add<TScrollBar>("ScrollW");
  ScrollW->SetBounds(8, 112, 300, 17);
  ScrollW->SetMax(10);
  ScrollW->OnChange = [this](TObject*) {
    Disp7s->SetBounds(Disp7s->Left(), Disp7s->Top(), g_width0 + ScrollW->Position() * g_width0 / 20,
                      Disp7s->Height());
  };
  ScrollH = loader.Add<TScrollBar>("ScrollH");
  ScrollH->SetKind(sbVertical);
  ScrollH->SetBounds(312, 8, 17, 100);
  ScrollH->SetMax(10);
  ScrollH->OnChange = [this](TObject*) {
    const int height = g_height0 - ScrollH->Position() * g_height0 / 20;
    Disp7s->SetBounds(Disp7s->Left(), Disp7s->Top(), Disp7s->Width(), height);
    Disp7s->Font()->SetSize(height / 4 - 1);
  };

  SelLeds =
      AddGroup<std::pair<bool, bool>>(loader, "SelLeds", "Leds/Text", kLedTextItems, 3,
                                      {334, 8, 104, 100}, [this](const std::pair<bool, bool>& v) {
                                        Disp7s->SetLedEnable(v.first);
                                        Disp7s->SetTextEnable(v.second);
                                      });
  SelLed1 = AddGroup<TLedSetting>(loader, "SelLed1", "Led 1", kLedItems, 0, {442, 8, 66, 74},
                                  [this](const TLedSetting& v) {
                                    Disp7s->SetLedOn1(v.On);
                                    Disp7s->SetLedBlink1(v.Blink);
                                  });
  SelLed2 = AddGroup<TLedSetting>(loader, "SelLed2", "Led 2", kLedItems, 0, {442, 86, 66, 74},
                                  [this](const TLedSetting& v) {
                                    Disp7s->SetLedOn2(v.On);
                                    Disp7s->SetLedBlink2(v.Blink);
                                  });

  SelBevelOut = AddGroup<TPanelBevel>(loader, "SelBevelOut", "Rahmen aussen", kBevelItems,
                                      kBevelItems.IndexOf(Disp7s->BevelOut()), {8, 164, 108, 80},
                                      [this](TPanelBevel v) { Disp7s->SetBevelOut(v); });
  SelBevelIn = AddGroup<TPanelBevel>(loader, "SelBevelIn", "Rahmen innen", kBevelItems,
                                     kBevelItems.IndexOf(Disp7s->BevelIn()), {120, 164, 108, 80},
                                     [this](TPanelBevel v) { Disp7s->SetBevelIn(v); });
  SelBackCol = AddGroup<TColor>(loader, "SelBackCol", "Hintergrund", kGreyColorItems,
                                kGreyColorItems.IndexOf(Disp7s->ColBack()), {232, 164, 98, 96},
                                [this](TColor v) { Disp7s->SetColBack(v); });
  SelDigitCol = AddGroup<TColor>(loader, "SelDigitCol", "Ziffern", kYellowColorItems,
                                 kYellowColorItems.IndexOf(Disp7s->ColSegm()), {334, 164, 90, 96},
                                 [this](TColor v) { Disp7s->SetColSegm(v); });

  SelStellen = loader.Add<TTextSpin>("SelStellen");
  SelStellen->SetBounds(336, 116, 96, 26);
  std::string lines;
  for (int i = 1; i <= 8; ++i) {
    lines += std::to_string(i) + "-stellig | " + std::to_string(i) + (i < 8 ? "\n" : "");
  }
  SelStellen->PosText()->SetText(lines);
  SelStellen->SetPosition(1);
  SelStellen->SetLimiter(true);
  SelStellen->onChanging = [this](TObject*) { Disp7s->SetDispSize(SelStellen->PosInteger()); };

  auto* label = loader.Add<TLabel>("ValLabel");
  label->SetBounds(8, 254, 40, 16);
  label->SetCaption("Wert");
  EditVal = loader.Add<TEdit>("EditVal");
  EditVal->SetBounds(50, 250, 100, 22);
  EditVal->SetMaxLength(8);
  EditVal->SetText(Disp7s->ValueStr());
  BindTextFollower(EditVal, [this](const std::string& s) { Disp7s->SetValueStr(s); });

  ItalicCheck = loader.Add<TCheckBox>("ItalicCheck");
  ItalicCheck->SetBounds(442, 166, 66, 20);
  ItalicCheck->SetCaption("Italic");
  BindCheckFollower(ItalicCheck, [this](bool on) { Disp7s->SetDispItalic(on); });

  AddCloser(loader, 430, 256);
  loader.Finish();
  g_width0 = Disp7s->Width();
  g_height0 = Disp7s->Height();
}
