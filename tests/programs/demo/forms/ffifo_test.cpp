// The FIFO demo: keys typed into the upper field run on in the lower one.

#include "programs/demo/forms/ffifo.h"

#include "tests/programs/demo/demo_fixture.h"

namespace {

class FifoDemoTest : public DemoTest {
 protected:
  // Keys go to the window of `form`: the demo form's, while they are typed.
  void Type(TForm* demo, const std::string& text) {
    TForm* own = form;
    form = demo;
    for (char ch : text) {
      const uint16_t vk = ch >= 'a' && ch <= 'z' ? uint16_t(ch - 32) : uint16_t(ch);
      KeyPress(vk, std::string(1, ch));
    }
    form = own;
  }
};

TEST_F(FifoDemoTest, TypedCharactersRunOnInTheLowerField) {
  auto demo = OpenDemoForm("FiFoBtn");
  auto* f = static_cast<TFifoDemo*>(demo.get());
  Click(f->FiFo1, 10, 10);
  Type(f, "Hallo 1");
  EXPECT_EQ(f->FiFo1->Text(), "Hallo 1");
  EXPECT_EQ(f->FiFo2->Text(), "Hallo 1");
  // The lower field takes no focus: what is typed after a click on it still goes to the upper.
  Click(f->FiFo2, 10, 10);
  Type(f, "x");
  EXPECT_EQ(f->FiFo1->Text(), "Hallo 1x");
  EXPECT_EQ(f->FiFo2->Text(), "Hallo 1x");
  // Both drop their oldest characters alike once they are full.
  std::string long_text;
  for (int i = 0; i < 300; ++i) long_text += char('a' + i % 26);
  Type(f, long_text);
  EXPECT_EQ(f->FiFo1->Text().size(), TFiFo::kMaxText);
  EXPECT_EQ(f->FiFo2->Text(), f->FiFo1->Text());
  EXPECT_EQ(f->FiFo2->Text(), long_text.substr(long_text.size() - TFiFo::kMaxText));
}

}  // namespace
