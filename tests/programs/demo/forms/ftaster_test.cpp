// The picture button demo: the two lower buttons blink while they are down.

#include "programs/demo/forms/ftaster.h"

#include "tests/programs/demo/demo_fixture.h"

namespace {

class TasterDemoTest : public DemoTest {};

TEST_F(TasterDemoTest, LowerButtonsBlinkWhileDown) {
  auto demo = OpenDemoForm("TasterBtn");
  auto* f = static_cast<TTasterDemo*>(demo.get());
  // The push button blinks while it is held.
  Press(f->Taster2, 20, 20);
  EXPECT_TRUE(f->Taster2->BlinkOn());
  Release(f->Taster2, 20, 20);
  EXPECT_FALSE(f->Taster2->BlinkOn());
  Pause();
  // The latching one blinks from its first click to its second.
  Click(f->Taster3, 20, 20);
  EXPECT_TRUE(f->Taster3->Down());
  EXPECT_TRUE(f->Taster3->BlinkOn());
  Pause();
  Click(f->Taster3, 20, 20);
  EXPECT_FALSE(f->Taster3->Down());
  EXPECT_FALSE(f->Taster3->BlinkOn());
  Pause();
  // The upper button has no light of its own.
  Click(f->Taster, 20, 20);
  EXPECT_FALSE(f->Taster->BlinkOn());
}

}  // namespace
