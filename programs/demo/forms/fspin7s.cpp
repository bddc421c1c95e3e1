#include "programs/demo/forms/fspin7s.h"

namespace {

// The wheel's size when the form was made; the scroll bars size it from there.
int g_width0 = 0;
int g_height0 = 0;

const TItemValues<TColor> kDigitColors{
    {"schwarz", "weiss", "rot", "blau"},
    {TColor(0x000000), TColor(0xFFFFFF), TColor(0x0000FF), TColor(0xFFFF00)}};
const TItemValues<TDispType> kModes{
    {"sign", "dez", "hex", "alpha"},
    {TDispType::sign, TDispType::decimal, TDispType::hexa, TDispType::alphanum}};

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

TSpin7Seg* AddWheel(TFormLoader& Loader, const std::string& Name, TDispType Type, TColor Segments,
                    TRect Bounds) {
  auto* wheel = Loader.Add<TSpin7Seg>(Name);
  wheel->SetBounds(Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom);
  wheel->SetDispTyp(Type);
  wheel->SetColSegm(Segments);
  return wheel;
}

TCheckBox* AddCheck(TFormLoader& Loader, const std::string& Name, const char* Caption, bool Checked,
                    int Left, int Top) {
  auto* box = Loader.Add<TCheckBox>(Name);
  box->SetBounds(Left, Top, 92, 20);
  box->SetCaption(Caption);
  box->SetChecked(Checked);
  return box;
}

}  // namespace

TSpin7SegDemo::TSpin7SegDemo(TComponent* AOwner) : TDemoForm(AOwner, "TSpin7SegDemo") {
  TFormLoader loader(this);

  // The wheel grows to the right and downwards; its room is kept free up to twice its width.
  Spin7S = AddWheel(loader, "Spin7S", TDispType::decimal, clAqua, {8, 8, 60, 100});
  Spin7S->SetValueInt(8);
  Spin7S->SetShape(smtRoundrect);
  Spin7S->SetLimiter(true);
  Spin7S->SetRepSpeed(300);

  Others[0] = AddWheel(loader, "Spin7Seg2", TDispType::sign, clRed, {156, 8, 40, 66});
  Others[1] = AddWheel(loader, "Spin7Seg3", TDispType::decimal, clLime, {198, 8, 40, 66});
  Others[1]->SetValueInt(6);
  Others[2] = AddWheel(loader, "Spin7Seg4", TDispType::decimal, clAqua, {240, 8, 40, 66});
  Others[2]->SetValueInt(3);
  Others[2]->SetColBack(clGray);

  ScrollW = loader.Add<TScrollBar>("ScrollW");
  ScrollW->SetBounds(8, 162, 120, 17);
  ScrollW->SetMax(10);
  ScrollW->OnChange = [this](TObject*) {
    Spin7S->SetBounds(Spin7S->Left(), Spin7S->Top(), g_width0 + ScrollW->Position() * g_width0 / 10,
                      Spin7S->Height());
  };
  ScrollH = loader.Add<TScrollBar>("ScrollH");
  ScrollH->SetKind(sbVertical);
  ScrollH->SetBounds(132, 8, 17, 150);
  ScrollH->SetMax(10);
  ScrollH->OnChange = [this](TObject*) {
    Spin7S->SetBounds(Spin7S->Left(), Spin7S->Top(), Spin7S->Width(),
                      g_height0 + ScrollH->Position() * g_height0 / 20);
  };

  Modus = AddGroup<TDispType>(loader, "Modus", "Modus", kModes, 1, {290, 8, 110, 96},
                              [this](TDispType v) { Spin7S->SetDispTyp(v); });

  auto* label = loader.Add<TLabel>("SpeedLabel");
  label->SetBounds(156, 84, 90, 16);
  label->SetCaption("Repeat");
  SelSpeed = loader.Add<TTextSpin>("SelSpeed");
  SelSpeed->SetBounds(156, 102, 90, 26);
  SelSpeed->PosText()->SetText("aus\n1/sec |1000\n2/sec |500\n3/sec |333\n4/sec |250\n5/sec |200");
  SelSpeed->SetLimiter(true);
  SelSpeed->onChanged = [this](TObject*) { Spin7S->SetRepSpeed(SelSpeed->PosInteger()); };

  Anschlag = AddCheck(loader, "Anschlag", "Anschlag", true, 156, 134);
  BindCheckFollower(Anschlag, [this](bool on) { Spin7S->SetLimiter(on); });
  EventSel = AddCheck(loader, "EventSel", "OnChanged", false, 156, 156);
  EventSel->SetHint("Event select\rOnChanging\rOnChanged");
  EventSel->SetShowHint(true);
  ItalicCheck = AddCheck(loader, "ItalicCheck", "Italic", false, 290, 110);
  BindCheckFollower(ItalicCheck, [this](bool on) {
    Spin7S->SetItalic(on);
    for (TSpin7Seg* wheel : Others) wheel->SetItalic(on);
  });
  Spin7S->onChanging = SelectedEvent(EventSel, false, DemoBeep);
  Spin7S->onChanged = SelectedEvent(EventSel, true, DemoBeep);

  SelBevelOut = AddGroup<TPanelBevel>(loader, "SelBevelOut", "Rahmen aussen", kBevelItems,
                                      kBevelItems.IndexOf(Spin7S->BevelOut()), {8, 190, 108, 80},
                                      [this](TPanelBevel v) { Spin7S->SetBevelOut(v); });
  SelBevelIn = AddGroup<TPanelBevel>(loader, "SelBevelIn", "Rahmen innen", kBevelItems,
                                     kBevelItems.IndexOf(Spin7S->BevelIn()), {120, 190, 108, 80},
                                     [this](TPanelBevel v) { Spin7S->SetBevelIn(v); });
  SelBackCol = AddGroup<TColor>(loader, "SelBackCol", "Hintergrund", kGreyColorItems,
                                kGreyColorItems.IndexOf(Spin7S->ColBack()), {232, 190, 86, 96},
                                [this](TColor v) { Spin7S->SetColBack(v); });
  SelDigitCol = AddGroup<TColor>(loader, "SelDigitCol", "Ziffern", kDigitColors,
                                 kDigitColors.IndexOf(Spin7S->ColSegm()), {322, 190, 82, 96},
                                 [this](TColor v) { Spin7S->SetColSegm(v); });

  AddCloser(loader, 326, 294);
  loader.Finish();
  g_width0 = Spin7S->Width();
  g_height0 = Spin7S->Height();
}
