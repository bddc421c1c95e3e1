// The stroke-font dialog: every input reaches the plate, the numbers when their field is left.

#include "programs/demo/forms/strokdlg.h"

#include <string>
#include <utility>

#include "platform/forms/input.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class StrokeTextDlgTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("StrokeBtn");
    f = static_cast<TStrokeTextDlg*>(demo.get());
    Activate(f);
  }
  // Keys go to the dialog's focused control.
  void Key(uint16_t vk, const std::string& text = "") {
    struct Target {
      TForm*& slot;
      TForm* saved;
      ~Target() { slot = saved; }
    } target{form, std::exchange(form, demo.get())};
    KeyPress(vk, text);
  }
  void Type(const std::string& text) {
    for (char ch : text) {
      const uint16_t vk = ch >= 'a' && ch <= 'z' ? uint16_t(ch - 32) : uint16_t(ch);
      Key(vk, std::string(1, ch));
    }
  }
  std::unique_ptr<TForm> demo;
  TStrokeTextDlg* f = nullptr;
};

TEST_F(StrokeTextDlgTest, StartsWithTheTextCentredOnThePlateAndTheEditFocused) {
  TStroke* s = f->StrokeBevel;
  EXPECT_EQ(s->sString(), "ABC");
  EXPECT_EQ(s->SizeX(), 40);
  EXPECT_EQ(s->SizeY(), 60);
  EXPECT_EQ(s->Bold(), 6);
  EXPECT_EQ(s->JustifyHor(), stCenter);
  EXPECT_EQ(s->JustifyVert(), stMiddle);
  EXPECT_EQ(s->PositionX(), s->Width() / 2);
  EXPECT_EQ(s->PositionY(), s->Height() / 2);
  EXPECT_TRUE(f->EditFeld->Focused());
  EXPECT_EQ(f->WinkelEdit->UnitText(), " \xBA");
  // The plate draws the black text over its middle.
  bool black = false;
  for (int y = 70; y <= 130; ++y) black = black || ScreenPixel(s, 100, y) == clBlack;
  EXPECT_TRUE(black);
}

TEST_F(StrokeTextDlgTest, TheTextFollowsTheEditUpToSixteenCharacters) {
  f->EditFeld->SetText("Stroke");
  EXPECT_EQ(f->StrokeBevel->sString(), "Stroke");
  Type("0123456789ABCDEFGH");
  EXPECT_EQ(f->EditFeld->Text().size(), 16u);
  EXPECT_EQ(f->StrokeBevel->sString(), f->EditFeld->Text());
}

// A number typed into a field reaches the plate when the focus leaves the field, not before.
TEST_F(StrokeTextDlgTest, NumbersApplyWhenTheirFieldIsLeft) {
  const struct {
    TNumEdit* TStrokeTextDlg::*field;
    const char* typed;
    int (TStroke::*read)() const;
    int value;
  } cases[] = {
      {&TStrokeTextDlg::WinkelEdit, "45", &TStroke::Rotate, 45},
      {&TStrokeTextDlg::xSize, "25", &TStroke::SizeX, 25},
      {&TStrokeTextDlg::ySize, "30", &TStroke::SizeY, 30},
      {&TStrokeTextDlg::Pen, "3", &TStroke::Bold, 3},
  };
  for (const auto& c : cases) {
    TNumEdit* field = f->*c.field;
    const int before = (f->StrokeBevel->*c.read)();
    field->SetFocus();
    Type(c.typed);
    EXPECT_EQ((f->StrokeBevel->*c.read)(), before) << field->Name();
    Key(VK_TAB);
    EXPECT_FALSE(field->Focused()) << field->Name();
    EXPECT_EQ(field->ValueInt(), c.value) << field->Name();
    EXPECT_EQ((f->StrokeBevel->*c.read)(), c.value) << field->Name();
  }
}

TEST_F(StrokeTextDlgTest, ColourJustificationMirrorAndSlantReachThePlate) {
  TStroke* s = f->StrokeBevel;
  // The red cell of the 4 x 4 grid (second cell of the third row).
  const int w = f->TextColor->Width() / 4, h = f->TextColor->Height() / 4;
  Click(f->TextColor, w + w / 2, 2 * h + h / 2);
  EXPECT_EQ(f->TextColor->ForegroundColor(), clRed);
  EXPECT_EQ(s->Color(), clRed);

  const TJustHor hor[] = {stLeft, stCenter, stRight};
  const TJustVert vert[] = {stBottom, stMiddle, stTop};
  for (int i = 0; i < 3; ++i) {
    f->TextJustifyHor->SetItemIndex(i);
    f->TextJustifyVert->SetItemIndex(i);
    EXPECT_EQ(s->JustifyHor(), hor[i]) << i;
    EXPECT_EQ(s->JustifyVert(), vert[i]) << i;
  }
  Click(f->MirrorCheck, 5, 5);
  EXPECT_TRUE(s->Mirror());
  Pause();
  Click(f->ItalicCheck, 5, 5);
  EXPECT_TRUE(s->Italic());
  Pause();
  Click(f->MirrorCheck, 5, 5);
  EXPECT_FALSE(s->Mirror());
}

TEST_F(StrokeTextDlgTest, OkEndsTheDialogWithOk) {
  Click(f->OKBtn, 10, 10);
  EXPECT_EQ(f->ModalResult(), mrOk);
}

}  // namespace
