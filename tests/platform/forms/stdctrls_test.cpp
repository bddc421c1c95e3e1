#include "platform/forms/stdctrls/stdctrls.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/colorgrd.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/mask.h"
#include "platform/forms/testing/formtest.h"
#include "platform/forms/testing/qtwindows.h"
#include "platform/graphics/font_engine.h"

namespace {

class StdCtrlsTest : public FormTest {
 protected:
  template <class T>
  T* Put(const std::string& name, TRect r, TWinControl* parent = nullptr) {
    T* c = new T(form);
    c->SetName(name);
    c->SetParent(parent != nullptr ? parent : form);
    c->SetBoundsRect(r);
    return c;
  }
  // Records "name" for every event bound with Log.
  TNotifyEvent Log(const std::string& name) {
    return [this, name](TObject*) { events.push_back(name); };
  }
  std::vector<std::string> events;
  using Events = std::vector<std::string>;
};

// Check and radio boxes look like a piece of their parent: its colour behind them, and the face
// and size our canvas draws the same font with.
TEST_F(StdCtrlsTest, BoxesTakeTheParentColourAndTheCanvasFace) {
  auto* box = Put<TCheckBox>("box", Bounds(10, 10, 150, 20));
  box->SetCaption("Check");
  auto* radio = Put<TRadioButton>("radio", Bounds(10, 40, 150, 20));
  radio->SetCaption("Radio");
  form->Font()->SetName("Arial");
  form->Font()->SetSize(10);
  ShowForm();
  const TColor face = ColorToRGB(form->Color());
  const RealizedFont& realized = RealizeFont(*form->Font());
  for (TWidgetControl* c : std::vector<TWidgetControl*>{box, radio}) {
    SCOPED_TRACE(c->Name());
    EXPECT_EQ(ScreenPixel(c, c->Width() - 3, c->Height() / 2), face);  // right of the text
    EXPECT_EQ(ScreenPixel(c, c->Width() - 3, 1), face);
    const QFont font = qtwindows::WidgetOf(c)->font();
    EXPECT_EQ(font.family().toStdString(), realized.Family());
    EXPECT_EQ(font.pixelSize(), realized.EmPixels());
  }
}

TEST_F(StdCtrlsTest, CheckBoxClickRuleForUserAndCode) {
  auto* box = Put<TCheckBox>("box", Bounds(10, 10, 100, 20));
  box->OnClick = Log("click");
  box->SetChecked(true);  // from code: a click, as in the class library
  box->SetChecked(true);  // no change: nothing
  EXPECT_EQ(events, Events{"click"});
  ShowForm();
  Click(box, 5, 10);
  EXPECT_FALSE(box->Checked());
  Click(box, 5, 10);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(events, (Events{"click", "click", "click"}));
}

TEST_F(StdCtrlsTest, RadioGroupItemIndexAndTheClickRule) {
  auto* group = Put<TRadioGroup>("group", Bounds(10, 10, 200, 100));
  group->OnClick = Log("click");
  group->Items()->Add("stop");
  group->Items()->Add("one time");
  group->Items()->Add("continuous");
  EXPECT_EQ(group->ItemIndex(), -1);
  struct Case {
    int set;
    int index;
    bool click;
  };
  for (const Case& c : {Case{1, 1, true}, Case{1, 1, false}, Case{-1, -1, false}, Case{7, 2, true},
                        Case{0, 0, true}, Case{-5, -1, false}}) {
    events.clear();
    group->SetItemIndex(c.set);
    EXPECT_EQ(group->ItemIndex(), c.index) << c.set;
    EXPECT_EQ(events.size(), c.click ? 1u : 0u) << c.set;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(group->Buttons(i)->Checked(), i == c.index) << c.set;
  }
  ShowForm();
  events.clear();
  TRadioButton* second = group->Buttons(1);
  Click(second, 5, second->Height() / 2);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(events, Events{"click"});
  Click(second, 5, second->Height() / 2);  // already chosen: stays, no click
  EXPECT_TRUE(second->Checked());
  EXPECT_EQ(events, Events{"click"});
}

TEST_F(StdCtrlsTest, LoadingStoresCheckedAndItemIndexWithoutClicks) {
  TForm* f = new TForm(nullptr);
  int clicks = 0;
  {
    TFormLoader loader(f);
    auto* group = loader.Add<TRadioGroup>("Mode");
    group->SetItemIndex(2);  // before the items, as a stored form may have it
    group->Items()->SetText("passive\nactive\noverwrite");
    group->OnClick = [&](TObject*) { ++clicks; };
    auto* box = loader.Add<TCheckBox>("Box");
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    loader.Finish();
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_TRUE(group->Buttons(2)->Checked());
    EXPECT_TRUE(box->Checked());
  }
  EXPECT_EQ(clicks, 0);
  delete f;
}

TEST_F(StdCtrlsTest, RadioButtonsBesideEachOtherAreExclusive) {
  auto* a = Put<TRadioButton>("a", Bounds(10, 10, 100, 20));
  auto* b = Put<TRadioButton>("b", Bounds(10, 40, 100, 20));
  a->OnClick = Log("a");
  b->OnClick = Log("b");
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  b->SetChecked(false);  // unchecking fires nothing
  EXPECT_EQ(events, (Events{"a", "b"}));
  ShowForm();
  Click(a, 5, 10);
  EXPECT_TRUE(a->Checked());
  EXPECT_EQ(events, (Events{"a", "b", "a"}));
}

TEST_F(StdCtrlsTest, ButtonGivesItsModalResultToTheFormThenClicks) {
  auto* ok = Put<TButton>("ok", Bounds(10, 10, 75, 25));
  ok->SetModalResult(mrOk);
  ok->OnClick = [this](TObject*) {
    events.push_back("modal " + std::to_string(form->ModalResult()));
  };
  ShowForm();
  Click(ok, 10, 10);
  EXPECT_EQ(events, Events{"modal 1"});
}

TEST_F(StdCtrlsTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
  auto* edit = Put<TEdit>("edit", Bounds(10, 10, 100, 21));
  auto* ok = Put<TButton>("ok", Bounds(10, 40, 75, 25));
  auto* cancel = Put<TButton>("cancel", Bounds(100, 40, 75, 25));
  ok->SetDefault(true);
  cancel->SetCancel(true);
  ok->OnClick = Log("ok");
  cancel->OnClick = Log("cancel");
  ShowForm();
  edit->SetFocus();
  KeyPress(VK_RETURN, "\r");
  KeyPress(VK_ESCAPE, "\x1b");
  cancel->SetFocus();
  KeyPress(VK_RETURN, "\r");  // the focused button takes Enter
  EXPECT_EQ(events, (Events{"ok", "cancel", "cancel"}));
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(StdCtrlsTest, EditTypingMaxLengthReadOnlyAndChangeEvents) {
  auto* edit = Put<TEdit>("edit", Bounds(10, 10, 100, 21));
  edit->SetMaxLength(3);
  edit->OnChange = [&](TObject*) { events.push_back(edit->Text()); };
  ShowForm();
  edit->SetFocus();
  for (char c : std::string("abcd")) KeyPress(uint16_t(c - 'a' + 'A'), std::string(1, c));
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(events, (Events{"a", "ab", "abc"}));
  EXPECT_TRUE(edit->Modified());
  edit->SetText("x\xE4");  // code changes fire OnChange too; Windows-1252 text
  EXPECT_EQ(events.back(), "x\xE4");
  edit->SetReadOnly(true);
  KeyPress('B', "b");
  EXPECT_EQ(edit->Text(), "x\xE4");
}

TEST_F(StdCtrlsTest, KeysTypedIntoAnEditPassTheMessageHooksFirst) {
  auto* edit = Put<TEdit>("edit", Bounds(10, 10, 100, 21));
  std::vector<uint32_t> seen;
  const int key = Application->AddMessageHandler([&](TMsg& msg, bool& handled) {
    if (msg.hwnd != edit->Handle()) return;
    seen.push_back(msg.message);
    handled = msg.message == WM_CHAR && msg.wParam == 'q';  // swallow 'q'
  });
  ShowForm();
  edit->SetFocus();
  KeyPress('Q', "q");
  KeyPress('W', "w");
  Application->RemoveMessageHandler(key);
  EXPECT_EQ(edit->Text(), "w");
  EXPECT_EQ(seen,
            (std::vector<uint32_t>{WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
}

TEST_F(StdCtrlsTest, KeyPressHandlerClearingTheKeyStopsIt) {
  auto* edit = Put<TEdit>("edit", Bounds(10, 10, 100, 21));
  edit->OnKeyPress = [](TObject*, char& key) {
    if (key < '0' || key > '9') key = 0;
  };
  ShowForm();
  edit->SetFocus();
  KeyPress('1', "1");
  KeyPress('X', "x");
  KeyPress('2', "2");
  EXPECT_EQ(edit->Text(), "12");
}

TEST_F(StdCtrlsTest, MemoLinesAndTextAreOneContent) {
  auto* memo = Put<TMemo>("memo", Bounds(10, 10, 150, 80));
  memo->Lines()->Add("eins");
  memo->Lines()->Add("zwei");
  EXPECT_EQ(memo->Text(), "eins\r\nzwei");
  memo->SetText("a\r\nb\r\nc");
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Strings(2), "c");
  ShowForm();
  memo->SetFocus();
  KeyPress('X', "x");
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_NE(memo->Text().find('x'), std::string::npos);
}

TEST_F(StdCtrlsTest, ScrollBarKeepsPositionInRangeAndReportsScrolls) {
  auto* bar = Put<TScrollBar>("bar", Bounds(10, 10, 150, 16));
  bar->OnChange = [&](TObject*) { events.push_back("change " + std::to_string(bar->Position())); };
  bar->SetMax(190);
  bar->SetMin(60);
  EXPECT_EQ(bar->Position(), 60);
  bar->SetPosition(500);
  EXPECT_EQ(bar->Position(), 190);
  bar->SetPosition(190);
  EXPECT_EQ(events, (Events{"change 60", "change 190"}));
  bar->SetSmallChange(5);
  bar->OnScroll = [&](TObject*, TScrollCode code, int& pos) {
    events.push_back("scroll " + std::to_string(int(code)) + " " + std::to_string(pos));
    if (code == scLineDown) pos = std::min(pos, 182);
  };
  events.clear();
  ShowForm();
  bar->SetFocus();
  KeyPress(VK_LEFT);
  KeyPress(VK_LEFT);
  EXPECT_EQ(events, (Events{"scroll 0 185", "change 185", "scroll 0 180", "change 180"}));
  events.clear();
  KeyPress(VK_RIGHT);
  EXPECT_EQ(bar->Position(), 182);  // the handler held it back
  EXPECT_EQ(events, (Events{"scroll 1 185", "change 182"}));
}

TEST_F(StdCtrlsTest, ListBoxSelectionEventsAndOwnerDrawnItems) {
  auto* list = Put<TListBox>("list", Bounds(10, 10, 120, 80));
  list->Items()->SetText("Errors\nOk");
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(11);
  list->OnClick = [&](TObject*) { events.push_back("click " + std::to_string(list->ItemIndex())); };
  list->SetItemIndex(1);  // from code: no click
  EXPECT_EQ(list->ItemIndex(), 1);
  list->SetItemIndex(9);
  EXPECT_EQ(list->ItemIndex(), -1);
  std::vector<int> drawn;
  list->OnDrawItem = [&](TWinControl*, int index, TRect r, TOwnerDrawState) {
    drawn.push_back(index);
    list->Canvas()->Brush()->SetColor(index == 0 ? clRed : clLime);
    list->Canvas()->FillRect(r);
  };
  ShowForm();
  EXPECT_EQ(ScreenPixel(list, 20, 6), clRed);
  EXPECT_EQ(ScreenPixel(list, 20, 17), clLime);
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 1), drawn.end());
  Click(list, 20, 16);
  EXPECT_EQ(events, Events{"click 1"});
  list->OnDrawItem = nullptr;  // the default drawing: the selection colour and the text
  list->SetItemIndex(0);
  Pump();
  EXPECT_EQ(ScreenPixel(list, 60, 5), ColorToRGB(clHighlight));
}

TEST_F(StdCtrlsTest, ComboBoxDropDownListShowsTheChosenItem) {
  auto* combo = Put<TComboBox>("combo", Bounds(10, 10, 120, 21));
  combo->SetStyle(csDropDownList);
  combo->Items()->SetText("links\nmitte\nrechts");
  combo->OnChange = Log("change");
  combo->OnClick = Log("click");
  combo->SetItemIndex(2);
  EXPECT_EQ(combo->Text(), "rechts");
  combo->SetItemIndex(-1);
  EXPECT_EQ(combo->Text(), "");
  EXPECT_TRUE(events.empty());
  ShowForm();
  combo->SetFocus();
  KeyPress(VK_DOWN);  // chooses the first item as the user would
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(combo->Text(), "links");
  EXPECT_EQ(events, (Events{"click", "change"}));
}

// --- Windowless controls ---

TEST_F(StdCtrlsTest, SpeedButtonGroupRules) {
  auto* a = Put<TSpeedButton>("a", Bounds(10, 10, 30, 30));
  auto* b = Put<TSpeedButton>("b", Bounds(50, 10, 30, 30));
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  a->OnClick = [&](TObject*) { events.push_back(std::string("a ") + (a->Down() ? "down" : "up")); };
  b->OnClick = [&](TObject*) { events.push_back(std::string("b ") + (b->Down() ? "down" : "up")); };
  ShowForm();
  Click(a, 5, 5);
  Click(b, 5, 5);
  EXPECT_FALSE(a->Down());
  Click(b, 5, 5);  // without AllowAllUp the down button stays down
  EXPECT_TRUE(b->Down());
  b->SetDown(false);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(events, (Events{"a down", "b down", "b down"}));
  a->SetAllowAllUp(true);  // for the whole group
  EXPECT_TRUE(b->AllowAllUp());
  Click(b, 5, 5);
  EXPECT_FALSE(b->Down());
  auto* single = Put<TSpeedButton>("single", Bounds(90, 10, 30, 30));
  single->SetDown(true);  // group index 0: never down
  EXPECT_FALSE(single->Down());
}

TEST_F(StdCtrlsTest, SpeedButtonIgnoresTheGroupNoticeOfOtherControls) {
  auto* a = Put<TSpeedButton>("a", Bounds(10, 10, 30, 30));
  a->SetGroupIndex(3);
  a->SetDown(true);
  auto* other = Put<TPanel>("other", Bounds(50, 10, 30, 30));
  TMessage notice{CM_BUTTONPRESSED, 3,
                  int64_t(reinterpret_cast<intptr_t>(static_cast<TControl*>(other))), 0};
  form->Broadcast(notice);
  EXPECT_TRUE(a->Down());
}

TEST_F(StdCtrlsTest, SpeedButtonMayBeFreedByItsOwnClickHandler) {
  auto* a = Put<TSpeedButton>("a", Bounds(10, 10, 30, 30));
  a->OnClick = [&](TObject*) { delete a; };
  ShowForm();
  Click(a, 5, 5);
  EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(StdCtrlsTest, SpeedButtonFaceShowsUpAndDown) {
  auto* a = Put<TSpeedButton>("a", Bounds(10, 10, 30, 30));
  a->SetGroupIndex(1);
  ShowForm();
  EXPECT_EQ(ScreenPixel(a, 0, 0), ColorToRGB(clBtnHighlight));
  a->SetDown(true);
  Pump();
  EXPECT_NE(ScreenPixel(a, 0, 0), ColorToRGB(clBtnHighlight));  // a sunken face
  EXPECT_NE(ScreenPixel(a, 5, 5), ScreenPixel(a, 6, 5));        // held down: dithered
}

TEST_F(StdCtrlsTest, SpeedButtonGlyphWithoutCaptionIsCentred) {
  TBitmap glyph;
  glyph.SetSize(20, 20);
  glyph.Canvas()->Brush()->SetColor(clOlive);  // the bottom-left pixel: transparent
  glyph.Canvas()->FillRect(Rect(0, 0, 20, 20));
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(0, 0, 1, 19));
  glyph.Canvas()->FillRect(Rect(19, 0, 20, 19));
  auto* a = Put<TSpeedButton>("a", Bounds(10, 10, 30, 30));
  a->SetGlyph(&glyph);
  ShowForm();
  // The glyph's two red edges stand 19 pixels apart in the middle of the button.
  std::vector<int> red;
  for (int x = 0; x < 30; ++x) {
    if (ScreenPixel(a, x, 15) == clRed) red.push_back(x);
  }
  ASSERT_EQ(red.size(), 2u);
  EXPECT_EQ(red[1] - red[0], 19);
  EXPECT_NEAR((red[0] + red[1]) / 2.0, 14.5, 1.0);
}

TEST_F(StdCtrlsTest, MouseOverAControlGivesTheApplicationItsLongHintEvenWhenDisabled) {
  auto* a = Put<TSpeedButton>("a", Bounds(10, 10, 30, 30));
  auto* b = Put<TSpeedButton>("b", Bounds(50, 10, 30, 30));
  a->SetHint("A|the first");
  b->SetHint("B|the second");
  b->SetEnabled(false);
  ShowForm();
  Move(a, 5, 5);
  Move(a, 6, 6);  // the first move may only enter the window
  EXPECT_EQ(Application->Hint(), "the first");
  Move(b, 5, 5);
  EXPECT_EQ(Application->Hint(), "the second");
  Move(form, 200, 200);
  EXPECT_EQ(Application->Hint(), "");
}

TEST_F(StdCtrlsTest, LabelSizesToItsCaptionAndFillsUnlessTransparent) {
  form->SetColor(clTeal);
  auto* label = Put<TLabel>("label", Bounds(200, 10, 10, 10));
  label->SetAlignment(taRightJustify);
  label->SetCaption("Position");
  EXPECT_GT(label->Width(), 20);
  EXPECT_EQ(label->Left() + label->Width(), 210);  // the right edge stays
  EXPECT_EQ(label->Color(), clTeal);               // the parent's colour
  label->SetColor(clYellow);
  ShowForm();
  EXPECT_EQ(ScreenPixel(label, 0, 0), clYellow);
  label->SetTransparent(true);
  Pump();
  EXPECT_EQ(ScreenPixel(label, 0, 0), clTeal);
}

TEST_F(StdCtrlsTest, StandardControlsFollowTheFormsFont) {
  auto* label = Put<TLabel>("label", Bounds(10, 10, 50, 20));
  auto* edit = Put<TEdit>("edit", Bounds(10, 40, 50, 20));
  form->Font()->SetName("Courier New");
  EXPECT_EQ(label->Font()->Name(), "Courier New");
  EXPECT_EQ(edit->Font()->Name(), "Courier New");
  label->Font()->SetColor(clRed);  // its own font from now on
  form->Font()->SetName("Arial");
  EXPECT_EQ(label->Font()->Name(), "Courier New");
  EXPECT_EQ(edit->Font()->Name(), "Arial");
}

TEST_F(StdCtrlsTest, PanelPaintsBevelsFaceAndCaption) {
  auto* panel = Put<TPanel>("panel", Bounds(10, 10, 100, 40));
  panel->SetColor(clSilver);
  panel->SetBevelInner(bvLowered);
  panel->SetBevelWidth(2);
  ShowForm();
  struct Case {
    int x, y;
    TColor color;
  };
  for (const Case& c : {Case{0, 0, ColorToRGB(clBtnHighlight)},
                        Case{99, 39, ColorToRGB(clBtnShadow)}, Case{2, 2, ColorToRGB(clBtnShadow)},
                        Case{96, 36, ColorToRGB(clBtnHighlight)}, Case{10, 8, clSilver}}) {
    EXPECT_EQ(ScreenPixel(panel, c.x, c.y), c.color) << c.x << "," << c.y;
  }
}

TEST_F(StdCtrlsTest, ShapeAndBevelDrawWithTheirSettings) {
  auto* shape = Put<TShape>("shape", Bounds(10, 10, 40, 20));
  shape->Brush()->SetColor(clRed);
  shape->SetShape(stSquare);  // 20 x 20 in the middle
  auto* bevel = Put<TBevel>("bevel", Bounds(60, 10, 40, 20));
  bevel->SetShape(bsBottomLine);
  ShowForm();
  EXPECT_EQ(ScreenPixel(shape, 20, 10), clRed);
  EXPECT_EQ(ScreenPixel(shape, 3, 10), ColorToRGB(clBtnFace));
  EXPECT_EQ(ScreenPixel(shape, 10, 0), clBlack);
  EXPECT_EQ(ScreenPixel(bevel, 5, 18), ColorToRGB(clBtnShadow));
  EXPECT_EQ(ScreenPixel(bevel, 5, 19), ColorToRGB(clBtnHighlight));
  shape->Brush()->SetColor(clBlue);
  Pump();
  EXPECT_EQ(ScreenPixel(shape, 20, 10), clBlue);
}

TEST_F(StdCtrlsTest, ImageDrawsOrStretchesItsPicture) {
  auto* image = Put<TImage>("image", Bounds(10, 10, 40, 40));
  TBitmap bmp;
  bmp.SetSize(2, 2);
  bmp.Canvas()->SetPixels(0, 0, clRed);
  bmp.Canvas()->SetPixels(1, 0, clLime);
  bmp.Canvas()->SetPixels(0, 1, clBlue);
  bmp.Canvas()->SetPixels(1, 1, clWhite);
  image->Picture()->SetBitmap(&bmp);
  ShowForm();
  EXPECT_EQ(ScreenPixel(image, 1, 0), clLime);
  EXPECT_EQ(ScreenPixel(image, 30, 30), ColorToRGB(clBtnFace));
  image->SetStretch(true);
  Pump();
  EXPECT_EQ(ScreenPixel(image, 30, 5), clLime);
  EXPECT_EQ(ScreenPixel(image, 30, 30), clWhite);
}

TEST_F(StdCtrlsTest, BitBtnKindsBringCaptionResultAndClose) {
  auto* close = Put<TBitBtn>("close", Bounds(10, 10, 80, 25));
  close->SetKind(bkClose);
  EXPECT_EQ(close->Caption(), "&Close");
  auto* ok = Put<TBitBtn>("ok", Bounds(10, 40, 80, 25));
  ok->SetKind(bkOK);
  EXPECT_EQ(ok->ModalResult(), mrOk);
  EXPECT_TRUE(ok->Default());
  EXPECT_FALSE(ok->Glyph()->Empty());
  auto* help = Put<TBitBtn>("help", Bounds(10, 70, 80, 25));
  help->SetKind(bkHelp);
  help->SetCaption("&Info");
  help->OnClick = Log("info");
  bool closed = false;
  form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
  ShowForm();
  Click(help, 10, 10);
  EXPECT_EQ(events, Events{"info"});
  form->SetHelpContext(100);  // a help context: the help (there is none) instead of OnClick
  Click(help, 10, 10);
  EXPECT_EQ(events, Events{"info"});
  Click(close, 10, 10);
  EXPECT_TRUE(closed);
}

}  // namespace

namespace {

TEST(EditMaskTest, FormatTextAndCompleteness) {
  struct Case {
    const char* mask;
    const char* value;
    const char* shown;
    const char* text;
    bool complete;
  };
  const Case cases[] = {
      {"!00000;1;_", "9600", "9600_", "9600 ", false},
      {"!00000;1;_", "19200", "19200", "19200", true},
      {"!99999;0;_", "70", "70___", "70   ", true},
      {"!99999;0;_", "x7y0", "70___", "70   ", true},
      {"00/00/00;1;_", "24/12/99", "24/12/99", "24/12/99", true},
      {"00/00/00;0;*", "241299", "24/12/99", "241299", true},
      {">LL-000;1;_", "ab-12", "AB-12_", "AB-12 ", false},
  };
  for (const Case& c : cases) {
    TEditMask mask(c.mask);
    const std::string shown = mask.Format(c.value);
    EXPECT_EQ(shown, c.shown) << c.mask << " " << c.value;
    EXPECT_EQ(mask.TextOf(shown), c.text) << c.mask << " " << c.value;
    EXPECT_EQ(mask.Complete(shown), c.complete) << c.mask << " " << c.value;
  }
}

TEST_F(StdCtrlsTest, MaskedEditRefusesWhatItsMaskRefuses) {
  auto* edit = Put<TMaskEdit>("baud", Bounds(10, 10, 100, 21));
  edit->SetEditMask("!99999;1;_");
  edit->SetText("9600");
  EXPECT_EQ(edit->EditText(), "9600_");
  ShowForm();
  edit->SetFocus();
  KeyPress(VK_END);
  for (int i = 0; i < 5; ++i) KeyPress(VK_BACK);
  EXPECT_EQ(edit->EditText(), "_____");
  for (char c : std::string("1x9-2")) KeyPress(uint16_t(std::toupper(c)), std::string(1, c));
  EXPECT_EQ(edit->EditText(), "192__");
  EXPECT_EQ(edit->Text(), "192  ");
}

TEST_F(StdCtrlsTest, LeavingAnIncompleteMaskedEditKeepsTheFocus) {
  auto* edit = Put<TMaskEdit>("baud", Bounds(10, 10, 100, 21));
  auto* other = Put<TEdit>("other", Bounds(10, 40, 100, 21));
  edit->SetEditMask("!00000;1;_");
  edit->SetText("70");
  edit->OnExit = Log("exit");
  ShowForm();
  edit->SetFocus();
  dialogs.Answer(mrOk);
  other->SetFocus();
  EXPECT_EQ(form->ActiveControl(), edit);
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_NE(dialogs.Asked()[0].Text.find("Invalid input value"), std::string::npos);
  edit->SetText("19200");
  other->SetFocus();
  EXPECT_EQ(form->ActiveControl(), other);
  EXPECT_EQ(events, Events{"exit"});
}

}  // namespace

namespace {

TEST_F(StdCtrlsTest, ColorGridChoosesForegroundByLeftAndBackgroundByRightClick) {
  auto* grid = Put<TColorGrid>("grid", Bounds(10, 10, 160, 20));
  grid->SetGridOrdering(go16x1);
  grid->OnChange = [&](TObject*) { events.push_back("change"); };
  grid->OnClick = [&](TObject*) {
    events.push_back("click " + std::to_string(grid->ForegroundColor()));
  };
  ShowForm();
  EXPECT_EQ(ScreenPixel(grid, 9 * 10 + 2, 3), clRed);
  Click(grid, 9 * 10 + 5, 10);
  EXPECT_EQ(grid->ForegroundIndex(), 9);
  EXPECT_EQ(events, (Events{"change", "click " + std::to_string(clRed)}));
  Click(grid, 10 * 10 + 5, 10, mbRight);
  EXPECT_EQ(grid->BackgroundColor(), clLime);
  grid->SetForegroundIndex(16);  // ignored
  EXPECT_EQ(grid->ForegroundIndex(), 9);
}

}  // namespace

TEST(FormImageTest, PushButtonCornersShowTheFormBeneath) {
  // A push button leaves the pixels of its rounded corners alone; on screen the form shows there,
  // and so it must in the form's image.
  TForm f(nullptr);
  f.SetBounds(50, 50, 200, 120);
  f.SetColor(clRed);
  auto* button = new TButton(&f);
  button->SetParent(&f);
  button->SetBounds(20, 30, 80, 26);
  button->SetCaption("OK");
  f.Show();
  PumpMessages();
  const std::unique_ptr<TBitmap> image = f.GetFormImage();
  const TPoint at = button->ClientOrigin();
  const TPoint form = f.ClientOrigin();
  const int left = at.X - form.X, top = at.Y - form.Y;
  EXPECT_EQ(image->Canvas()->Pixels(left, top), clRed);
  EXPECT_EQ(image->Canvas()->Pixels(left + button->Width() - 1, top + button->Height() - 1), clRed);
  EXPECT_NE(image->Canvas()->Pixels(left + button->Width() / 2, top + button->Height() / 2), clRed);
}
