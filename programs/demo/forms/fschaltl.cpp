#include "programs/demo/forms/fschaltl.h"

namespace {

TSelectorSlide* AddSelector(TFormLoader& Loader, const std::string& Name, const char* Caption,
                            const std::vector<std::string>& Entries, int Left) {
  auto* selector = Loader.Add<TSelectorSlide>(Name);
  selector->SetBounds(Left, 8, 78, 184);
  selector->SetCaption(Caption);
  selector->PosText()->Clear();
  for (const std::string& entry : Entries) selector->PosText()->Add(entry);
  selector->SetScalaPart(int(Entries.size()) - 1);
  return selector;
}

}  // namespace

TSchaltLinDemo::TSchaltLinDemo(TComponent* AOwner) : TDemoForm(AOwner, "TSchaltLinDemo") {
  TFormLoader loader(this);

  Selector = AddSelector(loader, "Selector", "Select",
                         {"Ch 1  | 23 | 0.06", "Ch 2  | clRed | 27.9", "Ext 1 | $ff00 | 3e-3",
                          "Ext 2 | $ff00FF | -0.1"},
                         8);
  Selector->SetCaptEnable(false);
  // The ninth position has an empty entry: it shows no label and reads as zeros.
  SelectorSlide1 = AddSelector(loader, "SelectorSlide1", "Eing",
                               {"Ch 1 | 10", "Ch 2 | 200", "Ch 3 | 34", "Ch 4 | 48", "Ch 5 | 510",
                                "Ch 6 | 63", "Ch 7 | 778", "Ch 8 | 81", ""},
                               90);
  SelectorSlide1->SetCaptEnable(true);
  SelectorSlide1->SetPresEnable(true);
  SelectorSlide1->onChanged = BeepHandler();
  SelectorSlide1->onPreset = [this](TObject*) { SelectorSlide1->SetPosinteger(510); };
  SelectorSlide2 =
      AddSelector(loader, "SelectorSlide2", "Ausg",
                  {"Com1 | clBlack | 0.1", "Com2 | clBlue | 0.2", "Com3 | clRed | 0.3",
                   "Com4 | clGreen | 0.4", "Lpt 1 | clGray | 0.5", "Lpt 2 | clWhite | 0.6"},
                  172);
  SelectorSlide2->SetCaptEnable(true);
  SelectorSlide2->SetPresEnable(true);
  SelectorSlide2->onChanging = BeepHandler();
  SelectorSlide2->onPreset = [this](TObject*) { SelectorSlide2->SetPosColor(0xFFFFFF); };

  SelCaption = AddSelectorGroup<TCaptionLook>(
      loader, "SelCaption", "Caption", kCaptionLookItems,
      kCaptionLookItems.IndexOf({Selector->CaptEnable(), Selector->CaptBevel()}), 8, 198, 242, 62,
      [this](const TCaptionLook& v) { ApplyCaptionLook(Selector, v); });
  SelCaption->SetColumns(2);
  PresetEnable = loader.Add<TCheckBox>("PresetEnable");
  PresetEnable->SetBounds(8, 266, 140, 20);
  PresetEnable->SetCaption("PresetEnable");
  BindCheckFollower(PresetEnable, [this](bool on) { Selector->SetPresEnable(on); });

  Readout = AddReadoutBlock(loader, 258, 4, 140, 6);
  Readout.Readout.Beep = false;
  Selector->onChanging = SelectedEvent(Readout.EventSel, false, [this] { ShowReadout(); });
  Selector->onChanged = SelectedEvent(Readout.EventSel, true, [this] { ShowReadout(); });
  Selector->onPreset = [this](TObject*) {
    Selector->SetPosition(1);
    ShowReadout();
  };

  SelBevelOut =
      AddSelectorGroup<TPanelBevel>(loader, "SelBevelOut", "Rahmen aussen", kBevelItems,
                                    kBevelItems.IndexOf(Selector->BevelOut()), 258, 132, 140, 76,
                                    [this](TPanelBevel v) { Selector->SetBevelOut(v); });
  SelBevelIn = AddSelectorGroup<TPanelBevel>(
      loader, "SelBevelIn", "Rahmen innen", kBevelItems, kBevelItems.IndexOf(Selector->BevelIn()),
      258, 212, 140, 76, [this](TPanelBevel v) { Selector->SetBevelIn(v); });
  SelScalaCol = AddSelectorGroup<TColor>(loader, "SelScalaCol", "Skala", kWhiteColorItems,
                                         kWhiteColorItems.IndexOf(Selector->ColScala()), 404, 4, 92,
                                         92, [this](TColor v) { Selector->SetColScala(v); });
  SelTextCol =
      AddSelectorGroup<TColor>(loader, "SelTextCol", "Text", kWhiteColorItems,
                               kWhiteColorItems.IndexOf(Selector->Font()->Color()), 404, 100, 92,
                               92, [this](TColor v) { Selector->Font()->SetColor(v); });

  AddCloser(loader, 413, 259);
  loader.Finish();
}

void TSchaltLinDemo::ShowReadout() {
  Readout.Readout.Show(Selector->Position(), Selector->Posinteger(), Selector->PosFloat(),
                       Selector->PosColor());
}
