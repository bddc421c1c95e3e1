#include "programs/curves/curvmain.h"

#include <cerrno>

#include "platform/base/exceptions.h"
#include "platform/base/paths.h"
#include "platform/base/safefile.h"
#include "platform/base/stringlist.h"
#include "platform/base/strings.h"
#include "platform/base/sysutils.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/stdctrls/printers.h"
#include "programs/curves/curvinfo.h"

using Curvinfo::AboutBox;

TcurvForm* curvForm = nullptr;

namespace {

// Posted to the form: the splash after the first paint, and the close asked for by the close
// button (which must not free the form inside its own press).
constexpr uint32_t kShowSplash = WM_USER + 1;
constexpr uint32_t kCloseAfterPress = WM_USER + 2;

constexpr int kPanelWidth = 70;
constexpr TColor kChannelText[4] = {clRed, clBlue, clFuchsia, clGreen};
// Positions of the curve-type spins and the types they stand for.
constexpr TCurveTyp kSpinCurveTyp[3] = {ipLinear, ipBezier, ipSpline};
constexpr int kInitialTypPosition[4] = {0, 1, 2, 1};
constexpr unsigned kDoneBeep = 0xFFFF;
const std::string kCaption = "Vantreo Orvane CurveSynth-Demo  [";

// The hourglass for as long as it lives, on every path out.
class THourGlass {
 public:
  THourGlass() : FOld(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
  ~THourGlass() { Screen->SetCursor(FOld); }
  THourGlass(const THourGlass&) = delete;
  THourGlass& operator=(const THourGlass&) = delete;

 private:
  TCursor FOld;
};

// The component's snapshot for as long as it lives.
class TSnapshot {
 public:
  explicit TSnapshot(TCurveSynth& Curve) : FCurve(Curve), FBitmap(Curve.HardCopy()) {}
  ~TSnapshot() { FCurve.SetHardCopy(nullptr); }
  TSnapshot(const TSnapshot&) = delete;
  TSnapshot& operator=(const TSnapshot&) = delete;
  const TBitmap* Bitmap() const { return FBitmap; }

