#include "programs/demo/forms/frollfrm.h"

#include <string>

#include "programs/demo/forms/demopictures.h"

namespace {

constexpr TOrientType kOrientations[] = {orLeft, orBottom, orRight, orTop};
constexpr TArrBtnShape kShapes[] = {taArrow, taCircle, taSquare};

TTextSpin* AddSpin(TFormLoader& Loader, const char* Name, const char* Caption, const char* Lines,
                   int Top) {
  auto* label = Loader.Add<TLabel>(std::string("Label") + Name);
  label->SetBounds(272, Top, 138, 16);
  label->SetCaption(Caption);
  auto* spin = Loader.Add<TTextSpin>(Name);
  spin->SetBounds(272, Top + 18, 138, 26);
  spin->SetColTxtBack(clBlack);
  spin->Font()->SetColor(clLime);
  spin->PosText()->SetText(Lines);
  return spin;
}

TRollBar* AddBar(TFormLoader& Loader, const char* Name, const char* Caption, TWinControl* Parent,
                 int Top, TColor Back, TColor Text, int CapHeight, trRollSpeed Speed) {
  auto* bar = Loader.Add<TRollBar>(Name, Parent);
  bar->SetBounds(4, Top, 242, 150);
  bar->SetCaption(Caption);
  bar->SetColCaptBack(Back);
  bar->SetColCaption(Text);
  bar->SetCapHeight(CapHeight);
  bar->SetRollSpeed(Speed);
  bar->SetHeightMax(150);
  bar->SetDown(false);
  return bar;
}

// The last frame of the rose strip: the rose in bloom.
void LoadRose(TPicture* Picture) {
  const std::unique_ptr<TBitmap> strip = LoadDemoPicture("rose.bmp");
  constexpr int kFrames = 20;
  const int w = strip->Width() / kFrames, h = strip->Height();
  if (w <= 0 || h <= 0) return;
  TBitmap* rose = Picture->Bitmap();
  rose->SetSize(w, h);
  rose->Canvas()->CopyRect(Rect(0, 0, w, h), strip->Canvas(),
                           Rect(w * (kFrames - 1), 0, w * kFrames, h));
}

}  // namespace

TRollFormDemo::TRollFormDemo(TComponent* AOwner) : TDemoForm(AOwner, "TRollFormDemo") {
  TFormLoader loader(this);

  ArrowBtn = loader.Add<TArrowBtn>("ArrowBtn");
  ArrowBtn->SetBounds(310, 8, 60, 60);
  ArrowBtn->SetButtonMode(tbmPush);
  ArrowBtn->SetColorUp(clLime);
  ArrowBtn->SetColorDown(clRed);
  ArrowBtn->SetOrientation(orLeft);
  ArrowBtn->SetShape(taArrow);
  ArrowBtn->SetShapeOn(true);

  OrSpin = AddSpin(loader, "OrSpin", "Orientation", "left\ndown\nright\nup", 78);
  ShapeSpin = AddSpin(loader, "ShapeSpin", "Shape", "arrow\ncircle\nsquare", 126);
  BlinkSpin = AddSpin(loader, "BlinkSpin", "Symbol", "on\noff\nblink\ndisabled", 174);
  OrSpin->onChanging = [this](TObject*) {
    const int i = OrSpin->Position();
    if (i >= 0 && i < 4) ArrowBtn->SetOrientation(kOrientations[i]);
  };
  ShapeSpin->onChanging = [this](TObject*) {
    const int i = ShapeSpin->Position();
    if (i >= 0 && i < 3) ArrowBtn->SetShape(kShapes[i]);
  };
  BlinkSpin->onChanging = [this](TObject*) { BlinkChanging(); };

  MainBar = loader.Add<TRollBar>("MainBar");
  MainBar->SetBounds(8, 8, 250, 213);
  MainBar->SetCaption("Main");
  MainBar->SetColCaptBack(clMaroon);
  MainBar->SetColCaption(clYellow);
  MainBar->SetCapHeight(19);
  MainBar->SetHeightMax(213);
  MainBar->SetRollSpeed(trImmediate);
  MainBar->SetCanClose(false);
  MainBar->SetDown(true);

  // Rolled up they lie one under the other; each rolls down over the ones below it.
  RollBar2 = AddBar(loader, "RollBar2", "RollBar 2", MainBar, 24, clNavy, clYellow, 15, trMedium);
  RollBar1 = AddBar(loader, "RollBar1", "RollBar 1", MainBar, 44, clGreen, clYellow, 13, trSlow);
  RollBar3 = AddBar(loader, "RollBar3", "RollBar 3", MainBar, 62, clRed, clBlack, 17, trFast);

  RadioGroup = loader.Add<TRadioGroup>("RadioGroup", RollBar2);
  RadioGroup->SetBounds(8, 24, 226, 116);
  RadioGroup->Items()->SetText("Test 1\nTest 2\nTest 3\nTest 4");

  ComboBox = loader.Add<TComboBox>("ComboBox", RollBar1);
  ComboBox->SetBounds(8, 24, 226, 24);
  ComboBox->SetStyle(csDropDownList);
  ComboBox->Items()->SetText("line 1\nline 2\nline 3\nline 4");

  Image = loader.Add<TImage>("Image", RollBar3);
  Image->SetBounds(8, 26, 226, 116);
  Image->SetStretch(true);
  LoadRose(Image->Picture());

  loader.Finish();
}

void TRollFormDemo::BlinkChanging() {
  const int i = BlinkSpin->Position();
  if (i < 0 || i > 3) return;
  static constexpr struct {
    bool Enabled, Blink, On;
  } kLooks[] = {
      {true, false, true}, {true, false, false}, {true, true, false}, {false, false, false}};
  ArrowBtn->SetEnabled(kLooks[i].Enabled);
  ArrowBtn->SetShapeBlink(kLooks[i].Blink);
  ArrowBtn->SetShapeOn(kLooks[i].On);
}
