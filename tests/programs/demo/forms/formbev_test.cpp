// The bevel demo: the caption choice takes the edits' texts.

#include "programs/demo/forms/formbev.h"

#include <string>

#include "tests/programs/demo/demo_fixture.h"

namespace {

class BevelDemoTest : public DemoTest {};

TEST_F(BevelDemoTest, CaptionChoiceTakesTheEditsAndSwitchesTheField) {
  auto demo = OpenDemoForm("Bevel3DBtn");
  auto* f = static_cast<TBevelDemo*>(demo.get());
  EXPECT_FALSE(f->Bevel3D1->CaptEnable());
  f->Edit1->SetText("oben");
  f->Edit2->SetText("unten");
  f->SelTexte->SetItemIndex(1);
  EXPECT_TRUE(f->Bevel3D1->CaptEnable());
  EXPECT_EQ(f->Bevel3D1->Caption(), "oben");
  EXPECT_EQ(f->Bevel3D1->Caption1(), "unten");
  f->SelTexte->SetItemIndex(0);
  EXPECT_FALSE(f->Bevel3D1->CaptEnable());
  EXPECT_EQ(f->Bevel3D1->Caption(), "oben");
}

}  // namespace
