#include "programs/demo/mainform.h"

#include <memory>

#include "library/foundation/tickservice.h"
#include "platform/base/sysutils.h"
#include "platform/forms/messages.h"
#include "platform/graphics/bitmap.h"
#include "programs/demo/aboutbox.h"
#include "programs/demo/assets.h"
#include "programs/demo/demoform.h"
#include "programs/demo/forms/registry.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr int kButtonsPerRow = 22;
constexpr int kButtonSize = 30;

// The glyph of a button from its file beside the program; none when the file is missing or bad.
void LoadGlyph(TSpeedButton* Button) {
  TBitmap glyph;
  try {
    glyph.LoadFromFile(GlyphFile(Button->Name()));
  } catch (const std::exception&) {
    return;
  }
  Button->SetGlyph(&glyph);
}

}  // namespace

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) { Build(); }

TMainForm::~TMainForm() {
  if (Application->OnHint) Application->OnHint = nullptr;
  if (MainForm == this) MainForm = nullptr;
}

void TMainForm::Build() {
  TFormLoader loader(this);
  SetName("MainForm");
  SetCaption("Vantreo Computers Orvane Komponenten Demo");
  SetBounds(0, 0, 663, 453);
  SetPosition(poScreenCenter);
  SetWindowState(wsMaximized);
  SetColor(TColor(0xD1D1D1));
  Font()->SetName("System");
  Font()->SetHeight(-13);
  SetHelpContext(100);

  // First among the windowless children: it lies under every other one.
  BackGround = loader.Add<TBackGround>("BackGround");
  BackGround->SetBounds(0, 69, 663, 300);
  BackGround->SetFillDirection(fdLeftToRight);
  BackGround->SetNumberOfColors(64);

  SpeedPanel = loader.Add<TPanel>("SpeedPanel");
  SpeedPanel->SetAlign(alTop);
  SpeedPanel->SetHeight(69);
  SpeedPanel->SetShowHint(true);
  const std::vector<TMainButton>& buttons = MainButtons();
  for (size_t i = 0; i < buttons.size(); ++i) {
    auto* button = loader.Add<TSpeedButton>(buttons[i].Name, SpeedPanel);
    const int column = int(i) % kButtonsPerRow;
    const int row = int(i) / kButtonsPerRow;
    button->SetBounds(1 + column * kButtonSize, row == 0 ? 4 : 36, kButtonSize, kButtonSize);
    button->SetHint(buttons[i].Hint);
    LoadGlyph(button);
    SpeedButtons.push_back(button);
    const std::string name = buttons[i].Name;
    if (name == "AboutBtn") {
      button->OnClick = [this](TObject* s) { AboutBtnClick(s); };
    } else if (name == "ShadeBtn") {
      button->OnClick = [this](TObject* s) { ShadeBtnClick(s); };
    } else if (name == "ExitBtn") {
      button->OnClick = [this](TObject* s) { ExitItemClick(s); };
    } else if (name == "RollFormBtn") {
      button->OnClick = [this](TObject* s) { RollFormBtnClick(s); };
      button->SetEnabled(DemoFactory(name) != nullptr);
    } else {
      button->OnClick = [this](TObject* s) { DemoButtonClick(s); };
      button->SetEnabled(DemoFactory(name) != nullptr);
    }
  }

  StatusBar = loader.Add<TPanel>("StatusBar");
  StatusBar->SetAlign(alBottom);
  StatusBar->SetHeight(19);
  StatusBar->SetAlignment(taLeftJustify);
  StatusBar->SetCaption("StatusBar");

  Panel1 = loader.Add<TPanel>("Panel1");
  Panel1->SetBounds(4, 453 - 19 - 47 - 4, 125, 47);
  const char* const names[] = {"SysMem  :", "FreeMem :", "MemUsed:"};
  TLabel** values[] = {&MemTot, &MemFree, &MemUsed};
  const char* const value_names[] = {"MemTot", "MemFree", "MemUsed"};
  for (int i = 0; i < 3; ++i) {
    // A smaller face than the form's: a value of ten digits and its unit must fit.
    auto* label = loader.Add<TLabel>(std::string("Label") + char('1' + i), Panel1);
    label->Font()->SetHeight(-11);
    label->SetBounds(4, 2 + 14 * i, 50, 14);
    label->SetCaption(names[i]);
    auto* value = loader.Add<TLabel>(value_names[i], Panel1);
    value->Font()->SetHeight(-11);
    value->SetAutoSize(false);
    value->SetAlignment(taRightJustify);
    value->SetBounds(54, 2 + 14 * i, 67, 14);
    value->SetCaption("%");
    *values[i] = value;
  }

  LedCheck1 = loader.Add<TLedCheck>("LedCheck1");
  LedCheck1->SetBounds(136, 453 - 19 - 47 - 4, 96, 26);
  LedCheck1->SetCheckMode(lcCheckBox);
  LedCheck1->SetCaption("german");
  LedCheck1->SetCaption1("english");
  LedCheck1->SetLedCol(clRed);
  LedCheck1->SetLedShape(ledCircle);
  LedCheck1->SetChecked(false);
  LedCheck1->OnClick = [this](TObject* s) { LedCheck1Click(s); };

  Spy1 = loader.Add<TSpy>("Spy1");
  Spy1->SetBounds(663 - 143 - 12, 453 - 19 - 100 - 4, 143, 100);

  SysInfo = loader.AddComponent<TSysInfo>("SysInfo");
  SmartTimer = loader.AddComponent<TSmartTimer>("SmartTimer");
  SmartTimer->SetTime(1000);
  SmartTimer->SetCycles(0);
  SmartTimer->TimerEvent = [this](TObject* s, bool high) { SmartTimerTimerEvent(s, high); };
  SmartTimer->SetTimerMode(tmTicking);
  PlaySound = loader.AddComponent<TPlaySound>("PlaySound");
  PlaySound->SetWaveFile("dog1.wav");
  PlaySound->SetPlayState(psStopped);
  PlaySound->SetRepDelay(2.0);

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  OnPaint = [this](TObject* s) { FormPaint(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  OnResize = [this](TObject* s) { FormResize(s); };
  loader.Finish();
}

TSpeedButton* TMainForm::Button(const std::string& Name) const {
  for (TSpeedButton* b : SpeedButtons) {
    if (b->Name() == Name) return b;
  }
  return nullptr;
}

void TMainForm::FormCreate(TObject*) {
  Application->OnHint = [this](TObject* s) { ShowHint(s); };
}

void TMainForm::ShowHint(TObject*) { StatusBar->SetCaption(Application->Hint()); }

void TMainForm::FormShow(TObject*) {
  PlaySound->SetWaveFile("rooster.Wav");
  PlaySound->SetPlayState(psStartExit);
  BackGround->SetAlign(alClient);
  BackGround->SendToBack();
}

void TMainForm::FormPaint(TObject*) {
  if (FPainted) return;
  FPainted = true;
  // A modal box cannot run inside a paint: it comes once the paint is over.
  if (AboutBox != nullptr && !AboutBox->Visible()) PostMessage(Handle(), WM_SHOWSPLASH, 0, 0);
}

void TMainForm::ShowSplash() {
  if (AboutBox != nullptr && !AboutBox->Visible()) AboutBox->ShowModal();
}

void TMainForm::WndProc(TMessage& Message) {
  if (Message.Msg == WM_SHOWSPLASH) {
    ShowSplash();
    return;
  }
  TForm::WndProc(Message);
}

void TMainForm::FormClose(TObject*, TCloseAction&) {
  PlaySound->SetWaveFile("dog1.Wav");
  PlaySound->SetPlayState(psStartExit);
  BackGround->Hide();
  if (AboutBox != nullptr && !AboutBox->Visible()) AboutBox->ShowModal();
}

void TMainForm::FormResize(TObject*) {
  const int bottom = ClientHeight() - StatusBar->Height();
  Panel1->SetBounds(4, bottom - Panel1->Height() - 4, Panel1->Width(), Panel1->Height());
  LedCheck1->SetBounds(Panel1->Left() + Panel1->Width() + 8, Panel1->Top(), LedCheck1->Width(),
                       LedCheck1->Height());
  Spy1->SetBounds(ClientWidth() - Spy1->Width() - 12, bottom - Spy1->Height() - 4, Spy1->Width(),
                  Spy1->Height());
}

void TMainForm::ExitItemClick(TObject*) { Close(); }

void TMainForm::AboutBtnClick(TObject*) {
  if (AboutBox != nullptr && !AboutBox->Visible()) AboutBox->ShowModal();
}

void TMainForm::ShadeBtnClick(TObject*) {
  switch (BackGround->FillDirection()) {
    case fdLeftToRight:
      BackGround->SetFillDirection(fdTopToBottom);
      break;
    case fdTopToBottom:
      BackGround->SetFillDirection(fdRightToLeft);
      break;
    case fdRightToLeft:
      BackGround->SetFillDirection(fdBottomToTop);
      break;
    case fdBottomToTop:
      BackGround->SetFillDirection(fdLeftToRight);
      switch (BackGround->BeginColor()) {
        case TColor(0xFF0000):
          BackGround->SetBeginColor(TColor(0x0000FF));
          break;
        case TColor(0x0000FF):
          BackGround->SetBeginColor(TColor(0x00FF00));
          break;
        default:
          BackGround->SetBeginColor(TColor(0xFF0000));
      }
      break;
  }
}

void TMainForm::DemoButtonClick(TObject* Sender) {
  auto* button = static_cast<TSpeedButton*>(Sender);
  if (TDemoFactory factory = DemoFactory(button->Name())) RunDemoForm(factory);
}

void TMainForm::RollFormBtnClick(TObject* Sender) {
  TDemoFactory factory = DemoFactory(static_cast<TSpeedButton*>(Sender)->Name());
  if (factory == nullptr) return;
  BackGround->Hide();
  struct ShowAgain {
    TBackGround* background;
    ~ShowAgain() { background->Show(); }
  } show_again{BackGround};
  RunDemoForm(factory);
}

void TMainForm::SmartTimerTimerEvent(TObject*, bool) {
  SysInfo->SetEvaluate(true);
  MemTot->SetCaption(SysInfo->SysMem());
  MemFree->SetCaption(SysInfo->SysMemFree());
  MemUsed->SetCaption(SysInfo->SysMemUsed());
}

void TMainForm::LedCheck1Click(TObject*) {
  EnglishTexts = LedCheck1->Checked();
  DecimalSeparator = EnglishTexts ? '.' : ',';
  ShortDateFormat = EnglishTexts ? "mm/dd/yy" : "dd.mm.yy";
}
