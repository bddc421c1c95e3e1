#include "programs/demo/forms/fscha270.h"

namespace {

TCheckBox* AddCheck(TFormLoader& Loader, const std::string& Name, const char* Caption, int Top) {
  auto* box = Loader.Add<TCheckBox>(Name);
  box->SetBounds(128, Top, 104, 20);
  box->SetCaption(Caption);
  return box;
}

}  // namespace

TSchalt270Demo::TSchalt270Demo(TComponent* AOwner) : TDemoForm(AOwner, "TSchalt270Demo") {
  TFormLoader loader(this);

  Schalter = loader.Add<TSelector270>("Schalter");
  Schalter->SetBounds(8, 8, 224, 224);
  Schalter->PosText()->SetText(
      "1\n2  | clWhite | 78.9\n3  |clRed |\n4  | 4 |\n5  | clBlue | 0.76\n6  | 6 | 45\n7  | 7\n"
      "8  | $ff | 123.4\n9  | $ff00 | -56.8\n10 | $FF00FF |\n11 | 11\n12 | $808080|");
  Schalter->SetScalaPart(4);
  Schalter->SetCaption("Eingang");
  Schalter->SetCaptEnable(false);

  auto* parts_label = loader.Add<TLabel>("PartsLabel");
  parts_label->SetBounds(8, 240, 110, 16);
  parts_label->SetCaption("Teilung");
  TextSpin = loader.Add<TTextSpin>("TextSpin");
  TextSpin->SetBounds(8, 258, 110, 30);
  std::string parts;
  for (int n = 2; n <= 11; ++n) {
    parts += (parts.empty() ? "" : "\n") + std::to_string(n) + " | " + std::to_string(n);
  }
  TextSpin->PosText()->SetText(parts);
  TextSpin->SetPosition(2);
  TextSpin->SetRepSpeed(800);
  TextSpin->onChanging = [this](TObject*) { Schalter->SetScalaPart(TextSpin->PosInteger()); };

  CaptionCheck = AddCheck(loader, "CaptionCheck", "Caption", 244);
  BindCheckFollower(CaptionCheck, [this](bool on) { Schalter->SetCaptEnable(on); });
  PresetEnable = AddCheck(loader, "PresetEnable", "PresetEnable", 268);
  BindCheckFollower(PresetEnable, [this](bool on) { Schalter->SetPresEnable(on); });

  Readout = AddReadoutBlock(loader, 240, 4, 150, 8);
  Schalter->onChanging = SelectedEvent(Readout.EventSel, false, [this] { ShowReadout(); });
  Schalter->onChanged = SelectedEvent(Readout.EventSel, true, [this] { ShowReadout(); });
  Schalter->onPreset = [this](TObject*) {
    Schalter->SetPosition(2);
    ShowReadout();
  };

  SelScalaCol = AddSelectorGroup<TColor>(loader, "SelScalaCol", "Skala", kWhiteColorItems,
                                         kWhiteColorItems.IndexOf(Schalter->ColScala()), 240, 132,
                                         114, 88, [this](TColor v) { Schalter->SetColScala(v); });
  SelTextCol =
      AddSelectorGroup<TColor>(loader, "SelTextCol", "Text", kWhiteColorItems,
                               kWhiteColorItems.IndexOf(Schalter->Font()->Color()), 358, 132, 114,
                               88, [this](TColor v) { Schalter->Font()->SetColor(v); });
  SelZeigerCol =
      AddSelectorGroup<TColor>(loader, "SelZeigerCol", "Zeiger", kRotaryPointerColorItems,
                               kRotaryPointerColorItems.IndexOf(Schalter->ColPointer()), 240, 224,
                               114, 88, [this](TColor v) { Schalter->SetColPointer(v); });
  SelKnopfCol =
      AddSelectorGroup<TColor>(loader, "SelKnopfCol", "Knopf", kRotaryKnobColorItems,
                               kRotaryKnobColorItems.IndexOf(Schalter->ColButton()), 358, 224, 114,
                               88, [this](TColor v) { Schalter->SetColButton(v); });

  AddCloser(loader, 397, 103);
  loader.Finish();
}

void TSchalt270Demo::ShowReadout() {
  Readout.Readout.Show(Schalter->Position(), Schalter->Posinteger(), Schalter->PosFloat(),
                       Schalter->PosColor());
}
