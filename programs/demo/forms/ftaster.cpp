#include "programs/demo/forms/ftaster.h"

#include "programs/demo/forms/demopictures.h"

namespace {

const TItemValues<TPictStyle> kRowItems{
    {"BitMap", "1-zeilig", "2-zeilig", "3-zeilig"},
    {TPictStyle::Picture, TPictStyle::oneRow, TPictStyle::twoRow, TPictStyle::threeRow}};
const TItemValues<bool> kLightItems{{"aus", "blink"}, {false, true}};
const TItemValues<TShapeTypeT> kShapeItems{
    {"Kreis", "Rechteck", "Rechteck rund", "Quadrat", "Quadrat rund"},
    {sstCircle, sstRectangle, sstRoundrect, sstSquare, sstRoundSquare}};

TRadioGroup* AddGroup(TFormLoader& Loader, const char* Name, const char* Caption, int Left, int Top,
                      int Width, int Height) {
  auto* group = Loader.Add<TRadioGroup>(Name);
  group->SetBounds(Left, Top, Width, Height);
  group->SetCaption(Caption);
  return group;
}

TPictButton* AddTaster(TFormLoader& Loader, const char* Name, int Left, TTastStyle Style,
                       const char* Picture) {
  auto* button = Loader.Add<TPictButton>(Name);
  button->SetBounds(Left, 12, 76, 76);
  button->SetText("Aus");
  button->SetText1("Ein");
  button->SetText2("Stop");
  button->Font()->SetName("Arial");
  button->Font()->SetHeight(-13);
  button->Font()->SetColor(clLime);
  for (TFont* font : {button->Font1(), button->Font2()}) {
    font->SetName("Arial");
    font->SetHeight(-13);
    font->SetColor(clRed);
  }
  button->SetColBack(clBlack);
  button->SetColBorder(clWhite);
  button->SetShape(sstRoundrect);
  button->SetPictStyle(TPictStyle::Picture);
  button->SetSymbol(LoadDemoPicture(Picture).get());
  button->SetButtonStyle(Style);
  button->OnClick = BeepHandler();
  return button;
}

TEdit* AddRowEdit(TFormLoader& Loader, const char* Name, const char* Label, const char* Text,
                  int Top) {
  auto* label = Loader.Add<TLabel>(std::string("Label") + Name);
  label->SetBounds(8, Top + 4, 60, 16);
  label->SetCaption(Label);
  auto* edit = Loader.Add<TEdit>(Name);
  edit->SetBounds(72, Top, 120, 22);
  edit->SetText(Text);
  return edit;
}

}  // namespace

TTasterDemo::TTasterDemo(TComponent* AOwner) : TDemoForm(AOwner, "TTasterDemo") {
  TFormLoader loader(this);

  Taster = AddTaster(loader, "Taster", 8, tsNone, "pictoff.bmp");
  Taster2 = AddTaster(loader, "Taster2", 92, tsPush, "picton.bmp");
  Taster3 = AddTaster(loader, "Taster3", 176, tsPushPull, "pictstop.bmp");
  for (TPictButton* button : {Taster2, Taster3}) {
    button->OnDown = [button](TObject*) { button->SetBlinkOn(true); };
    button->OnUp = [button](TObject*) { button->SetBlinkOn(false); };
  }

  Zeile1 = AddRowEdit(loader, "Zeile1", "Zeile 1", "Aus", 112);
  Zeile2 = AddRowEdit(loader, "Zeile2", "Zeile 2", "Ein", 140);
  Zeile3 = AddRowEdit(loader, "Zeile3", "Zeile 3", "Stop", 168);
  BindTextFollower(Zeile1, [this](const std::string& s) { Taster->SetText(s); });
  BindTextFollower(Zeile2, [this](const std::string& s) { Taster->SetText1(s); });
  BindTextFollower(Zeile3, [this](const std::string& s) { Taster->SetText2(s); });

  SelColor = AddGroup(loader, "SelColor", "Farbe", 8, 200, 110, 104);
  BindSelector<TColor>(SelColor, kTextColorItems, [this](TColor v) { Taster->SetColBack(v); });

  SelLeucht = AddGroup(loader, "SelLeucht", "Leuchten", 128, 200, 110, 62);
  BindSelector<bool>(SelLeucht, kLightItems, [this](bool v) { Taster->SetBlinkOn(v); });
  SelLeucht->SetItemIndex(0);

  SelForm = AddGroup(loader, "SelForm", "Form", 258, 8, 124, 120);
  BindSelector<TShapeTypeT>(SelForm, kShapeItems, [this](TShapeTypeT v) { Taster->SetShape(v); });
  SelForm->SetItemIndex(2);

  SelZeilen = AddGroup(loader, "SelZeilen", "Zeilen", 258, 134, 124, 100);
  BindSelector<TPictStyle>(SelZeilen, kRowItems, [this](TPictStyle v) { Taster->SetPictStyle(v); });
  SelZeilen->SetItemIndex(0);

  SelBevelOut = AddGroup(loader, "SelBevelOut", "Rahmen aussen", 386, 8, 124, 84);
  BindSelector<TPanelBevel>(SelBevelOut, kBevelItems,
                            [this](TPanelBevel v) { Taster->SetBevelOut(v); });
  SelBevelOut->SetItemIndex(1);

  SelBevelIn = AddGroup(loader, "SelBevelIn", "Rahmen innen", 386, 98, 124, 84);
  BindSelector<TPanelBevel>(SelBevelIn, kBevelItems,
                            [this](TPanelBevel v) { Taster->SetBevelIn(v); });
  SelBevelIn->SetItemIndex(0);

  SelSchalter = AddGroup(loader, "SelSchalter", "Schalter", 386, 188, 124, 84);
  BindSelector<TTastStyle>(SelSchalter, kSwitchItems,
                           [this](TTastStyle v) { Taster->SetButtonStyle(v); });
  SelSchalter->SetItemIndex(0);

  AddCloser(loader, 426, 284, 84, 25);
  loader.Finish();
}
