#pragma once
// The curve program's main window: the curve component, and on a panel at the right the axis
// buttons, the mouse function, per channel the ascending and visible switches, point count and
// curve type, printing, loading and saving (curve files or a bitmap), help and the close button.
// A pop-up window shows channel 3's curve value under the resting mouse.

#include <array>
#include <string>

#include "library/controls/orvanebits/bitwin.h"
#include "library/controls/tasten/bevel3d.h"
#include "library/controls/tasten/ledbutton.h"
#include "library/controls/tasten/spin.h"
#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/dialogs.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "programs/curves/curvesynth.h"

class TcurvForm : public TForm {
 public:
  explicit TcurvForm(TComponent* AOwner);
  ~TcurvForm() override;

  TCurveSynth* CurveSynth;
  TPanel* Panel1;
  TBevel3D* xBtn;
  TBevel3D* yBtn;
  TLabel* MouseLabel;
  TTextSpin* MouseSel;
  std::array<TSpeedButton*, 4> SuccBtn;   // SuccBtn1..SuccBtn4
  std::array<TSpeedButton*, 4> ChVisBtn;  // Ch1VisBtn..Ch4VisBtn
  std::array<TTextSpin*, 4> PointSel;     // PointSel1..PointSel4
  std::array<TTextSpin*, 4> cTyp;         // cTyp1..cTyp4
  TLabel* Print11Label;
  TLabel* PrintFullLabel;
  TSpeedButton* Print11Btn;
  TSpeedButton* PrintFullBtn;
  TSpeedButton* LoadBtn;
  TSpeedButton* SaveBtn;
  TSpeedButton* HelpBtn;
  TLedButton* CloseBtn;
  TOpenDialog* OpenDialog;
  TSaveDialog* SaveDialog;
  TPrintDialog* PrintDialog;
  TBitWin* BitWin;

  // The curve file loaded or saved last; empty at start and after a bitmap export.
  const std::string& FileName() const { return FFileName; }

  void FormCreate(TObject* Sender);
  void FormPaint(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void HelpBtnClick(TObject* Sender);
  void CloseBtnClick(TObject* Sender);
  void xBtnDown(TObject* Sender);
  void xBtnUp(TObject* Sender);
  void yBtnDown(TObject* Sender);
  void yBtnUp(TObject* Sender);
  void MouseSelChanged(TObject* Sender);
  void ChVisBtnClick(int Chan);
  void SuccBtnClick(int Chan);
  void PointSelChanging(int Chan);
  void cTypChanging(int Chan);
  void Print11BtnClick(TObject* Sender);
  void PrintFullBtnClick(TObject* Sender);
  void LoadBtnClick(TObject* Sender);
  void SaveBtnClick(TObject* Sender);
  void BitWinShow(TObject* Sender, TPoint& SMousePos, std::string& BwInfo, bool& BwShow);

 protected:
  void WndProc(TMessage& Message) override;

 private:
  void Build();
  void BuildChannel(TFormLoader& Loader, int Chan, int Top);
  // Prints the component's snapshot into Target on the printer's page (empty: the whole page).
  void PrintCurves(bool FullPage);
  // The point spin shows the channel's count, also one outside the spin's usual 4..30.
  void ShowPointCount(int Chan);
  void ShowFileName();

  std::string FFileName;
  bool FAboutShown = false;
};

extern TcurvForm* curvForm;
