#include "programs/demo/forms/formbev.h"

TBevelDemo::TBevelDemo(TComponent* AOwner) : TDemoForm(AOwner, "TBevelDemo") {
  TFormLoader loader(this);

  Bevel3D1 = loader.Add<TBevel3D>("Bevel3D1");
  Bevel3D1->SetBounds(12, 12, 164, 84);
  Bevel3D1->SetBevelOut(bvRaised);
  Bevel3D1->SetCaption("Bevel 3D");
  Bevel3D1->SetCaption1("Text 2");
  Bevel3D1->SetColCaption(clWhite);
  Bevel3D1->SetColCaption1(clRed);
  Bevel3D1->SetColCaptBack(clBlue);
  Bevel3D1->SetCaptEnable(false);
  Bevel3D1->SetTextAdjust(ttCenter);
  Bevel3D1->SetButtonStyle(tsNone);
  Bevel3D1->SetHint("TBevel3D");
  Bevel3D1->SetShowHint(true);
  Bevel3D1->OnClick = BeepHandler();

  Bevel3D2 = loader.Add<TBevel3D>("Bevel3D2");
  Bevel3D2->SetBounds(12, 106, 164, 104);
  Bevel3D2->SetBevelOut(bvRaised);
  Bevel3D2->SetBevelIn(bvLowered);
  Bevel3D2->SetColBgnd(clBlack);
  Bevel3D2->SetWordWrap(true);
  Bevel3D2->SetButtonStyle(tsPushPull);
  Bevel3D2->SetCaptEnable(true);
  Bevel3D2->SetCaptBevel(bvRaised);
  Bevel3D2->SetCaption("Das ist ein WordWrap Demo |This is a wordwrap demo");
  Bevel3D2->SetCaption1("This is a wordwrap demo|Das ist ein WordWrap Demo");
  Bevel3D2->SetColCaption(clBlack);
  Bevel3D2->SetColCaption1(clGreen);
  Bevel3D2->SetColCaptBack(clSilver);

  auto* caption_label = loader.Add<TLabel>("Label1");
  caption_label->SetBounds(12, 220, 60, 15);
  caption_label->SetCaption("Caption:");
  Edit1 = loader.Add<TEdit>("Edit1");
  Edit1->SetBounds(80, 217, 96, 21);
  Edit1->SetText("Bevel 3D");
  auto* caption1_label = loader.Add<TLabel>("Label2");
  caption1_label->SetBounds(12, 248, 60, 15);
  caption1_label->SetCaption("Caption1:");
  Edit2 = loader.Add<TEdit>("Edit2");
  Edit2->SetBounds(80, 245, 96, 21);
  Edit2->SetText("Text 2");
  BindTextFollower(Edit1, [this](const std::string& s) { Bevel3D1->SetCaption(s); });
  BindTextFollower(Edit2, [this](const std::string& s) { Bevel3D1->SetCaption1(s); });

  SelTexte = loader.Add<TRadioGroup>("SelTexte");
  SelTexte->SetBounds(190, 8, 112, 62);
  SelTexte->SetCaption("Text");
  SelTexte->Items()->SetText("ohne Text\nmit Text");
  SelTexte->SetItemIndex(0);
  SelTexte->OnClick = [this](TObject* Sender) { SelTexteClick(Sender); };

  SelTextBevel = loader.Add<TRadioGroup>("SelTextBevel");
  SelTextBevel->SetBounds(190, 76, 112, 80);
  SelTextBevel->SetCaption("Text-Rahmen");
  BindSelector<TPanelBevel>(SelTextBevel, kCaptionBevelItems,
                            [this](TPanelBevel v) { Bevel3D1->SetCaptBevel(v); });
  SelTextBevel->SetItemIndex(0);

  SelTextAdj = loader.Add<TRadioGroup>("SelTextAdj");
  SelTextAdj->SetBounds(190, 162, 112, 80);
  SelTextAdj->SetCaption("Ausrichtung");
  BindSelector<TTextStyle>(SelTextAdj, kAlignItems,
                           [this](TTextStyle v) { Bevel3D1->SetTextAdjust(v); });
  SelTextAdj->SetItemIndex(1);

  SelSchalter = loader.Add<TRadioGroup>("SelSchalter");
  SelSchalter->SetBounds(308, 8, 111, 80);
  SelSchalter->SetCaption("Schalter");
  BindSelector<TTastStyle>(SelSchalter, kSwitchItems,
                           [this](TTastStyle v) { Bevel3D1->SetButtonStyle(v); });
  SelSchalter->SetItemIndex(0);

  SelBevelOut = loader.Add<TRadioGroup>("SelBevelOut");
  SelBevelOut->SetBounds(308, 94, 111, 80);
  SelBevelOut->SetCaption("Rahmen aussen");
  BindSelector<TPanelBevel>(SelBevelOut, kBevelItems,
                            [this](TPanelBevel v) { Bevel3D1->SetBevelOut(v); });
  SelBevelOut->SetItemIndex(1);

  SelBevelIn = loader.Add<TRadioGroup>("SelBevelIn");
  SelBevelIn->SetBounds(308, 180, 111, 80);
  SelBevelIn->SetCaption("Rahmen innen");
  BindSelector<TPanelBevel>(SelBevelIn, kBevelItems,
                            [this](TPanelBevel v) { Bevel3D1->SetBevelIn(v); });
  SelBevelIn->SetItemIndex(0);

  AddCloser(loader, 344, 274);
  loader.Finish();
}

void TBevelDemo::SelTexteClick(TObject*) {
  if (SelTexte->ItemIndex() == 1) {
    Bevel3D1->SetCaption(Edit1->Text());
    Bevel3D1->SetCaption1(Edit2->Text());
    Bevel3D1->SetCaptEnable(true);
  } else if (SelTexte->ItemIndex() == 0) {
    Bevel3D1->SetCaptEnable(false);
  }
}
