#include "programs/demo/forms/strokdlg.h"

#include <functional>
#include <string>

#include "platform/base/strings.h"

namespace {

const TItemValues<TJustHor> kHorItems{{"Links bündig"_ansi, "Zentriert", "Rechts bündig"_ansi},
                                      {stLeft, stCenter, stRight}};
const TItemValues<TJustVert> kVertItems{{"unten", "mitte", "oben"}, {stBottom, stMiddle, stTop}};

// An integer field with its label; leaving it hands its value to Apply.
TNumEdit* AddNumber(TFormLoader& Loader, const char* Name, const std::string& Caption, int Min,
                    int Max, int Value, const std::string& Unit, int Top,
                    std::function<void(int)> Apply) {
  auto* label = Loader.Add<TLabel>(std::string("Label") + Name);
  label->SetBounds(220, Top + 6, 56, 16);
  label->SetCaption(Caption);
  auto* edit = Loader.Add<TNumEdit>(Name);
  edit->SetBounds(278, Top, 114, 26);
  edit->SetDigits(0);
  edit->SetValueMin(Min);
  edit->SetValueMax(Max);
  edit->SetValueInt(Value);
  edit->SetUnitText(Unit);
  edit->OnExit = [edit, Apply](TObject*) { Apply(edit->ValueInt()); };
  return edit;
}

}  // namespace

TStrokeTextDlg::TStrokeTextDlg(TComponent* AOwner) : TDemoForm(AOwner, "TStrokeTextDlg") {
  TFormLoader loader(this);

  StrokeBevel = loader.Add<TStroke>("StrokeBevel");
  StrokeBevel->SetBounds(8, 8, 200, 200);
  StrokeBevel->SetsString("ABC");
  StrokeBevel->SetSizeX(40);
  StrokeBevel->SetSizeY(60);
  StrokeBevel->SetRotate(0);
  StrokeBevel->SetBold(6);
  StrokeBevel->SetJustifyHor(stCenter);
  StrokeBevel->SetJustifyVert(stMiddle);
  StrokeBevel->SetPositionX(100);
  StrokeBevel->SetPositionY(100);
  StrokeBevel->SetColor(clBlack);

  auto* text_label = loader.Add<TLabel>("LabelText");
  text_label->SetBounds(220, 11, 56, 16);
  text_label->SetCaption("Text");
  EditFeld = loader.Add<TEdit>("EditFeld");
  EditFeld->SetBounds(278, 8, 114, 22);
  EditFeld->SetMaxLength(16);
  EditFeld->SetText("ABC");
  BindTextFollower(EditFeld, [this](const std::string& s) { StrokeBevel->SetsString(s); });

  WinkelEdit = AddNumber(loader, "WinkelEdit", "Winkel", 0, 360, 0, std::string(" ") + char(186),
                         40, [this](int v) { StrokeBevel->SetRotate(v); });
  xSize = AddNumber(loader, "xSize", "Breite", 4, 99, 40, " pix", 72,
                    [this](int v) { StrokeBevel->SetSizeX(v); });
  ySize = AddNumber(loader, "ySize", "Höhe"_ansi, 6, 99, 60, " pix", 104,
                    [this](int v) { StrokeBevel->SetSizeY(v); });
  Pen = AddNumber(loader, "Pen", "Strich", 1, 20, 6, " pix", 136,
                  [this](int v) { StrokeBevel->SetBold(v); });

  auto* colour_label = loader.Add<TLabel>("LabelColor");
  colour_label->SetBounds(406, 11, 100, 16);
  colour_label->SetCaption("Farbe");
  TextColor = loader.Add<TColorGrid>("TextColor");
  TextColor->SetBounds(406, 32, 100, 100);
  TextColor->SetBackgroundEnabled(false);
  TextColor->OnClick = [this](TObject*) { StrokeBevel->SetColor(TextColor->ForegroundColor()); };

  TextJustifyHor = loader.Add<TRadioGroup>("TextJustifyHor");
  TextJustifyHor->SetBounds(220, 168, 130, 72);
  TextJustifyHor->SetCaption("horizontal");
  BindSelector<TJustHor>(TextJustifyHor, kHorItems,
                         [this](TJustHor v) { StrokeBevel->SetJustifyHor(v); });
  TextJustifyHor->SetItemIndex(1);

  TextJustifyVert = loader.Add<TRadioGroup>("TextJustifyVert");
  TextJustifyVert->SetBounds(358, 168, 80, 72);
  TextJustifyVert->SetCaption("vertikal");
  BindSelector<TJustVert>(TextJustifyVert, kVertItems,
                          [this](TJustVert v) { StrokeBevel->SetJustifyVert(v); });
  TextJustifyVert->SetItemIndex(1);

  MirrorCheck = loader.Add<TCheckBox>("MirrorCheck");
  MirrorCheck->SetBounds(8, 220, 90, 18);
  MirrorCheck->SetCaption("spiegeln");
  BindCheckFollower(MirrorCheck, [this](bool v) { StrokeBevel->SetMirror(v); });
  ItalicCheck = loader.Add<TCheckBox>("ItalicCheck");
  ItalicCheck->SetBounds(108, 220, 90, 18);
  ItalicCheck->SetCaption("italic");
  BindCheckFollower(ItalicCheck, [this](bool v) { StrokeBevel->SetItalic(v); });

  OKBtn = AddCloser(loader, 446, 232, 60, 26);
  loader.Finish();

  // The text field has the focus when the dialog first comes up.
  OnActivate = [this](TObject*) {
    if (FFirstActivation) EditFeld->SetFocus();
    FFirstActivation = false;
  };
}
