#include "programs/demo/forms/frotlab.h"

#include <string>

#include "platform/forms/stdctrls/dialogs.h"

namespace {

const TItemValues<T3DEffect> kStyleItems{{"Raised", "Lowered", "Shadowed", "Normal"},
                                         {rlRaised, rlLowered, rlShadowed, rlNormal}};

constexpr int kStartSize = 6;
constexpr int kLargestSize = 72;
constexpr int kEndSize = 48;
constexpr int kAngleStep = 9;

// "-10 hor|-10" .. "0 hor|0" .. "+10 hor|10".
std::string OffsetLines(const char* Direction) {
  std::string lines;
  for (int i = -10; i <= 10; ++i) {
    const std::string number = (i > 0 ? "+" : "") + std::to_string(i);
    lines += (lines.empty() ? "" : "\n") + number + " " + Direction + "|" + std::to_string(i);
  }
  return lines;
}

TTextSpin* AddOffsetSpin(TFormLoader& Loader, const char* Name, const char* Caption,
                         const char* Direction, int Top) {
  auto* label = Loader.Add<TLabel>(std::string("Label") + Name);
  label->SetBounds(334, Top, 94, 16);
  label->SetCaption(Caption);
  auto* spin = Loader.Add<TTextSpin>(Name);
  spin->SetBounds(334, Top + 18, 94, 26);
  spin->SetLimiter(true);
  spin->SetColTxtBack(clBlack);
  spin->Font()->SetColor(clLime);
  spin->PosText()->SetText(OffsetLines(Direction));
  spin->SetPosition(15);  // "+5"
  return spin;
}

}  // namespace

TRotLabelDemo::TRotLabelDemo(TComponent* AOwner) : TDemoForm(AOwner, "TRotLabelDemo") {
  TFormLoader loader(this);

  RotLabel = loader.Add<TRotLabel>("RotLabel");
  RotLabel->SetBounds(8, 8, 292, 280);
  RotLabel->SetCaption("Orvane");
  RotLabel->SetrlShOffSetV(5);

  AngleScroll = loader.Add<TScrollBar>("AngleScroll");
  AngleScroll->SetKind(sbVertical);
  AngleScroll->SetBounds(306, 8, 18, 280);
  AngleScroll->SetMax(360);
  AngleScroll->OnChange = [this](TObject*) { RotLabel->SetrlAngle(AngleScroll->Position()); };

  FontBtn = loader.Add<TButton>("FontBtn");
  FontBtn->SetBounds(334, 8, 94, 25);
  FontBtn->SetCaption("Font");
  FontBtn->OnClick = [this](TObject*) { ChooseFont(); };

  AttrSel = loader.Add<TRadioGroup>("AttrSel");
  AttrSel->SetBounds(334, 40, 94, 100);
  BindSelector<T3DEffect>(AttrSel, kStyleItems, [this](T3DEffect v) { RotLabel->SetrlStyle3D(v); });

  HorOffset = AddOffsetSpin(loader, "HorOffset", "Shadow hor.", "hor", 148);
  VertOffset = AddOffsetSpin(loader, "VertOffset", "Shadow vert.", "ver", 196);
  HorOffset->onChanging = [this](TObject*) { RotLabel->SetrlShOffSetH(HorOffset->PosInteger()); };
  VertOffset->onChanging = [this](TObject*) { RotLabel->SetrlShOffSetV(VertOffset->PosInteger()); };

  SmartTimer = loader.AddComponent<TSmartTimer>("SmartTimer");
  SmartTimer->SetTime(100);
  SmartTimer->TimerEvent = [this](TObject*, bool) { AnimationStep(); };

  AddCloser(loader, 334, 262, 94, 26);
  loader.Finish();

  OnShow = [this](TObject*) { StartAnimation(); };
}

void TRotLabelDemo::StartAnimation() {
  RotLabel->SetrlStyle3D(rlShadowed);
  RotLabel->Font()->SetSize(kStartSize);
  RotLabel->SetrlAngle(kAngleStep);
  SmartTimer->SetTimerMode(tmTicking);
}

void TRotLabelDemo::AnimationStep() {
  RotLabel->StoreAngle(RotLabel->rlAngle() + kAngleStep);
  RotLabel->Font()->SetSize(RotLabel->Font()->Size() + 1);
  if (RotLabel->Font()->Size() <= kLargestSize) return;
  RotLabel->SetrlAngle(0);
  RotLabel->Font()->SetSize(kEndSize);
  RotLabel->SetrlStyle3D(rlRaised);
  SmartTimer->SetTimerMode(tmStopped);
}

void TRotLabelDemo::ChooseFont() {
  TFontDialog dialog(nullptr);
  dialog.SetFont(RotLabel->Font());
  if (dialog.Execute()) RotLabel->Font()->Assign(*dialog.Font());
}
