#include "library/controls/orvanemisc/fifo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/testing/formtest.h"

namespace {

class FiFoTest : public FormTest {
 protected:
  FiFoTest() {
    fifo = new TFiFo(form);
    fifo->SetParent(form);
    fifo->SetBounds(10, 10, 120, 30);
    other = new TFiFo(form);
    other->SetParent(form);
    other->SetBounds(10, 50, 120, 30);
  }
  void Type(const std::string& text) {
    for (char ch : text) KeyPress(uint16_t(toupper(ch)), std::string(1, ch));
  }
  TColor Pixel(int x, int y) { return fifo->Canvas()->Pixels(x, y); }

  TFiFo* fifo;
  TFiFo* other;
};

TEST_F(FiFoTest, TypedCharactersAppendBeforeAnInvertedCaretCell) {
  int changes = 0;
  fifo->OnChange = [&](TObject*) { ++changes; };
  ShowForm();
  const TRect& f = fifo->FieldRect();
  const int middle = (f.Top + f.Bottom) / 2;
  EXPECT_EQ(Pixel(f.Left + 3, middle), clWhite);
  Click(fifo, 20, 15);  // a click takes the focus
  EXPECT_TRUE(fifo->Focused());
  Type("abc");
  EXPECT_EQ(fifo->Text(), "abc");
  EXPECT_EQ(fifo->TextChar(), 'c');
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(fifo->ShownText(), "abc ");
  // The caret cell is the blank behind the text, inverted: black on the white field.
  const int right = f.Left + fifo->Canvas()->TextWidth("abc ");
  const int left = f.Left + fifo->Canvas()->TextWidth("abc");
  for (int x = left + 1; x < right - 1; ++x) EXPECT_EQ(Pixel(x, middle), clBlack) << x;
  // Leaving the field takes the caret away.
  KeyPress(VK_TAB);
  EXPECT_EQ(Pixel((left + right) / 2, middle), clWhite);

  // Control characters are characters too.
  other->SetFocus();
  Type("x");
  KeyPress(VK_BACK, "\b");
  EXPECT_EQ(other->Text(), "x\b");
}

TEST_F(FiFoTest, FieldShowsTheNewestCharactersThatFit) {
  const std::string text = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  fifo->SetText(text);
  ShowForm();
  for (int width : {30, 60, 120, 400}) {
    SCOPED_TRACE(width);
    fifo->SetWidth(width);
    fifo->Update();
    const std::string shown = fifo->ShownText();
    const std::string all = text + ' ';
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(all.substr(all.size() - shown.size()), shown);
    TCanvas& c = *fifo->Canvas();
    const int room = fifo->FieldRect().Width();
    EXPECT_LE(c.TextWidth(shown), room);
    if (shown.size() < all.size()) {
      EXPECT_GT(c.TextWidth(all.substr(all.size() - shown.size() - 1)), room);
    }
  }
}

// Text set after the paint is drawn in the control's font, as the paint draws it, in whatever
// state the paint left the canvas.
TEST_F(FiFoTest, TextSetLaterLooksAsPainted) {
  fifo->Font()->SetHeight(-16);
  fifo->SetText("Abc");
  ShowForm();
  fifo->Update();
  const auto pixels = [this] {
    std::vector<TColor> all;
    for (int y = 0; y < fifo->Height(); ++y) {
      for (int x = 0; x < fifo->Width(); ++x) all.push_back(Pixel(x, y));
    }
    return all;
  };
  const std::vector<TColor> painted = pixels();
  fifo->SetText("x");
  fifo->SetText("Abc");
  EXPECT_TRUE(pixels() == painted);
}

TEST_F(FiFoTest, TooNarrowFieldShowsNothingAndDoesNotHang) {
  fifo->SetText("abc");
  fifo->SetWidth(8);  // the frame leaves a field of negative width
  ShowForm();
  EXPECT_TRUE(fifo->ShownText().empty());
  fifo->SetTextChar('d');
  EXPECT_EQ(fifo->Text(), "abcd");
}

TEST_F(FiFoTest, TextKeepsAtMost254Characters) {
  for (int i = 0; i < 255; ++i) fifo->SetTextChar(char('a' + i % 26));
  EXPECT_EQ(fifo->Text().size(), 254u);
  EXPECT_EQ(fifo->Text()[0], 'b');  // the first one went
  fifo->SetText(std::string(300, 'x'));
  EXPECT_EQ(fifo->Text().size(), 299u);
  fifo->SetTextChar('y');
  EXPECT_EQ(fifo->Text().size(), 299u);
  EXPECT_EQ(fifo->TextChar(), 'y');
  fifo->SetText("");
  EXPECT_EQ(fifo->TextChar(), '\0');
}

TEST_F(FiFoTest, StoredFormAppendsItsTextCharAndPaintDropsALoneZero) {
  {
    TFormLoader loader(form);
    auto* a = loader.Add<TFiFo>("A");
    a->SetTextChar('\0');  // the default character is stored too
    auto* b = loader.Add<TFiFo>("B");
    b->SetText(std::string(16, '\0'));
    b->SetTextChar('\0');
    loader.Finish();
    ShowForm();
    EXPECT_EQ(a->Text(), "");
    EXPECT_EQ(b->Text().size(), 17u);
  }
}

TEST_F(FiFoTest, ReadOnlyFieldIgnoresKeysAndClicks) {
  fifo->SetReadOnly(true);
  ShowForm();
  EXPECT_FALSE(fifo->TabStop());
  Click(fifo, 20, 15);
  EXPECT_FALSE(fifo->Focused());
  other->SetFocus();
  fifo->SetTextChar('q');  // programs still append
  EXPECT_EQ(fifo->ShownText(), "q ");
}

}  // namespace
