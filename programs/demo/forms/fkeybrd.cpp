#include "programs/demo/forms/fkeybrd.h"

namespace {

TAlphaBar* AddBar(TFormLoader& Loader, const std::string& Name, const char* Lines,
                  const TRect& Box) {
  auto* bar = Loader.Add<TAlphaBar>(Name);
  bar->SetBoundsRect(Box);
  bar->SetBorderStyle(bsSingle);
  TStringList lines;
  lines.SetText(Lines);
  bar->SetAlphaButtons(&lines);
  TFont font;
  font.SetName("System");
  font.SetHeight(-13);
  bar->SetButtonFont(&font);
  return bar;
}

TLabel* AddLabel(TFormLoader& Loader, const std::string& Name, const TRect& Box) {
  auto* label = Loader.Add<TLabel>(Name);
  label->SetBoundsRect(Box);
  label->SetAutoSize(false);
  label->SetAlignment(taCenter);
  label->SetColor(clWhite);
  label->SetCaption("");
  return label;
}

// The bar's character on its label; nothing when no character is chosen.
void ShowActive(const TAlphaBar* Bar, TLabel* Label) {
  DemoBeep();
  const char c = Bar->ActiveButton();
  Label->SetCaption(c == 0 ? std::string() : std::string(1, c));
}

}  // namespace

TKeyBoardDemo::TKeyBoardDemo(TComponent* AOwner) : TDemoForm(AOwner, "TKeyBoardDemo") {
  TFormLoader loader(this);

  AlphaBar1 = AddBar(loader, "AlphaBar1", "1234567890\n qwertzuiop\nasdfghjkl\n yxcvbnm +-*/",
                     {8, 8, 244, 89});
  AlphaBar1->SetRastButtons(false);
  AlphaBar1->SetButtonXSpacing(1);
  AlphaBar1->SetButtonYSpacing(1);
  Label1 = AddLabel(loader, "Label1", {8, 104, 48, 128});
  AlphaBar1->OnValueChange = [this](TObject*) { ShowActive(AlphaBar1, Label1); };

  AlphaBar2 = AddBar(loader, "AlphaBar2", "1\n2\n3\n4\n5\n6\n7\n8\n9\n0", {288, 4, 314, 209});
  AlphaBar2->SetRastButtons(true);
  AlphaBar2->SetLocked(true);
  AlphaBar2->SetAllowAllUp(true);
  AlphaBar2->SetButtonYSpacing(2);
  Label2 = AddLabel(loader, "Label2", {232, 104, 272, 128});
  AlphaBar2->OnValueChange = [this](TObject*) { ShowActive(AlphaBar2, Label2); };

  AddCloser(loader, 8, 180);
  loader.Finish();
}
