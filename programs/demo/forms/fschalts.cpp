#include "programs/demo/forms/fschalts.h"

TSchalterDemo::TSchalterDemo(TComponent* AOwner) : TDemoForm(AOwner, "TSchalterDemo") {
  TFormLoader loader(this);

  Schalter1 = loader.Add<TSlideButton>("Schalter1");
  Schalter1->SetBounds(24, 16, 60, 110);
  Schalter1->SetTextPos1("ON");
  Schalter1->SetColTextPos1(clLime);
  Schalter1->SetTextPos2("OFF");
  Schalter1->SetColTextPos2(clYellow);
  Schalter1->SetColorPos1(clRed);
  Schalter1->SetColorPos2(clBlue);
  Schalter1->SetPosition(swPos2);
  Schalter1->KeyChange = BeepHandler();

  for (int i = 0; i < 4; ++i) {
    const std::string text = "Ch" + std::to_string(i + 1);
    SchalterS[i] = loader.Add<TSlideButton>("SchalterS" + std::to_string(i + 1));
    // Lined up edge to edge, like a row of DIP switches.
    SchalterS[i]->SetBounds(108 + i * 40, 16, 40, 110);
    SchalterS[i]->SetTextPos1(text);
    SchalterS[i]->SetTextPos2(text);
  }

  auto* on_label = loader.Add<TLabel>("Label1");
  on_label->SetBounds(16, 148, 62, 16);
  on_label->SetCaption("TextPos1");
  Edit1 = loader.Add<TEdit>("Edit1");
  Edit1->SetBounds(80, 144, 72, 22);
  Edit1->SetText("ON");
  auto* off_label = loader.Add<TLabel>("Label2");
  off_label->SetBounds(16, 178, 62, 16);
  off_label->SetCaption("TextPos2");
  Edit2 = loader.Add<TEdit>("Edit2");
  Edit2->SetBounds(80, 174, 72, 22);
  Edit2->SetText("OFF");
  BindTextFollower(Edit1, [this](const std::string& s) { Schalter1->SetTextPos1(s); });
  BindTextFollower(Edit2, [this](const std::string& s) { Schalter1->SetTextPos2(s); });

  BorderGroup = loader.Add<TGroupBox>("BorderGroup");
  BorderGroup->SetBounds(284, 8, 119, 120);
  BorderGroup->SetCaption("Border/Anreihen");
  struct Side {
    const char* Name;
    const char* Caption;
    TCheckBox** Box;
    void (TSlideButton::*Set)(bool);
  };
  const Side sides[] = {
      {"CheckTop", "oben", &BordTopCheck, &TSlideButton::SetBordTop},
      {"CheckRight", "rechts", &BordRightCheck, &TSlideButton::SetBordRight},
      {"CheckLeft", "links", &BordLeftCheck, &TSlideButton::SetBordLeft},
      {"CheckBottom", "unten", &BordBottomCheck, &TSlideButton::SetBordBottom},
  };
  int top = 22;
  for (const Side& side : sides) {
    TCheckBox* box = loader.Add<TCheckBox>(side.Name, BorderGroup);
    box->SetBounds(12, top, 96, 20);
    box->SetCaption(side.Caption);
    box->SetChecked(true);
    auto set = side.Set;
    BindCheckFollower(box, [this, set](bool on) { (Schalter1->*set)(on); });
    *side.Box = box;
    top += 23;
  }

  SelBevelOut = loader.Add<TRadioGroup>("SelBevelOut");
  SelBevelOut->SetBounds(160, 144, 119, 84);
  SelBevelOut->SetCaption("Rahmen aussen");
  BindSelector<TPanelBevel>(SelBevelOut, kBevelItems,
                            [this](TPanelBevel v) { Schalter1->SetBevelOut(v); });
  SelBevelOut->SetItemIndex(1);

  SelBevelIn = loader.Add<TRadioGroup>("SelBevelIn");
  SelBevelIn->SetBounds(284, 144, 119, 84);
  SelBevelIn->SetCaption("Rahmen innen");
  BindSelector<TPanelBevel>(SelBevelIn, kBevelItems,
                            [this](TPanelBevel v) { Schalter1->SetBevelIn(v); });
  SelBevelIn->SetItemIndex(0);

  AddCloser(loader, 325, 246);
  loader.Finish();
}
