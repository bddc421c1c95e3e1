#pragma once
// The demo's main window: two rows of speed buttons, one per component family, that open the
// demo forms; the long hint in the status panel; the memory readout every second; the language
// switch; the shaded background; sounds on show and close; the about box as splash and on exit.

#include <string>
#include <vector>

#include "library/controls/orvanemisc2/background.h"
#include "library/controls/playsnd/playsound.h"
#include "library/controls/sysctrl/spy.h"
#include "library/controls/sysctrl/sysinfo.h"
#include "library/controls/tasten/ledcheck.h"
#include "library/foundation/smarttimer.h"
#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "programs/demo/mainbuttons.h"

// Posted to the main form after its first paint: show the splash.
constexpr uint32_t WM_SHOWSPLASH = 0x0400 + 1;

class TMainForm : public TForm {
 public:
  explicit TMainForm(TComponent* AOwner);
  ~TMainForm() override;

  // The speed button of that name; nullptr for none.
  TSpeedButton* Button(const std::string& Name) const;

  TPanel* SpeedPanel;
  TPanel* StatusBar;
  TPanel* Panel1;
  TLabel* MemTot;
  TLabel* MemFree;
  TLabel* MemUsed;
  TLedCheck* LedCheck1;
  TBackGround* BackGround;
  TSpy* Spy1;
  TSysInfo* SysInfo;
  TSmartTimer* SmartTimer;
  TPlaySound* PlaySound;
  std::vector<TSpeedButton*> SpeedButtons;

  void FormCreate(TObject* Sender);
  void ShowHint(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormPaint(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormResize(TObject* Sender);
  void ExitItemClick(TObject* Sender);
  void AboutBtnClick(TObject* Sender);
  void ShadeBtnClick(TObject* Sender);
  void RollFormBtnClick(TObject* Sender);
  void SmartTimerTimerEvent(TObject* Sender, bool BlinkHigh);
  void LedCheck1Click(TObject* Sender);

  void WndProc(TMessage& Message) override;

 private:
  void Build();
  void DemoButtonClick(TObject* Sender);
  void ShowSplash();

  bool FPainted = false;
};

extern TMainForm* MainForm;
