#include "programs/demo/forms/fpotilin.h"

#include "platform/base/sysutils.h"

namespace {

// Scale modes: linear starts again at zero, the logarithmic scale repairs its own range.
enum class TScaleMode { Linear, Logarithm };
const TItemValues<TScaleMode> kModes{{"linear", "logarithm"},
                                     {TScaleMode::Linear, TScaleMode::Logarithm}};

std::string ValueText(double Value) { return FloatToStrF(Value, ffFixed, 6, 3); }

TPotiSlide* AddPoti(TFormLoader& Loader, const std::string& Name, int Left, int Top, int Width,
                    int Height) {
  auto* poti = Loader.Add<TPotiSlide>(Name);
  poti->SetBounds(Left, Top, Width, Height);
  return poti;
}

TEdit* AddReadout(TFormLoader& Loader, const std::string& Name, int Left, int Top, int Width) {
  auto* edit = Loader.Add<TEdit>(Name);
  edit->SetBounds(Left, Top, Width, 22);
  edit->SetReadOnly(true);
  return edit;
}

TCheckBox* AddCheck(TFormLoader& Loader, const std::string& Name, const char* Caption, int Left,
                    int Top) {
  auto* box = Loader.Add<TCheckBox>(Name);
  box->SetBounds(Left, Top, 110, 20);
  box->SetCaption(Caption);
  return box;
}

}  // namespace

TPotiLinDemo::TPotiLinDemo(TComponent* AOwner) : TDemoForm(AOwner, "TPotiLinDemo") {
  TFormLoader loader(this);

  Poti = AddPoti(loader, "Poti", 8, 8, 70, 290);
  Poti->SetValueStart(0);
  Poti->SetValueEnd(10);
  Poti->SetScalaPart(5);
  Poti->SetCaption("Volt");
  Poti->SetDragDelay(0);
  Value0 = AddReadout(loader, "Value0", 8, 306, 70);

  Poti1 = AddPoti(loader, "Poti1", 86, 8, 70, 232);
  Poti1->SetNonLinear(true);
  Poti1->SetValueStart(0.001);
  Poti1->SetValueEnd(10);
  Poti1->SetValue(0.001);
  Poti1->SetDragDelay(10);
  Value1 = AddReadout(loader, "Value1", 86, 246, 70);
  Poti1->onChanging = [this](TObject*) { Value1->SetText(ValueText(Poti1->Value())); };

  Poti2 = AddPoti(loader, "Poti2", 164, 8, 70, 232);
  Poti2->SetValueStart(-10);
  Poti2->SetValueEnd(10);
  Poti2->SetScalaPart(10);
  Poti2->SetDragDelay(1);
  Value2 = AddReadout(loader, "Value2", 164, 246, 70);
  Poti2->onChanged = [this](TObject*) { Value2->SetText(ValueText(Poti2->Value())); };

  SelBevelOut = AddSelectorGroup<TPanelBevel>(loader, "SelBevelOut", "Rahmen aussen", kBevelItems,
                                              kBevelItems.IndexOf(Poti->BevelOut()), 242, 4, 115,
                                              80, [this](TPanelBevel v) { Poti->SetBevelOut(v); });
  SelBevelIn = AddSelectorGroup<TPanelBevel>(loader, "SelBevelIn", "Rahmen innen", kBevelItems,
                                             kBevelItems.IndexOf(Poti->BevelIn()), 361, 4, 115, 80,
                                             [this](TPanelBevel v) { Poti->SetBevelIn(v); });
  SelScalaCol = AddSelectorGroup<TColor>(loader, "SelScalaCol", "Skala", kWhiteColorItems,
                                         kWhiteColorItems.IndexOf(Poti->ColScala()), 242, 88, 115,
                                         96, [this](TColor v) { Poti->SetColScala(v); });
  SelTextCol = AddSelectorGroup<TColor>(loader, "SelTextCol", "Text", kWhiteColorItems,
                                        kWhiteColorItems.IndexOf(Poti->Font()->Color()), 361, 88,
                                        115, 96, [this](TColor v) { Poti->Font()->SetColor(v); });
  SelCaption = AddSelectorGroup<TCaptionLook>(
      loader, "SelCaption", "Caption", kCaptionLookItems, 0, 242, 188, 115, 96,
      [this](const TCaptionLook& v) { ApplyCaptionLook(Poti, v); });
  SelMode = AddSelectorGroup<TScaleMode>(loader, "SelMode", "Modus", kModes, 0, 361, 188, 115, 60,
                                         [this](TScaleMode v) {
                                           if (v == TScaleMode::Linear) {
                                             Poti->SetNonLinear(false);
                                             Poti->SetValueStart(0);
                                           } else {
                                             Poti->SetNonLinear(true);
                                           }
                                         });

  auto* caption_label = loader.Add<TLabel>("CaptionLabel");
  caption_label->SetBounds(86, 272, 70, 16);
  caption_label->SetCaption("Caption");
  Edit1 = loader.Add<TEdit>("Edit1");
  Edit1->SetBounds(86, 290, 70, 22);
  Edit1->SetMaxLength(7);
  Edit1->SetText(Poti->Caption());
  BindTextFollower(Edit1, [this](const std::string& s) { Poti->SetCaption(s); });

  auto* delay_label = loader.Add<TLabel>("DelayLabel");
  delay_label->SetBounds(164, 272, 70, 16);
  delay_label->SetCaption("DragDelay");
  DragDelaySel = loader.Add<TTextSpin>("DragDelaySel");
  DragDelaySel->SetBounds(164, 290, 70, 26);
  DragDelaySel->PosText()->SetText("0|0\n1|1\n2|2\n3|3\n4|4\n5|5\n10|10\n15|15\n20|20");
  DragDelaySel->SetLimiter(true);
  DragDelaySel->onChanged = [this](TObject*) { Poti->SetDragDelay(DragDelaySel->PosInteger()); };

  PresetEnable = AddCheck(loader, "PresetEnable", "PresetEnable", 361, 252);
  BindCheckFollower(PresetEnable, [this](bool on) { Poti->SetPresEnable(on); });
  EventSel = AddCheck(loader, "EventSel", "OnChanged", 361, 274);
  EventSel->SetHint("Event select\rOnChanging\rOnChanged");
  EventSel->SetShowHint(true);

  auto readout = [this] { Value0->SetText(ValueText(Poti->Value())); };
  Poti->onChanging = SelectedEvent(EventSel, false, readout);
  Poti->onChanged = SelectedEvent(EventSel, true, readout);
  Poti->onPreset = [this, readout](TObject*) {
    Poti->SetValue(0);
    readout();
  };

  AddCloser(loader, 396, 304);
  loader.Finish();
  Value0->SetText(ValueText(Poti->Value()));
  Value1->SetText(ValueText(Poti1->Value()));
  Value2->SetText(ValueText(Poti2->Value()));
}
