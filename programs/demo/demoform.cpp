#include "programs/demo/demoform.h"

#include <stdexcept>

#include "platform/base/strings.h"
#include "platform/base/sysutils.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/stdctrls/dialogs.h"

namespace {

const TDemoFormInfo& InfoOf(const std::string& ClassName) {
  const TDemoFormInfo* info = FindDemoForm(ClassName);
  if (info == nullptr) throw std::logic_error("no demo form " + ClassName + " in the index");
  return *info;
}

}  // namespace

TDemoForm::TDemoForm(TComponent* AOwner, const std::string& ClassName)
    : TForm(AOwner), FInfo(&InfoOf(ClassName)) {
  SetName(std::string(FInfo->ClassName).substr(1));
  SetBorderStyle(bsDialog);
  SetPosition(FInfo->Centred ? poScreenCenter : poDesigned);
  if (!FInfo->Centred) SetBounds(120, 90, Width(), Height());
  SetCaption(FInfo->Caption);
  SetColor(FInfo->Color);
  Font()->SetName(FInfo->FontName);
  Font()->SetHeight(FInfo->FontHeight);
  SetHelpContext(FInfo->HelpContext);
  if (FInfo->OnTop) SetFormStyle(fsStayOnTop);
  SetClientWidth(FInfo->ClientWidth);
  SetClientHeight(FInfo->ClientHeight);
}

TButton* TDemoForm::AddCloser(TFormLoader& Loader, int Left, int Top, int Width, int Height) {
  TButton* button = nullptr;
  if (FInfo->Closer == TDemoCloser::CloseButton) {
    auto* close = Loader.Add<TBitBtn>("CloseBtn");
    if (!FInfo->CloserCaption.empty()) close->SetCaption(FInfo->CloserCaption);
    close->SetKind(bkClose);
    button = close;
  } else if (FInfo->Closer == TDemoCloser::Button) {
    button = Loader.Add<TButton>("CloseBtn");
    button->SetCaption(FInfo->CloserCaption);
    button->SetModalResult(FInfo->CloserResult);
  } else {
    return nullptr;
  }
  button->SetBounds(Left, Top, Width, Height);
  return button;
}

TModalResult RunDemoForm(TDemoFactory Factory) {
  std::unique_ptr<TForm> form(Factory(nullptr));
  return form->ShowModal();
}

const TItemValues<TPanelBevel> kBevelItems{{"kein Rahmen", "erhoeht", "vertieft"},
                                           {bvNone, bvRaised, bvLowered}};
const TItemValues<TPanelBevel> kCaptionBevelItems{{"ohne", "erhoeht", "vertieft"},
                                                  {bvNone, bvRaised, bvLowered}};
const TItemValues<TTastStyle> kSwitchItems{{"kein Schalter", "Rast-Schalter", "Tast-Schalter"},
                                           {tsNone, tsPushPull, tsPush}};
const TItemValues<TLedSetting> kLedItems{{"aus", "ein", "blink"},
                                         {{false, false}, {true, false}, {false, true}}};
const TItemValues<TTextStyle> kAlignItems{{"links", "zentriert", "rechts"},
                                          {ttLeft, ttCenter, ttRight}};
const TItemValues<TColor> kGreyColorItems{{"schwarz", "grau", "rot", "blau"},
                                          {0x000000, 0x808080, 0x0000FF, 0xFF0000}};
const TItemValues<TColor> kWhiteColorItems{{"schwarz", "weiss", "rot", "blau"},
                                           {0x000000, 0xFFFFFF, 0x0000FF, 0xFF0000}};
const TItemValues<TColor> kYellowColorItems{{"schwarz", "gelb", "rot", "blau"},
                                            {0x000000, 0x00FFFF, 0x0000FF, 0xFFFF00}};
const TItemValues<TColor> kTextColorItems{{"gruen", "gelb", "rot", "blau"},
                                          {0x00FF00, 0x00FFFF, 0x0000FF, 0xFFFF00}};
const TItemValues<TColor> kRotaryPointerColorItems{{"gelb", "weiss", "rot", "blau"},
                                                   {0x00FFFF, 0xFFFFFF, 0x0000FF, 0xFF0000}};
