#pragma once
// The main window of Pulsaric: the logic display above a bottom panel with the time base and
// the buttons for printing, the view, the setup, the data fill, help and closing.

#include "library/controls/tasten/bevel3d.h"
#include "library/controls/tasten/spin.h"
#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "programs/logic/logic.h"

constexpr const char* kLogicCaption = "Vantreo Logic Analyzer Demo";

class TLogAna : public TForm {
 public:
  explicit TLogAna(TComponent* AOwner);

  TLogic* Display;
  TPanel* Panel1;
  TBevel3D* TimeBaseText;
  TTextSpin* TimeBase;
  TButton* PrintBtn;
  TButton* TextGraphBtn;
  TButton* SetupBtn;
  TButton* ScanBtn;
  TButton* HelpBtn;
  TButton* CloseBtn;

  void FormPaint(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void HelpBtnClick(TObject* Sender);
  void CloseBtnClick(TObject* Sender);
  void ScanBtnClick(TObject* Sender);
  void SetupBtnClick(TObject* Sender);
  void TextGraphBtnClick(TObject* Sender);
  void TimeBaseChange(TObject* Sender);
  void DisplayZoomSet(TObject* Sender);
  // Asks first; prints the display (or the whole control) on a landscape page.
  void PrintBtnClick(TObject* Sender);

  // The caption naming a data file (its name without the folder).
  void ShowFileInCaption(const std::string& FileName);

  void WndProc(TMessage& Message) override;

 private:
  bool FAboutShown = false;
};

extern TLogAna* LogAna;
