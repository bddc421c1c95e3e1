#include "programs/demo/forms/fmultbmp.h"

#include <tuple>

#include "programs/demo/forms/demopictures.h"

namespace {

TMultiBmp* AddStrip(TFormLoader& Loader, const char* Name, const char* Picture, int Frames,
                    int Left, int Top, int Width, int Height) {
  auto* strip = Loader.Add<TMultiBmp>(Name);
  strip->SetBounds(Left, Top, Width, Height);
  strip->SetGlyph(LoadDemoPicture(Picture).get());
  strip->SetGlyphNums(Frames);
  return strip;
}

}  // namespace

void StepGlyph(TMultiBmp& Strip) {
  Strip.SetGlyphSel(Strip.GlyphSel() == Strip.GlyphNums() ? 1 : Strip.GlyphSel() + 1);
}

TMultiBmpDemo::TMultiBmpDemo(TComponent* AOwner) : TDemoForm(AOwner, "TMultiBmpDemo") {
  TFormLoader loader(this);

  Dog = AddStrip(loader, "Dog", "dog.bmp", 6, 8, 8, 72, 48);
  Dogv = AddStrip(loader, "Dogv", "dogv.bmp", 6, 86, 8, 72, 48);
  Monkey = AddStrip(loader, "Monkey", "monkey.bmp", 10, 170, 4, 48, 56);
  Monkey->SetGlyphSel(6);

  // One run of the animation per click; the end of the run stops it on the first frame.
  int left = 8;
  for (auto [strip, name, picture] :
       {std::tuple{&Rose, "Rose", "rose.bmp"}, std::tuple{&Rocket, "Rocket", "rocket.bmp"},
        std::tuple{&Jet, "Jet", "jet.bmp"}, std::tuple{&Car, "Car", "car.bmp"}}) {
    TMultiBmp* s = AddStrip(loader, name, picture, 20, left, 68, 52, 52);
    s->SetButtonStyle(tsPush);
    s->OnClick = [s](TObject*) {
      s->SetGlyphSel(1);
      s->SetAnimate(true);
    };
    s->OnEndAnim = [s](TObject*) { s->SetAnimate(false); };
    *strip = s;
    left += 62;
  }

  RotLabel1 = loader.Add<TRotLabel>("RotLabel1");
  RotLabel1->SetAutoSize(false);
  RotLabel1->SetBounds(6, 126, 28, 126);
  RotLabel1->Font()->SetName("Arial");
  RotLabel1->Font()->SetHeight(-12);
  RotLabel1->SetCaption("Radio Buttons");
  RotLabel1->SetrlAngle(90);

  static constexpr struct {
    const char* Name;
    const char* Picture;
    int Frames;
    TTastStyle Style;
  } kButtons[] = {{"MultiBmp1", "knob8.bmp", 8, tsPush},
                  {"MultiBmp2", "knob8.bmp", 8, tsPushPull},
                  {"MultiBmp3", "signal4.bmp", 4, tsPush},
                  {"MultiBmp4", "signal4.bmp", 4, tsPushPull}};
  for (int i = 0; i < 4; ++i) {
    TMultiBmp* b = AddStrip(loader, kButtons[i].Name, kButtons[i].Picture, kButtons[i].Frames,
                            42 + i * 50, 140, 44, 44);
    b->SetButtonStyle(kButtons[i].Style);
    b->SetGroupIndex(1);
    b->OnClick = [b](TObject*) { StepGlyph(*b); };
    MultiBmp[size_t(i)] = b;
  }

  CloseBtn = AddStrip(loader, "CloseBtn", "closebtn.bmp", 2, 183, 212, 68, 38);
  CloseBtn->SetAutoSize(true);
  CloseBtn->SetBlinkOn(true);
  CloseBtn->OnClick = [this](TObject*) { Close(); };

  SmartTimer1 = loader.AddComponent<TSmartTimer>("SmartTimer1");
  SmartTimer1->SetTime(100);
  SmartTimer1->SetTimerMode(tmTicking);
  SmartTimer1->TimerEvent = [this](TObject* Sender, bool High) {
    SmartTimer1TimerEvent(Sender, High);
  };

  loader.Finish();
}

void TMultiBmpDemo::SmartTimer1TimerEvent(TObject*, bool) {
  StepGlyph(*Dog);
  StepGlyph(*Dogv);
  StepGlyph(*Monkey);
}
