// A standard radio group in a program that also holds the unit's group buttons: both are built
// from their own classes, so the group shows all its items.

#include <memory>

#include "library/controls/tasten/tasten.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "tasten_fixture.h"

namespace {

using RadioGroupBesideButtonsTest = TastenTest;

TEST_F(RadioGroupBesideButtonsTest, GroupDrawsEveryItem) {
  auto* pict = Make<TPictButton>(220, 10, 160, 60);
  pict->SetCaption("Quittieren");
  auto* group = Make<TRadioGroup>(10, 10, 200, 110);
  group->SetCaption("Mode");
  group->Items()->SetText("stop\none time\ncontinuous");
  group->SetItemIndex(1);
  ShowForm();
  const TColor face = form->Color();
  std::unique_ptr<TBitmap> screen = form->GetFormImage();
  const TPoint origin = form->ClientOrigin();
  for (int i = 0; i < 3; ++i) {
    TRadioButton* b = group->Buttons(i);
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->Visible()) << i;
    EXPECT_EQ(b->Checked(), i == 1) << i;
    const TPoint at = b->ClientToScreen(TPoint{0, 0});
    int ink = 0;
    for (int y = 0; y < b->Height(); ++y) {
      for (int x = 0; x < b->Width(); ++x) {
        ink += screen->Canvas()->Pixels(at.X - origin.X + x, at.Y - origin.Y + y) != face;
      }
    }
    EXPECT_GT(ink, 40) << "item " << i << " shows nothing";
  }
}

}  // namespace
