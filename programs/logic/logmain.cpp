#include "programs/logic/logmain.h"

#include <algorithm>

#include "platform/base/paths.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/stdctrls/printers.h"
#include "programs/logic/loginfo.h"
#include "programs/logic/logini.h"
#include "programs/logic/scan.h"

TLogAna* LogAna = nullptr;

namespace {

constexpr uint32_t WM_SHOWSPLASH = WM_USER + 1;

// Puts the printer's orientation back however printing ends.
class OrientationKeeper {
 public:
  explicit OrientationKeeper(TPrinter& P) : FPrinter(P), FSaved(P.Orientation()) {}
  ~OrientationKeeper() {
    if (FPrinter.Printing()) FPrinter.Abort();
    FPrinter.SetOrientation(FSaved);
  }

 private:
  TPrinter& FPrinter;
  TPrinterOrientation FSaved;
};

}  // namespace

TLogAna::TLogAna(TComponent* AOwner) : TForm(AOwner) {
  TFormLoader loader(this);
  SetName("LogAna");
  SetCaption(kLogicCaption);
  SetColor(clSilver);
  Font()->SetStyle({fsBold});
  SetBounds(0, 0, 1024, 700);
  SetWindowState(wsMaximized);

  Panel1 = loader.Add<TPanel>("Panel1");
  Panel1->SetAlign(alBottom);
  Panel1->SetHeight(30);

  Display = loader.Add<TLogic>("Display");
  Display->SetAlign(alClient);
  Display->SetBevelOut(bvRaised);
  Display->SetBevWidth(2);
  Display->SetBordWidth(2);
  Display->SetColHead(0x000000);
  Display->SetColTxtHead(0x00FF00);
  Display->SetBufferSize(4000);
  Display->SetLogSize(TLogSize::Size32);
  Display->SetChanLast(7);
  Display->SetTimeBase(1e-5);
  Display->SetDispEndPos(29);
  Display->SetDispStartPos(4);
  Display->SetPointerPos(16);
  Display->SetMarkerPos(7);
  Display->SetColDisplay(0x000000);
  Display->SetColGrid(0x808080);
  Display->SetColCurve(0xFFFF00);
  Display->SetColPointer(0x00FF00);
  Display->SetColMarker(0x00FFFF);
  Display->SetColTrigger(0x0080FF);
  Display->SetColTextDisp(0xE8FFFF);
  Display->SetColText(0x000000);
  Display->ZoomEnable = true;
  Display->onZoomSet = [this](TObject* s) { DisplayZoomSet(s); };

  int left = 4;
  const auto place = [&left](TControl* c, int width) {
    c->SetBounds(left, 3, width, 24);
    left += width + 6;
  };
  TimeBaseText = loader.Add<TBevel3D>("TimeBaseText", Panel1);
  place(TimeBaseText, 80);
  TimeBaseText->SetBevWidth(1);
  TimeBaseText->SetBordWidth(0);
  TimeBaseText->SetCaptEnable(true);
  TimeBaseText->SetColCaption(clWhite);
  TimeBaseText->SetCaption("Zeitbasis");
  TimeBase = loader.Add<TTextSpin>("TimeBase", Panel1);
  place(TimeBase, 110);
  TimeBase->SetBevWidth(1);
  TimeBase->SetBordWidth(0);
  TStringList items;
  for (const char* item : {"1 usec||1E-6", "10 usec||1E-5", "100 usec||1E-4", "1 msec||1E-3",
                           "10 msec||1E-2", "100 msec||1E-1"})
    items.Add(item);
  TimeBase->SetPosText(items);
  TimeBase->SetPosition(1);
  TimeBase->SetLimiter(true);
  TimeBase->SetRepSpeed(400);
  TimeBase->onChanged = [this](TObject* s) { TimeBaseChange(s); };

  left += 10;
  const struct {
    TButton** field;
    const char* name;
    const char* caption;
    void (TLogAna::*handler)(TObject*);
  } buttons[] = {
      {&PrintBtn, "PrintBtn", "Print", &TLogAna::PrintBtnClick},
      {&TextGraphBtn, "TextGraphBtn", "&Graph/Text", &TLogAna::TextGraphBtnClick},
      {&SetupBtn, "SetupBtn", "Set&Up", &TLogAna::SetupBtnClick},
      {&ScanBtn, "ScanBtn", "&Scan", &TLogAna::ScanBtnClick},
      {&HelpBtn, "HelpBtn", "&Help", &TLogAna::HelpBtnClick},
      {&CloseBtn, "CloseBtn", "&Ende", &TLogAna::CloseBtnClick},
  };
  for (const auto& b : buttons) {
    TButton* button = loader.Add<TButton>(b.name, Panel1);
    place(button, 84);
    button->SetCaption(b.caption);
    button->OnClick = [this, h = b.handler](TObject* s) { (this->*h)(s); };
    *b.field = button;
  }
  CloseBtn->SetDefault(true);

  OnPaint = [this](TObject* s) { FormPaint(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  loader.Finish();
  // Enter ends the program: no other button starts with the focus.
  SetActiveControl(CloseBtn);
}

void TLogAna::FormPaint(TObject*) {
  if (FAboutShown) return;
  FAboutShown = true;
  // A modal box cannot run inside a paint: it comes once the paint is over.
  if (Loginfo::AboutBox != nullptr && !Loginfo::AboutBox->Visible())
    PostMessage(Handle(), WM_SHOWSPLASH, 0, 0);
}

void TLogAna::WndProc(TMessage& Message) {
  if (Message.Msg == WM_SHOWSPLASH) {
    if (Loginfo::AboutBox != nullptr && !Loginfo::AboutBox->Visible())
      Loginfo::AboutBox->ShowModal();
    return;
  }
  TForm::WndProc(Message);
}

void TLogAna::FormClose(TObject*, TCloseAction&) {
  if (Loginfo::AboutBox != nullptr && !Loginfo::AboutBox->Visible()) Loginfo::AboutBox->ShowModal();
}

void TLogAna::HelpBtnClick(TObject*) {
  if (Loginfo::AboutBox != nullptr) Loginfo::AboutBox->ShowModal();
}

void TLogAna::CloseBtnClick(TObject*) { Close(); }

void TLogAna::ScanBtnClick(TObject*) {
  if (BufferFill != nullptr) BufferFill->ShowModal();
}

void TLogAna::SetupBtnClick(TObject*) {
  if (Setup != nullptr) Setup->ShowModal();
}

void TLogAna::TextGraphBtnClick(TObject*) {
  Display->SetModus(Display->Modus() == TModus::Diagram ? TModus::TextDisp : TModus::Diagram);
}

void TLogAna::TimeBaseChange(TObject*) { Display->SetTimeBase(TimeBase->PosFloat()); }

void TLogAna::DisplayZoomSet(TObject*) { Display->ApplyZoom(); }

void TLogAna::ShowFileInCaption(const std::string& FileName) {
  const size_t slash = FileName.find_last_of('/');
  SetCaption(std::string(kLogicCaption) + " [" +
             PathToText(slash == std::string::npos ? FileName : FileName.substr(slash + 1)) + "]");
}

void TLogAna::PrintBtnClick(TObject*) {
  if (MessageDlg("HardCopy drucken ?", mtConfirmation, {mbYes, mbNo}, 0) != mrYes) return;
  Display->RefreshDisplay();
  TPrinter& printer = *Printer();
  {
    OrientationKeeper keep(printer);
    printer.SetOrientation(poLandscape);
    printer.BeginDoc();
    const bool all = Setup != nullptr && Setup->PrSelect->ItemIndex() == 1;
    TBitmap* shot = all ? Display->PrintAll() : Display->PrintDisp();
    TRect target = Rect(100, 100, shot->Width() + 110, shot->Height() + 110);
    if (Setup != nullptr && Setup->PrZoom->ItemIndex() == 1) target = printer.Canvas()->ClipRect();
    printer.Canvas()->StretchDraw(target, shot);
    printer.EndDoc();
  }
  MessageBeep(0xFFFF);
  Display->ReleasePrint();
}
