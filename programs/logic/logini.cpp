#include "programs/logic/logini.h"

#include <algorithm>
#include <memory>

#include "platform/base/sysutils.h"

TSetup* Setup = nullptr;

namespace {

// The colour properties in the order of the colour choice's items.
struct ColourProperty {
  TColor (TLogic::*get)() const;
  void (TLogic::*set)(TColor);
};
constexpr ColourProperty kColours[8] = {
    {&TLogic::ColCurve, &TLogic::SetColCurve},     {&TLogic::ColDisplay, &TLogic::SetColDisplay},
    {&TLogic::ColText, &TLogic::SetColText},       {&TLogic::ColTextDisp, &TLogic::SetColTextDisp},
    {&TLogic::ColGrid, &TLogic::SetColGrid},       {&TLogic::ColMarker, &TLogic::SetColMarker},
    {&TLogic::ColPointer, &TLogic::SetColPointer}, {&TLogic::ColTrigger, &TLogic::SetColTrigger},
};

std::unique_ptr<TStringList> Lines(std::initializer_list<std::string> Items) {
  auto l = std::make_unique<TStringList>();
  for (const std::string& s : Items) l->Add(s);
  return l;
}

}  // namespace

TSetup::TSetup(TComponent* AOwner, TLogic* Target) : TForm(AOwner), FDisplay(Target) {
  TFormLoader loader(this);
  SetName("Setup");
  SetCaption("Vantreo Demo-Logic-Analyzer Setup");
  SetBorderStyle(bsDialog);
  SetFormStyle(fsStayOnTop);
  SetPosition(poScreenCenter);
  SetClientWidth(520);
  SetClientHeight(330);

  ColorGrid = loader.Add<TColorGrid>("ColorGrid");
  ColorGrid->SetBounds(10, 10, 500, 36);
  ColorGrid->SetGridOrdering(go16x1);
  ColorGrid->SetBackgroundEnabled(false);
  ColorGrid->OnClick = [this](TObject* s) { ColorGridClick(s); };

  FarbWahl = loader.Add<TRadioGroup>("FarbWahl");
  FarbWahl->SetBounds(10, 54, 500, 70);
  FarbWahl->SetCaption("Farbe");
  FarbWahl->SetColumns(4);
  FarbWahl->SetItems(
      Lines({"Signal", "Display", "Text", "Display", "Raster", "Marke", "Zeiger", "Trigger"})
          .get());
  FarbWahl->SetItemIndex(0);

  KanalWahl = loader.Add<TTextSpin>("KanalWahl");
  KanalWahl->SetBounds(10, 140, 130, 26);
  TStringList channels;
  for (int i = 0; i < 32; ++i) channels.Add("Kanal " + IntToStr(i));
  KanalWahl->SetPosText(channels);
  KanalWahl->SetLimiter(true);
  KanalWahl->SetRepSpeed(200);
  KanalWahl->onChanged = [this](TObject* s) { KanalWahlChange(s); };
  KanalEdit = loader.Add<TEdit>("KanalEdit");
  KanalEdit->SetBounds(150, 140, 200, 26);
  KanalEdit->SetMaxLength(20);
  NameStore = loader.Add<TButton>("NameStore");
  NameStore->SetBounds(358, 140, 30, 26);
  NameStore->SetCaption("S");
  NameStore->OnClick = [this](TObject* s) { NameStoreClick(s); };

  Bevel3D1 = loader.Add<TBevel3D>("Bevel3D1");
  Bevel3D1->SetBounds(10, 180, 130, 26);
  Bevel3D1->SetBevWidth(1);
  Bevel3D1->SetBordWidth(0);
  Bevel3D1->SetCaptEnable(true);
  Bevel3D1->SetColCaption(clWhite);
  Bevel3D1->SetCaption("Display");
  DispTyp = loader.Add<TTextSpin>("DispTyp");
  DispTyp->SetBounds(150, 180, 200, 26);
  DispTyp->SetPosText(*Lines({"komplett", "Vollbild", "Bildoben", "Bildmitte", "Bildunten"}));
  DispTyp->SetLimiter(true);
  DispTyp->onChanged = [this](TObject* s) { DispTypChange(s); };

  PrSelect = loader.Add<TRadioGroup>("PrSelect");
  PrSelect->SetBounds(10, 220, 160, 56);
  PrSelect->SetCaption("Print Select");
  PrSelect->SetColumns(2);
  PrSelect->SetItems(Lines({"Display", "Alles"}).get());
  PrSelect->SetItemIndex(0);
  PrZoom = loader.Add<TRadioGroup>("PrZoom");
  PrZoom->SetBounds(180, 220, 160, 56);
  PrZoom->SetCaption("Print Zoom");
  PrZoom->SetColumns(2);
  PrZoom->SetItems(Lines({"1:1", "DIN A4"}).get());
  PrZoom->SetItemIndex(1);
  PrSetup = loader.Add<TButton>("PrSetup");
  PrSetup->SetBounds(350, 236, 80, 28);
  PrSetup->SetCaption("Setup");
  PrSetup->OnClick = [this](TObject* s) { PrSetupClick(s); };
  PrinterSetupDialog1 = loader.AddComponent<TPrinterSetupDialog>("PrinterSetupDialog1");

  StoreBtn = loader.Add<TButton>("StoreBtn");
  StoreBtn->SetBounds(330, 292, 80, 28);
  StoreBtn->SetCaption("OK");
  StoreBtn->SetModalResult(mrOk);
  StoreBtn->SetDefault(true);
  StoreBtn->OnClick = [this](TObject* s) { StoreBtnClick(s); };
  CancelBtn = loader.Add<TButton>("CancelBtn");
  CancelBtn->SetBounds(420, 292, 90, 28);
  CancelBtn->SetCaption("Cancel");
  CancelBtn->SetCancel(true);
  CancelBtn->OnClick = [this](TObject* s) { CancelBtnClick(s); };

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  loader.Finish();
}

