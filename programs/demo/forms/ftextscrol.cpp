#include "programs/demo/forms/ftextscrol.h"

#include <string>

#include "platform/base/sysutils.h"
#include "programs/demo/assets.h"
#include "programs/demo/forms/demopictures.h"

const char* const kTextScrollSample = "ftextscrol.cpp";

namespace {

struct TTextModeValue {
  bool Hex;
  tsHexSize Size;
  bool operator==(const TTextModeValue&) const = default;
};
const TItemValues<TTextModeValue> kTextModeItems{
    {"pure Text", "8   bit Hex", "16 bit Hex", "32 bit Hex"},
    {{false, hsWord}, {true, hsByte}, {true, hsWord}, {true, hsLong}}};
const TItemValues<int> kHexOffsItems{{"00000h", "00100h", "01000h", "10000h"},
                                     {0, 0x100, 0x1000, 0x10000}};
const TItemValues<int> kFontSizeItems{{"  8 pts", "  9 pts", "10 pts", "11 pts"}, {8, 9, 10, 11}};
struct TModeValue {
  bool Passive, ReadOnly, OverWrite;
  bool operator==(const TModeValue&) const = default;
};
const TItemValues<TModeValue> kModeItems{
    {"passive", "active", "overwrite"},
    {{true, true, false}, {false, true, false}, {false, false, true}}};
constexpr int kTimeOuts[] = {5, 10, 20, 60};

TRadioGroup* AddGroup(TFormLoader& Loader, const char* Name, const char* Caption, int Left, int Top,
                      int Width) {
  auto* group = Loader.Add<TRadioGroup>(Name);
  group->SetBounds(Left, Top, Width, 88);
  group->SetCaption(Caption);
  return group;
}

TLabel* AddLabel(TFormLoader& Loader, const char* Name, const char* Caption, int Left, int Top) {
  auto* label = Loader.Add<TLabel>(Name);
  label->SetBounds(Left, Top, 76, 14);
  label->SetCaption(Caption);
  return label;
}

// A grey bitmap caret 10 wide and 16 high.
void SetUpCaret(TtsCaret& Caret) {
  TBitmap image;
  image.Canvas()->Brush()->SetColor(clBlack);
  image.SetSize(10, 16);
  Caret.SetBitmap(&image);
  Caret.SetBitmapHotSpotX(1);
  Caret.SetIsGray(true);
  Caret.SetShape(csBitmap);
}

}  // namespace