const TItemValues<TColor> kRotaryKnobColorItems{{"schwarz", "silber", "rot", "blau"},
                                                {0x000000, 0xC0C0C0, 0x0000FF, 0xBFBF00}};
const TItemValues<TCaptionLook> kCaptionLookItems{
    {"ohne", "Bevel vertieft", "Bevel erhöht"_ansi, "kein Bevel"},
    {{false, bvNone}, {true, bvLowered}, {true, bvRaised}, {true, bvNone}}};

void BindTextFollower(TEdit* Edit, std::function<void(const std::string&)> Apply) {
  Edit->OnChange = [Edit, Apply](TObject*) { Apply(Edit->Text()); };
}

void BindCheckFollower(TCheckBox* Box, std::function<void(bool)> Apply) {
  Box->OnClick = [Box, Apply](TObject*) { Apply(Box->Checked()); };
}

std::string PositionText(int Position) { return IntToStr(Position); }

std::string IntText(int32_t Value, int HexDigits) { return "$" + IntToHex(Value, HexDigits); }

std::string FloatText(double Value) { return FloatToStr(Value); }

void TReadout::Show(int APosition, int32_t AInt, double AFloat, TColor AColor) const {
  if (Position != nullptr) Position->SetCaption(PositionText(APosition));
  if (Int != nullptr) Int->SetCaption(IntText(AInt, HexDigits));
  if (Float != nullptr) Float->SetCaption(FloatText(AFloat));
  if (Color != nullptr) Color->Brush()->SetColor(AColor);
  if (Beep) DemoBeep();
}

TReadoutBlock AddReadoutBlock(TFormLoader& Loader, int Left, int Top, int Width, int HexDigits) {
  TReadoutBlock block;
  block.Box = Loader.Add<TGroupBox>("ReadoutBox");
  block.Box->SetBounds(Left, Top, Width, 124);
  block.Box->SetCaption("Werte");
  const int value_left = 66;
  const char* captions[] = {"Position", "Int", "Float", "Color"};
  for (int row = 0; row < 4; ++row) {
    auto* caption = Loader.Add<TLabel>(std::string("Caption") + captions[row], block.Box);
    caption->SetBounds(8, 20 + row * 20, value_left - 12, 16);
    caption->SetCaption(captions[row]);
  }
  auto addValue = [&](const char* Name, int Row) {
    auto* label = Loader.Add<TLabel>(Name, block.Box);
    label->SetBounds(value_left, 20 + Row * 20, Width - value_left - 8, 16);
    label->SetCaption("");
    return label;
  };
  block.Readout.Position = addValue("ValPosition", 0);
  block.Readout.Int = addValue("ValInt", 1);
  block.Readout.Float = addValue("ValFloat", 2);
  block.Readout.Color = Loader.Add<TShape>("ValColor", block.Box);
  block.Readout.Color->SetBounds(value_left, 80, 40, 16);
  block.Readout.HexDigits = HexDigits;
  block.EventSel = Loader.Add<TCheckBox>("EventSel", block.Box);
  block.EventSel->SetBounds(8, 100, Width - 16, 20);
  block.EventSel->SetCaption("OnChanged");
  block.EventSel->SetHint("Event select\rOnChanging\rOnChanged");
  block.EventSel->SetShowHint(true);
  return block;
}

TNotifyEvent SelectedEvent(const TCheckBox* OnChangedBox, bool Changed,
                           std::function<void()> Readout) {
  return [OnChangedBox, Changed, Readout](TObject*) {
    if (OnChangedBox->Checked() == Changed) Readout();
  };
}

void DemoBeep() { MessageBeep(0xFFFF); }

TNotifyEvent BeepHandler() {
  return [](TObject*) { DemoBeep(); };
}

bool ChooseColor(TColor Current, const std::function<void(TColor)>& Apply) {
  TColorDialog dialog(nullptr);
  dialog.SetColor(Current);
  if (!dialog.Execute()) return false;
  Apply(dialog.Color());
  return true;
}