 private:
  TCurveSynth& FCurve;
  TBitmap* FBitmap;
};

std::string WithoutFolder(const std::string& Name) {
  const size_t slash = Name.find_last_of('/');
  return slash == std::string::npos ? Name : Name.substr(slash + 1);
}

bool IsBitmapName(const std::string& Name) {
  const std::string file = WithoutFolder(Name);
  const size_t dot = file.find_last_of('.');
  return dot != std::string::npos && SameText(file.substr(dot), ".bmp");
}

void SetLines(TCustomSpin* Spin, std::initializer_list<std::string> Lines) {
  TStringList list;
  for (const std::string& l : Lines) list.Add(l);
  Spin->SetPosText(list);
}

// "4 pts|4" .. "30 pts|30", from a lower first count where a channel has fewer points.
void SetPointLines(TCustomSpin* Spin, int First) {
  TStringList list;
  for (int n = First; n <= kMaxCurvePoints; ++n) {
    list.Add(std::to_string(n) + " pts|" + std::to_string(n));
  }
  Spin->SetPosText(list);
}

TSpeedButton* AddButton(TFormLoader& Loader, const std::string& Name, TWinControl* Parent,
                        const TRect& Bounds, const std::string& Caption) {
  auto* b = Loader.Add<TSpeedButton>(Name, Parent);
  b->SetBoundsRect(Bounds);
  b->SetCaption(Caption);
  return b;
}

TLabel* AddLabel(TFormLoader& Loader, const std::string& Name, TWinControl* Parent, int Left,
                 int Top, const std::string& Caption) {
  auto* l = Loader.Add<TLabel>(Name, Parent);
  l->SetBounds(Left, Top, 64, 13);
  l->SetCaption(Caption);
  return l;
}

}  // namespace

TcurvForm::TcurvForm(TComponent* AOwner) : TForm(AOwner) { Build(); }

TcurvForm::~TcurvForm() {
  if (curvForm == this) curvForm = nullptr;
}

void TcurvForm::Build() {
  TFormLoader loader(this);
  SetName("curvForm");
  SetClientWidth(560);
  SetClientHeight(453);
  SetPosition(poScreenCenter);
  SetColor(clSilver);
  Font()->SetName("Arial");
  Font()->SetSize(8);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnPaint = [this](TObject* s) { FormPaint(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };

  Panel1 = loader.Add<TPanel>("Panel1");
  Panel1->SetAlign(alRight);
  Panel1->SetWidth(kPanelWidth);
  Panel1->SetParentFont(true);

  CurveSynth = loader.Add<TCurveSynth>("CurveSynth");
  CurveSynth->SetAlign(alClient);
  CurveSynth->SetUnitNameX("Hz");
  CurveSynth->SetUnitNameY("Volt");
  CurveSynth->SetLinEndX(200);
  CurveSynth->SetLogStartX(0.1);
  CurveSynth->SetLogEndX(1000);
  CurveSynth->SetLogStartY(0.1);
  CurveSynth->SetLogEndY(1000);
  CurveSynth->SetCaptBackCol(clBlack);
  CurveSynth->SetCaptionCol(clLime);
  CurveSynth->SetColZeroLine(clBlack);

  auto axis_button = [&](const std::string& name, int left, const std::string& up,
                         const std::string& down) {
    auto* b = loader.Add<TBevel3D>(name, Panel1);
    b->SetBounds(left, 4, 31, 22);
    b->SetButtonStyle(tsPushPull);
    b->SetBevWidth(1);
    b->SetBordWidth(0);
    b->SetCaptEnable(true);
    b->SetColCaptBack(clSilver);
    b->SetCaption(up);
    b->SetCaption1(down);
    b->SetColCaption(clBlue);
    b->SetColCaption1(clRed);
    b->SetFontAutom(false);
    b->Font()->SetName("Arial");
    b->Font()->SetSize(7);
    b->Font()->SetStyle({fsBold});
    return b;
  };
  xBtn = axis_button("xBtn", 3, "x-Lin", "x-Log");
  xBtn->OnDown = [this](TObject* s) { xBtnDown(s); };
  xBtn->OnUp = [this](TObject* s) { xBtnUp(s); };
  yBtn = axis_button("yBtn", 36, "y-Lin", "y-Log");
  yBtn->OnDown = [this](TObject* s) { yBtnDown(s); };
  yBtn->OnUp = [this](TObject* s) { yBtnUp(s); };

  MouseLabel = AddLabel(loader, "MouseLabel", Panel1, 3, 30, "mouse act");
  MouseSel = loader.Add<TTextSpin>("MouseSel", Panel1);
  MouseSel->SetBounds(3, 44, 64, 20);
  SetLines(MouseSel, {"none", "move", "meas"});
  MouseSel->SetLimiter(true);
  MouseSel->SetColTxtBack(clWhite);
  MouseSel->Font()->SetColor(clBlack);
  MouseSel->onChanged = [this](TObject* s) { MouseSelChanged(s); };

  for (int c = 1; c <= 4; ++c) BuildChannel(loader, c, 70 + (c - 1) * 58);

  Print11Label = AddLabel(loader, "Print11Label", Panel1, 8, 304, "1:1");
  PrintFullLabel = AddLabel(loader, "PrintFullLabel", Panel1, 38, 304, "full");
  Print11Btn = AddButton(loader, "Print11Btn", Panel1, Rect(3, 318, 34, 342), "Print");
  Print11Btn->OnClick = [this](TObject* s) { Print11BtnClick(s); };
  PrintFullBtn = AddButton(loader, "PrintFullBtn", Panel1, Rect(36, 318, 67, 342), "Print");
  PrintFullBtn->OnClick = [this](TObject* s) { PrintFullBtnClick(s); };
  LoadBtn = AddButton(loader, "LoadBtn", Panel1, Rect(3, 348, 34, 372), "Load");
  LoadBtn->OnClick = [this](TObject* s) { LoadBtnClick(s); };
  SaveBtn = AddButton(loader, "SaveBtn", Panel1, Rect(36, 348, 67, 372), "Save");
  SaveBtn->OnClick = [this](TObject* s) { SaveBtnClick(s); };
  HelpBtn = AddButton(loader, "HelpBtn", Panel1, Rect(3, 378, 34, 418), "?");
  HelpBtn->Font()->SetStyle({fsBold});
  HelpBtn->OnClick = [this](TObject* s) { HelpBtnClick(s); };

  CloseBtn = loader.Add<TLedButton>("CloseBtn", Panel1);
  CloseBtn->SetBounds(36, 378, 31, 40);
  CloseBtn->SetButtonStyle(tsPushPull);
  CloseBtn->SetColLed(clLime);
  CloseBtn->SetLedShape(ledRectangle);
  CloseBtn->SetCaptType(ctBevel);
  CloseBtn->SetCaption("OFF");
  CloseBtn->SetCaption1("ON");
  CloseBtn->SetDown(true);
  CloseBtn->SetLedOn(true);
  CloseBtn->OnClick = [this](TObject* s) { CloseBtnClick(s); };

  OpenDialog = loader.AddComponent<TOpenDialog>("OpenDialog");
  OpenDialog->SetFilter("Wavorinehs|*.wvr|alle|*.*");
  OpenDialog->SetOptions({ofHideReadOnly, ofFileMustExist});
  SaveDialog = loader.AddComponent<TSaveDialog>("SaveDialog");
  SaveDialog->SetFilter("CurveSynths|*.wvr|Bitmap|*.bmp|alle|*.*");
  SaveDialog->SetOptions({ofHideReadOnly, ofOverwritePrompt, ofCreatePrompt});
  PrintDialog = loader.AddComponent<TPrintDialog>("PrintDialog");

  BitWin = loader.AddComponent<TBitWin>("BitWin");
  BitWin->SetParent(CurveSynth);
  BitWin->SetColor(TColor(0x80FFFF));
  BitWin->SetShowDelay(0);
  BitWin->SetOriginHor(bwhLeft);
  BitWin->SetOriginVert(bwvBottom);
  BitWin->OnShow = [this](TObject* s, TPoint& p, std::string& info, bool& show) {
    BitWinShow(s, p, info, show);
  };
  loader.Finish();
}

void TcurvForm::BuildChannel(TFormLoader& Loader, int C, int Top) {
  const std::string n = std::to_string(C);
  const TColor colour = kChannelText[C - 1];
  auto toggle = [&](const std::string& name, int left, int group, bool down) {
    TSpeedButton* b = AddButton(Loader, name, Panel1, Rect(left, Top, left + 31, Top + 17), "");
    b->SetGroupIndex(group);
    b->SetAllowAllUp(true);
    b->SetDown(down);
    b->Font()->SetColor(colour);
    b->Font()->SetStyle({fsBold});
    return b;
  };
  SuccBtn[C - 1] = toggle("SuccBtn" + n, 3, C, false);
  SuccBtn[C - 1]->SetCaption("succ");
  SuccBtn[C - 1]->OnClick = [this, C](TObject*) { SuccBtnClick(C); };
  ChVisBtn[C - 1] = toggle("Ch" + n + "VisBtn", 36, 4 + C, true);
  ChVisBtn[C - 1]->SetCaption("vis");
  ChVisBtn[C - 1]->OnClick = [this, C](TObject*) { ChVisBtnClick(C); };

  auto spin = [&](const std::string& name, int top) {
    auto* s = Loader.Add<TTextSpin>(name, Panel1);
    s->SetBounds(3, top, 64, 18);
    s->SetLimiter(true);
    s->SetColTxtBack(clWhite);
    s->Font()->SetColor(colour);
    return s;
  };
  PointSel[C - 1] = spin("PointSel" + n, Top + 19);
  SetPointLines(PointSel[C - 1], kMinCurvePoints);
  PointSel[C - 1]->onChanging = [this, C](TObject*) { PointSelChanging(C); };
  cTyp[C - 1] = spin("cTyp" + n, Top + 38);
  SetLines(cTyp[C - 1], {"Linear", "Bezier", "Spline"});
  cTyp[C - 1]->SetPosition(kInitialTypPosition[C - 1]);
  cTyp[C - 1]->onChanging = [this, C](TObject*) { cTypChanging(C); };
}

void TcurvForm::FormCreate(TObject*) {
  FFileName.clear();
  SetCaption(kCaption + " ]");
}

void TcurvForm::FormPaint(TObject*) {
  if (FAboutShown) return;
  FAboutShown = true;
  // A modal box cannot run inside a paint: it comes once the paint is over.
  if (AboutBox != nullptr && !AboutBox->Visible()) PostMessage(Handle(), kShowSplash, 0, 0);
}

void TcurvForm::FormClose(TObject*, TCloseAction&) {
  if (AboutBox != nullptr && !AboutBox->Visible()) AboutBox->ShowModal();
}

void TcurvForm::WndProc(TMessage& Message) {
  if (Message.Msg == kShowSplash) {
    if (AboutBox != nullptr && !AboutBox->Visible()) AboutBox->ShowModal();
    return;
  }
  if (Message.Msg == kCloseAfterPress) {
    Close();
    return;
  }
  TForm::WndProc(Message);
}

void TcurvForm::HelpBtnClick(TObject*) {
  if (AboutBox != nullptr && !AboutBox->Visible()) AboutBox->ShowModal();
}

void TcurvForm::CloseBtnClick(TObject*) {
  CloseBtn->SetDown(false);
  CloseBtn->SetLedOn(false);
  PostMessage(Handle(), kCloseAfterPress, 0, 0);
}

void TcurvForm::xBtnDown(TObject*) { CurveSynth->SetNonLinearX(true); }
void TcurvForm::xBtnUp(TObject*) { CurveSynth->SetNonLinearX(false); }
void TcurvForm::yBtnDown(TObject*) { CurveSynth->SetNonLinearY(true); }
void TcurvForm::yBtnUp(TObject*) { CurveSynth->SetNonLinearY(false); }

void TcurvForm::MouseSelChanged(TObject*) {
  static constexpr TMouseFunc kFunctions[3] = {TMouseFunc::none, TMouseFunc::mfDragPts,
                                               TMouseFunc::mfMeas};
  const int p = MouseSel->Position();
  if (p >= 0 && p < 3) CurveSynth->SetMouseFunct(kFunctions[p]);
}

void TcurvForm::ChVisBtnClick(int C) { CurveSynth->SetChanVis(C, ChVisBtn[C - 1]->Down()); }
void TcurvForm::SuccBtnClick(int C) { CurveSynth->SetChanX_Succ(C, SuccBtn[C - 1]->Down()); }

void TcurvForm::PointSelChanging(int C) {
  CurveSynth->SetChanCurvPts(C, PointSel[C - 1]->PosInteger());
  ShowPointCount(C);
}

void TcurvForm::cTypChanging(int C) {
  const int p = cTyp[C - 1]->Position();
  if (p >= 0 && p < 3) CurveSynth->SetChanCurvTyp(C, kSpinCurveTyp[p]);
}

void TcurvForm::ShowPointCount(int C) {
  const int count = CurveSynth->ChanCurvPts(C);
  TTextSpin* spin = PointSel[C - 1];
  // A file may give a channel fewer points than the spin offers: the spin then starts there, and
  // returns to its usual lines once the channel has 4 or more.
  const int first = std::min(count, kMinCurvePoints);
  if (spin->PosText()->Count() != kMaxCurvePoints - first + 1) SetPointLines(spin, first);
  spin->SetPosition(count - first);
}

void TcurvForm::ShowFileName() {
  SetCaption(kCaption + PathToText(WithoutFolder(FFileName)) + "]");
}

void TcurvForm::PrintCurves(bool FullPage) {
  if (!PrintDialog->Execute()) return;
  Application->ProcessMessages();
  THourGlass hourglass;
  CurveSynth->Repaint();
  TSnapshot snapshot(*CurveSynth);
  TPrinter* printer = Printer();
  printer->SetTitle("Wavorine");
  printer->BeginDoc();
  try {
    const TRect target =
        FullPage ? printer->Canvas()->ClipRect()
                 : Rect(100, 100, CurveSynth->Width() + 110, CurveSynth->Height() + 110);
    printer->Canvas()->StretchDraw(target, snapshot.Bitmap());
    printer->EndDoc();
  } catch (...) {
    if (printer->Printing()) printer->Abort();
    throw;
  }
  MessageBeep(kDoneBeep);
}

void TcurvForm::Print11BtnClick(TObject*) { PrintCurves(false); }
void TcurvForm::PrintFullBtnClick(TObject*) { PrintCurves(true); }

void TcurvForm::LoadBtnClick(TObject*) {
  if (!OpenDialog->Execute()) return;
  const std::string name = OpenDialog->FileName();
  {
    THourGlass hourglass;
    // A refused file has been reported by the component; caption and file name stay.
    if (CurveSynth->LoadFromFile(name)) {
      FFileName = name;
      ShowFileName();
    }
    for (int c = 1; c <= 4; ++c) ShowPointCount(c);
  }
  CurveSynth->RedrawPlot();
}

void TcurvForm::SaveBtnClick(TObject*) {
  if (!SaveDialog->Execute()) return;
  const std::string name = SaveDialog->FileName();
  THourGlass hourglass;
  if (IsBitmapName(name)) {
    CurveSynth->ForcePaint();
    TSnapshot snapshot(*CurveSynth);
    const std::vector<uint8_t> bytes = snapshot.Bitmap()->SaveToBytes();
    if (!SafeWriteFile(name, std::string(bytes.begin(), bytes.end()))) {
      throw EInOutError("Cannot write file " + PathToText(name), errno);
    }
    return;
  }
  // A failed save raises before the name and the caption change.
  if (CurveSynth->SaveToFile(name)) {
    FFileName = name;
    ShowFileName();
  }
}

void TcurvForm::BitWinShow(TObject*, TPoint& SMousePos, std::string& BwInfo, bool& BwShow) {
  if (CurveSynth->MouseFunct() != TMouseFunc::none) return;
  if (AboutBox != nullptr && AboutBox->Visible()) return;
  if (!CurveSynth->Chan3Vis()) return;
  TRect plot;
  CurveSynth->GetPlotRect(plot);
  if (!PtInRect(plot, SMousePos)) return;
  double x, y;
  CurveSynth->PixelToValue(SMousePos.X, SMousePos.Y, x, y);
  BwShow = CurveSynth->GetChan3CurveY(x, y);
  if (!BwShow) return;
  const TPoint p = CurveSynth->ValueToPixel(x, y);
  SMousePos = TPoint{p.X + plot.Left, p.Y + plot.Top};
  BwInfo = "x: " + FloatToStrF(x, ffFixed, 4, 2) + "^My: " + FloatToStrF(y, ffFixed, 4, 2);
}