void TSetup::FormCreate(TObject*) { FNames.Assign(FDisplay->ChanNamen()); }

void TSetup::FormShow(TObject*) {
  FarbWahl->SetItemIndex(FDisplay->Modus() == TModus::TextDisp ? 2 : 0);
  for (int i = 0; i < 8; ++i) FColours[i] = (FDisplay->*kColours[i].get)();
  FNames.Assign(FDisplay->ChanNamen());
  FDisplayTyp = FDisplay->DisplayTyp();
  KanalEdit->SetText(FNames.Strings(std::clamp(KanalWahl->Position(), 0, 31)));
  FRestore = true;
}

void TSetup::ColorGridClick(TObject*) {
  const int target = FarbWahl->ItemIndex();
  if (target < 0 || target > 7) return;
  (FDisplay->*kColours[target].set)(ColorGrid->ForegroundColor());
}

void TSetup::KanalWahlChange(TObject*) {
  KanalEdit->SetText(FDisplay->ChanNamen().Strings(std::clamp(KanalWahl->Position(), 0, 31)));
}

void TSetup::NameStoreClick(TObject*) {
  const int channel = std::clamp(KanalWahl->Position(), 0, 31);
  if (KanalEdit->Text() != FDisplay->ChanNamen().Strings(channel))
    FDisplay->SetChanName(channel, KanalEdit->Text());
}

void TSetup::DispTypChange(TObject*) {
  static constexpr tdispType kTypes[] = {complete, dispOnly, dispTop, dispCenter, dispBottom};
  FDisplay->SetDisplayTyp(kTypes[std::clamp(DispTyp->Position(), 0, 4)]);
}

void TSetup::PrSetupClick(TObject*) { PrinterSetupDialog1->Execute(); }

void TSetup::StoreBtnClick(TObject*) { FRestore = false; }

void TSetup::CancelBtnClick(TObject*) { Close(); }

void TSetup::FormClose(TObject*, TCloseAction&) {
  if (!FRestore) return;
  FRestore = false;
  FarbWahl->SetItemIndex(FDisplay->Modus() == TModus::TextDisp ? 2 : 0);
  // Pointer and marker last: their lines are drawn on the restored picture.
  for (int i : {0, 1, 2, 3, 4, 7, 5, 6}) (FDisplay->*kColours[i].set)(FColours[i]);
  FDisplay->SetChanNamen(FNames);
  FDisplay->SetDisplayTyp(FDisplayTyp);
  DispTyp->SetPosition(static_cast<int>(FDisplayTyp));
  FDisplay->Invalidate();
}