TTextSrcollDemo::TTextSrcollDemo(TComponent* AOwner) : TDemoForm(AOwner, "TTextSrcollDemo") {
  TFormLoader loader(this);

  TextScroll = loader.Add<TTextScroller>("TextScroll");
  TextScroll->SetBounds(8, 8, 440, 375);
  SetUpCaret(*TextScroll->Caret());
  TextScroll->SetShowCaret(false);
  TextScroll->SetFontSize(10);
  TextScroll->SetColorBack(clWhite);
  TextScroll->SetColorBack2(clAqua);
  TextScroll->SetColorText(clBlack);
  TextScroll->SetMarginLeft(3);
  TextScroll->SetMarginTop(1);
  TextScroll->SetMarginCapt("Top Margin Caption");
  TextScroll->SetReadOnly(true);
  TextScroll->SetPassive(false);
  TextScroll->SetOverWrite(false);
  TextScroll->SetHexMode(false);
  TextScroll->SetHexSize(hsWord);
  TextScroll->SetHexBufLen(255);
  TextScroll->SetHexOffset(0);
  TextScroll->SetNonHexChar(char(133));
  TextScroll->OnDblClick = [this](TObject*) { TextScrollDblClick(); };

  BitWin = loader.AddComponent<TBitWin>("BitWin");
  BitWin->SetParent(TextScroll);
  BitWin->SetColor(0x80FFFF);
  BitWin->SetInfo("Hallo");
  BitWin->SetShowDelay(1000);
  BitWin->SetOriginVert(bwvBottom);
  BitWin->SetOffSetX(0);
  BitWin->SetOffSetY(15);
  BitWin->OnShow = [this](TObject*, TPoint& Pos, std::string& Info, bool& Show) {
    BitWinShow(Pos, Info, Show);
  };

  ScrnSave = loader.AddComponent<TScrnSaveCtrl>("ScrnSave");
  ScrnSave->SetSaverEnable(false);
  ScrnSave->SetSaverTimeOut(5);

  TextMode = AddGroup(loader, "TextMode", "Text mode", 456, 4, 160);
  BindSelector<TTextModeValue>(TextMode, kTextModeItems, [this](const TTextModeValue& v) {
    if (v.Hex) TextScroll->SetHexSize(v.Size);
    TextScroll->SetHexMode(v.Hex);
  });
  TextMode->SetItemIndex(0);
  HexOffs = AddGroup(loader, "HexOffs", "Hex offset", 456, 96, 160);
  BindSelector<int>(HexOffs, kHexOffsItems, [this](int v) { TextScroll->SetHexOffset(v); });
  HexOffs->SetItemIndex(0);
  FontSize = AddGroup(loader, "FontSize", "Font size", 456, 188, 78);
  BindSelector<int>(FontSize, kFontSizeItems, [this](int v) { TextScroll->SetFontSize(v); });
  FontSize->SetItemIndex(2);
  Mode = AddGroup(loader, "Mode", "Mode", 538, 188, 78);
  BindSelector<TModeValue>(Mode, kModeItems, [this](const TModeValue& v) {
    TextScroll->SetPassive(v.Passive);
    TextScroll->SetReadOnly(v.ReadOnly);
    TextScroll->SetOverWrite(v.OverWrite);
  });

  AddLabel(loader, "LabelSaver", "Screen saver", 456, 284);
  MultiBmp = loader.Add<TMultiBmp>("MultiBmp");
  MultiBmp->SetBounds(456, 302, 44, 44);
  MultiBmp->SetGlyph(LoadDemoPicture("knob8.bmp").get());
  MultiBmp->SetGlyphNums(8);
  MultiBmp->SetButtonStyle(tsPushPull);
  MultiBmp->SetAnimate(true);
  MultiBmp->OnDown = [this](TObject*) { SaverSwitched(true); };
  MultiBmp->OnUp = [this](TObject*) { SaverSwitched(false); };
  scLabel = AddLabel(loader, "scLabel", "off", 506, 318);
  scLabel->SetWidth(24);

  AddLabel(loader, "LabelTimeOut", "Time out", 538, 284);
  TimeOutSpin = loader.Add<TTextSpin>("TimeOutSpin");
  TimeOutSpin->SetBounds(538, 302, 78, 26);
  TimeOutSpin->SetLimiter(true);
  TimeOutSpin->SetColTxtBack(clBlack);
  TimeOutSpin->Font()->SetColor(clLime);
  TimeOutSpin->PosText()->SetText("5 sec\n10 sec\n20 sec\n1 min");
  TimeOutSpin->onChanged = [this](TObject*) {
    const int i = TimeOutSpin->Position();
    if (i >= 0 && i < 4) ScrnSave->SetSaverTimeOut(kTimeOuts[i]);
  };

  // The viewer opens the sample last: a missing file is reported once, on a form that works.
  TextScroll->SetFileName(AssetPath(kTextScrollSample));
  TextScroll->SetIsOpen(true);

  AddCloser(loader, 536, 358, 80, 25);
  loader.Finish();
}

void TTextSrcollDemo::TextScrollDblClick() {
  int col = 0;
  const int line = TextScroll->GetLineCol(col);
  // Below the last line there is no line to mark.
  if (line < 0 || line >= TextScroll->LineCount()) return;
  if (col < 0) {
    TextScroll->SetLineFlag(line, TextScroll->GetLineFlag(line) == 0 ? 1 : 0);
  } else {
    TextScroll->SetBookmark(0, line, col);
  }
}

void TTextSrcollDemo::BitWinShow(TPoint& MousePos, std::string& Info, bool& Show) {
  TextScroll->WordAtCaret(MousePos, Info);
  if (MousePos.X < 1 || MousePos.Y < 1) return;
  int col = 0;
  const int line = TextScroll->GetLineCol(col);
  Info += "^Mx: " + IntToStr(MousePos.X) + "^My: " + IntToStr(MousePos.Y) +
          "^ML: " + IntToStr(line) + "^MC: " + IntToStr(col);
  Show = true;
}

void TTextSrcollDemo::SaverSwitched(bool On) {
  scLabel->SetCaption(On ? "on" : "off");
  ScrnSave->SetSaverEnable(On);
}
