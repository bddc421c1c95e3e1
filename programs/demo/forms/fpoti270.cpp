#include "programs/demo/forms/fpoti270.h"

#include "platform/base/sysutils.h"

namespace {

TTextSpin* AddSpin(TFormLoader& Loader, const std::string& Name, const char* Caption,
                   const std::string& Lines, int Left, int Top) {
  auto* label = Loader.Add<TLabel>(Name + "Label");
  label->SetBounds(Left, Top, 70, 16);
  label->SetCaption(Caption);
  auto* spin = Loader.Add<TTextSpin>(Name);
  spin->SetBounds(Left, Top + 18, 64, 26);
  spin->PosText()->SetText(Lines);
  spin->SetLimiter(true);
  return spin;
}

TCheckBox* AddCheck(TFormLoader& Loader, const std::string& Name, const char* Caption, int Left,
                    int Top) {
  auto* box = Loader.Add<TCheckBox>(Name);
  box->SetBounds(Left, Top, 110, 20);
  box->SetCaption(Caption);
  return box;
}

}  // namespace

TPoti270Demo::TPoti270Demo(TComponent* AOwner) : TDemoForm(AOwner, "TPoti270Demo") {
  TFormLoader loader(this);

  Poti = loader.Add<TPoti270>("Poti");
  Poti->SetBounds(8, 8, 220, 220);
  Poti->SetValueStart(0);
  Poti->SetValueEnd(10);
  Poti->SetScalaPart(2);
  Poti->SetCaption("Volt");

  // Starts at "2", the potentiometer's divisions.
  SelTeilung = AddSpin(loader, "SelTeilung", "Teilung",
                       "2|2\n3|3\n4|4\n5|5\n6|6\n7|7\n8|8\n9|9\n10|10", 8, 236);
  SelTeilung->onChanging = [this](TObject*) { Poti->SetScalaPart(SelTeilung->PosInteger()); };
  DragDelaySel = AddSpin(loader, "DragDelaySel", "DragDelay",
                         "0|0\n1|1\n2|2\n3|3\n4|4\n5|5\n10|10\n15|15\n20|20", 80, 236);
  DragDelaySel->onChanged = [this](TObject*) { Poti->SetDragDelay(DragDelaySel->PosInteger()); };

  auto* value_label = loader.Add<TLabel>("ValueLabel");
  value_label->SetBounds(152, 236, 76, 16);
  value_label->SetCaption("Wert");
  ValueOut = loader.Add<TEdit>("ValueOut");
  ValueOut->SetBounds(152, 256, 76, 22);
  ValueOut->SetReadOnly(true);

  SelScalaCol = AddSelectorGroup<TColor>(loader, "SelScalaCol", "Skala", kWhiteColorItems,
                                         kWhiteColorItems.IndexOf(Poti->ColScala()), 236, 4, 113,
                                         96, [this](TColor v) { Poti->SetColScala(v); });
  SelTextCol = AddSelectorGroup<TColor>(loader, "SelTextCol", "Text", kWhiteColorItems,
                                        kWhiteColorItems.IndexOf(Poti->Font()->Color()), 353, 4,
                                        113, 96, [this](TColor v) { Poti->Font()->SetColor(v); });
  SelZeigerCol =
      AddSelectorGroup<TColor>(loader, "SelZeigerCol", "Zeiger", kRotaryPointerColorItems,
                               kRotaryPointerColorItems.IndexOf(Poti->ColPointer()), 236, 104, 113,
                               96, [this](TColor v) { Poti->SetColPointer(v); });
  SelKnopfCol = AddSelectorGroup<TColor>(loader, "SelKnopfCol", "Knopf", kRotaryKnobColorItems,
                                         kRotaryKnobColorItems.IndexOf(Poti->ColButton()), 353, 104,
                                         113, 96, [this](TColor v) { Poti->SetColButton(v); });
  SelCaption = AddSelectorGroup<TCaptionLook>(
      loader, "SelCaption", "Caption", kCaptionLookItems, 0, 236, 204, 113, 96,
      [this](const TCaptionLook& v) { ApplyCaptionLook(Poti, v); });

  PresetEnable = AddCheck(loader, "PresetEnable", "PresetEnable", 353, 210);
  BindCheckFollower(PresetEnable, [this](bool on) { Poti->SetPresEnable(on); });
  EventSel = AddCheck(loader, "EventSel", "OnChanged", 353, 232);
  EventSel->SetHint("Event select\rOnChanging\rOnChanged");
  EventSel->SetShowHint(true);

  Poti->onChanging = SelectedEvent(EventSel, false, [this] { ShowValue(); });
  Poti->onChanged = SelectedEvent(EventSel, true, [this] { ShowValue(); });
  Poti->onPreset = [this](TObject*) {
    Poti->SetValue(5.0);
    ShowValue();
  };

  AddCloser(loader, 376, 280);
  loader.Finish();
  ShowValue();
}

void TPoti270Demo::ShowValue() { ValueOut->SetText(FloatToStrF(Poti->Value(), ffFixed, 6, 3)); }
