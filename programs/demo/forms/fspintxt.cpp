#include "programs/demo/forms/fspintxt.h"

#include <algorithm>

namespace {

const TItemValues<TColor> kBackColors{{"schwarz", "weiss", "rot", "blau"},
                                      {0x000000, 0xFFFFFF, 0x0000FF, 0xFFFF00}};

}  // namespace

TTextSpinDemo::TTextSpinDemo(TComponent* AOwner) : TDemoForm(AOwner, "TTextSpinDemo") {
  TFormLoader loader(this);

  TextSpin = loader.Add<TTextSpin>("TextSpin");
  TextSpin->SetBounds(8, 8, 180, 36);
  TextSpin->PosText()->SetText(
      "1 usec     | clBlack | 1e-6\n10 usec   | 14 | 1e-5\n100 usec  | clRed | 1e-4\n"
      "1 msec     | 6   | 0.001\n10 msec   | 87 | 0.01\n100 msec | $ff00ff | 1e-1");
  TextSpin->SetLimiter(false);
  TextSpin->SetRepSpeed(0);

  Memo = loader.Add<TMemo>("Memo");
  Memo->SetBounds(8, 52, 180, 110);
  Memo->SetWordWrap(false);
  Memo->SetScrollBars(ssVertical);

  Readout = AddReadoutBlock(loader, 196, 4, 140, 6);
  TextSpin->onChanging = SelectedEvent(Readout.EventSel, false, [this] { ShowReadout(); });
  TextSpin->onChanged = SelectedEvent(Readout.EventSel, true, [this] { ShowReadout(); });

  UpdateBtn = loader.Add<TButton>("UpdateBtn");
  UpdateBtn->SetBounds(196, 136, 80, 25);
  UpdateBtn->SetCaption("Update");
  UpdateBtn->OnClick = [this](TObject*) { UpdateList(); };

  auto* speed_label = loader.Add<TLabel>("SpeedLabel");
  speed_label->SetBounds(346, 8, 128, 16);
  speed_label->SetCaption("Repeat");
  SelSpeed = loader.Add<TTextSpin>("SelSpeed");
  SelSpeed->SetBounds(346, 26, 128, 30);
  SelSpeed->PosText()->SetText("off\n1/sec |1000\n2/sec |500\n3/sec |333\n4/sec |250\n5/sec |200");
  SelSpeed->onChanged = [this](TObject*) { TextSpin->SetRepSpeed(SelSpeed->PosInteger()); };

  Anschlag = loader.Add<TCheckBox>("Anschlag");
  Anschlag->SetBounds(346, 66, 128, 20);
  Anschlag->SetCaption("Anschlag");
  BindCheckFollower(Anschlag, [this](bool on) { TextSpin->SetLimiter(on); });

  SelBevelOut =
      AddSelectorGroup<TPanelBevel>(loader, "SelBevelOut", "Rahmen aussen", kBevelItems,
                                    kBevelItems.IndexOf(TextSpin->BevelOut()), 8, 170, 114, 96,
                                    [this](TPanelBevel v) { TextSpin->SetBevelOut(v); });
  SelBevelIn = AddSelectorGroup<TPanelBevel>(
      loader, "SelBevelIn", "Rahmen innen", kBevelItems, kBevelItems.IndexOf(TextSpin->BevelIn()),
      126, 170, 114, 96, [this](TPanelBevel v) { TextSpin->SetBevelIn(v); });
  SelColor = AddSelectorGroup<TColor>(loader, "SelColor", "Hintergrund", kBackColors,
                                      kBackColors.IndexOf(TextSpin->ColTxtBack()), 244, 170, 114,
                                      96, [this](TColor v) { TextSpin->SetColTxtBack(v); });
  SelTextCol =
      AddSelectorGroup<TColor>(loader, "SelTextCol", "Text", kTextColorItems,
                               kTextColorItems.IndexOf(TextSpin->Font()->Color()), 362, 170, 114,
                               96, [this](TColor v) { TextSpin->Font()->SetColor(v); });

  AddCloser(loader, 399, 136);
  loader.Finish();
  Memo->Lines()->Assign(*TextSpin->PosText());
}

void TTextSpinDemo::UpdateList() {
  TextSpin->PosText()->Assign(*Memo->Lines());
  // The spin keeps its position when its list changes; a shorter list must not leave it past
  // the last line (an empty list leaves it at 0).
  const int last = TextSpin->PosText()->Count() - 1;
  if (TextSpin->Position() > last) TextSpin->SetPosition(std::max(last, 0));
}

void TTextSpinDemo::ShowReadout() {
  Readout.Readout.Show(TextSpin->Position(), TextSpin->PosInteger(), TextSpin->PosFloat(),
                       TextSpin->PosColor());
}
