// Radio groups: the notice crosses classes, only toggle buttons are released, a down member is
// refused a click-up while its parent owns another member of its class.

#include <string>
#include <vector>

#include "library/controls/tasten/tasten.h"
#include "platform/forms/stdctrls/buttons.h"
#include "tasten_fixture.h"

namespace {

class GroupTest : public TastenTest {
 protected:
  TBevel3D* Bevel(int i, int group, TWinControl* parent = nullptr) {
    auto* b = Make<TBevel3D>(10 + 60 * i, 10, 50, 30, parent);
    b->SetButtonStyle(tsPushPull);
    b->SetGroupIndex(group);
    Record(b, "b" + std::to_string(i));
    return b;
  }
  void ClickOn(TControl* c) {
    Pause();
    Click(c, 10, 10);
  }
};

TEST_F(GroupTest, PressingAMemberReleasesTheDownOneWithoutItsEvents) {
  TBevel3D* b[3] = {Bevel(0, 1), Bevel(1, 1), Bevel(2, 1)};
  ShowForm();
  ClickOn(b[0]);
  events.clear();
  ClickOn(b[1]);
  EXPECT_FALSE(b[0]->Down());
  EXPECT_TRUE(b[1]->Down());
  EXPECT_FALSE(b[2]->Down());
  EXPECT_EQ(events, (std::vector<std::string>{"b1 down", "b1 click"}));
  // The down member cannot be clicked up while the form owns other members of its class; the
  // release still reports its click.
  events.clear();
  ClickOn(b[1]);
  EXPECT_TRUE(b[1]->Down());
  EXPECT_EQ(events, (std::vector<std::string>{"b1 click"}));
}

TEST_F(GroupTest, AllowAllUpLetsTheDownMemberBeClickedUp) {
  TBevel3D* b[2] = {Bevel(0, 1), Bevel(1, 1)};
  b[0]->SetAllowAllUp(true);
  ShowForm();
  ClickOn(b[0]);
  ClickOn(b[0]);
  EXPECT_FALSE(b[0]->Down());
  EXPECT_FALSE(b[1]->Down());
}

TEST_F(GroupTest, OnlyMembersOfTheSameGroupUnderTheSameParentRelease) {
  auto* panel = Make<TCustomControl>(10, 100, 300, 80);
  TBevel3D* same = Bevel(0, 2);
  TBevel3D* other_group = Bevel(1, 3);
  TBevel3D* no_group = Bevel(2, 0);
  TBevel3D* on_panel = Bevel(3, 2, panel);
  TBevel3D* sender = Bevel(4, 2);
  ShowForm();
  for (TBevel3D* b : {same, other_group, no_group, on_panel}) ClickOn(b);
  ClickOn(sender);
  EXPECT_FALSE(same->Down());
  EXPECT_TRUE(other_group->Down());
  EXPECT_TRUE(no_group->Down());
  EXPECT_TRUE(on_panel->Down());
}

TEST_F(GroupTest, OnAPanelTheNoticeArrivesButNothingIsRefused) {
  auto* panel = Make<TCustomControl>(10, 10, 300, 80);
  TBevel3D* b[2] = {Bevel(0, 1, panel), Bevel(1, 1, panel)};
  ShowForm();
  ClickOn(b[0]);
  ClickOn(b[1]);
  EXPECT_FALSE(b[0]->Down());
  ClickOn(b[1]);  // the panel owns no member: the down one comes up
  EXPECT_FALSE(b[1]->Down());
}

TEST_F(GroupTest, ALoneMemberCanBeClickedUp) {
  TBevel3D* b = Bevel(0, 1);
  ShowForm();
  ClickOn(b);
  ClickOn(b);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(events, (std::vector<std::string>{"b0 down", "b0 click", "b0 up", "b0 click"}));
}

TEST_F(GroupTest, DownSetterNotifiesAndOnlyToggleButtonsAreReleased) {
  TBevel3D* toggle = Bevel(0, 1);
  TBevel3D* push = Bevel(1, 1);
  TBevel3D* setter = Bevel(2, 1);
  push->SetButtonStyle(tsPush);
  ShowForm();
  ClickOn(toggle);
  Pause();
  Press(push, 5, 5);  // held down
  EXPECT_FALSE(toggle->Down());
  setter->SetDown(true);
  EXPECT_TRUE(push->Down());  // a push button stays down while held
  Release(push, 5, 5);
  EXPECT_FALSE(push->Down());
  EXPECT_TRUE(setter->Down());
  EXPECT_EQ(events,
            (std::vector<std::string>{"b0 down", "b0 click", "b1 down", "b1 up", "b1 click"}));
}

// Each class counts only its own members when it refuses a click-up: with one bevel and one LED
// button in a group, each is the only member of its class, so the down one can be clicked up.
TEST_F(GroupTest, MembersOfDifferentClassesReleaseEachOther) {
  TBevel3D* bevel = Bevel(0, 3);
  auto* led = Make<TLedButton>(100, 10, 30, 30);
  led->SetGroupIndex(3);
  Record(led, "led");
  ShowForm();
  ClickOn(bevel);
  ClickOn(led);
  EXPECT_FALSE(bevel->Down());
  EXPECT_TRUE(led->Down());
  ClickOn(bevel);
  EXPECT_TRUE(bevel->Down());
  EXPECT_FALSE(led->Down());
  EXPECT_EQ(events, (std::vector<std::string>{"b0 down", "b0 click", "led down", "led click",
                                              "b0 down", "b0 click"}));
  events.clear();
  ClickOn(bevel);
  EXPECT_FALSE(bevel->Down());
  EXPECT_EQ(events, (std::vector<std::string>{"b0 up", "b0 click"}));
  // A second LED button in the group makes the down LED button refuse.
  auto* led2 = Make<TLedButton>(140, 10, 30, 30);
  led2->SetGroupIndex(3);
  Pump();
  ClickOn(led);
  ClickOn(led);
  EXPECT_TRUE(led->Down());
  led->SetAllowAllUp(true);
  ClickOn(led);
  EXPECT_FALSE(led->Down());
}

TEST_F(GroupTest, RadioLedChecksUncheckEachOtherAndACheckedOneStaysChecked) {
  TLedCheck* r[3];
  for (int i = 0; i < 3; ++i) {
    r[i] = Make<TLedCheck>(10, 10 + 20 * i, 113, 17);
    r[i]->SetCheckMode(lcRadioBtn);
    r[i]->SetGroupIndex(1);
  }
  ShowForm();
  ClickOn(r[0]);
  ClickOn(r[2]);
  EXPECT_FALSE(r[0]->Checked());
  EXPECT_TRUE(r[2]->Checked());
  ClickOn(r[2]);
  EXPECT_TRUE(r[2]->Checked());
  // The owner's members count, so a radio button on a panel the form owns is refused too.
  auto* panel = Make<TCustomControl>(150, 10, 150, 100);
  TLedCheck* on_panel = Make<TLedCheck>(5, 5, 113, 17, panel);
  on_panel->SetCheckMode(lcRadioBtn);
  on_panel->SetGroupIndex(1);
  Pump();
  ClickOn(on_panel);
  ClickOn(on_panel);
  EXPECT_TRUE(on_panel->Checked());
  EXPECT_TRUE(r[2]->Checked());  // another parent
}

TEST_F(GroupTest, CheckBoxesWithAGroupIndexStayOutOfTheGroup) {
  auto* box = Make<TLedCheck>(10, 10, 113, 17);
  box->SetCheckMode(lcCheckBox);
  box->SetGroupIndex(1);
  auto* radio = Make<TLedCheck>(10, 40, 113, 17);
  radio->SetCheckMode(lcRadioBtn);
  radio->SetGroupIndex(1);
  ShowForm();
  ClickOn(box);
  ClickOn(radio);
  EXPECT_TRUE(box->Checked());
  ClickOn(box);
  ClickOn(box);
  EXPECT_TRUE(radio->Checked());
  EXPECT_TRUE(box->Checked());
}

TEST_F(GroupTest, ARadioLedCheckWithoutOwnerCanBeClicked) {
  auto* lone = new TLedCheck(nullptr);  // freed by its parent
  lone->SetParent(form);
  lone->SetBounds(10, 10, 113, 17);
  lone->SetCheckMode(lcRadioBtn);
  lone->SetGroupIndex(1);
  ShowForm();
  ClickOn(lone);
  EXPECT_TRUE(lone->Checked());
  ClickOn(lone);
  EXPECT_FALSE(lone->Checked());
}

TEST_F(GroupTest, RadioLedCheckAndBevelButtonReleaseEachOther) {
  TBevel3D* bevel = Bevel(0, 2);
  auto* radio = Make<TLedCheck>(10, 60, 113, 17);
  radio->SetCheckMode(lcRadioBtn);
  radio->SetGroupIndex(2);
  ShowForm();
  ClickOn(radio);
  ClickOn(bevel);
  EXPECT_FALSE(radio->Checked());
  EXPECT_TRUE(bevel->Down());
  radio->SetChecked(true);
  EXPECT_FALSE(bevel->Down());
  // A repaint of the checked radio button notifies its group again.
  bevel->SetDown(true);
  ASSERT_FALSE(radio->Checked());
  radio->SetChecked(true);
  bevel->SetGroupIndex(0);
  bevel->SetDown(true);
  bevel->SetGroupIndex(2);
  radio->Repaint();
  EXPECT_FALSE(bevel->Down());
}

// One member of every class in one group: whichever goes down, all the others are up.
TEST_F(GroupTest, EveryMemberClassReleasesEveryOther) {
  constexpr int kGroup = 5;
  TBevel3D* bevel = Bevel(0, kGroup);
  auto* led = Make<TLedButton>(70, 10, 30, 30);
  led->SetGroupIndex(kGroup);
  auto* pict = Make<TPictButton>(110, 10, 40, 40);
  pict->SetButtonStyle(tsPushPull);
  pict->SetGroupIndex(kGroup);
  auto* strip = Make<TMultiBmp>(160, 10, 30, 30);
  strip->SetButtonStyle(tsPushPull);
  strip->SetGroupIndex(kGroup);
  auto* arrow = Make<TArrowBtn>(200, 10, 30, 30);
  arrow->SetButtonMode(tbmPushPull);
  arrow->SetGroupIndex(kGroup);
  auto* radio = Make<TLedCheck>(10, 60, 113, 17);
  radio->SetCheckMode(lcRadioBtn);
  radio->SetGroupIndex(kGroup);
  TControl* controls[] = {bevel, led, pict, strip, arrow, radio, bevel, strip, pict, arrow};
  ShowForm();
  for (int i = 0; i < 10; ++i) {
    ClickOn(controls[i]);
    for (int j = 0; j < 10; ++j) {
      EXPECT_EQ(dynamic_cast<TGroupMember*>(controls[j])->GroupDown(), controls[j] == controls[i])
          << "pressed " << i << ", member " << j;
    }
  }
}

// A down picture or strip button of a group on a form cannot be clicked up.
TEST_F(GroupTest, PictureAndStripButtonsRefuseAClickUpInTheirGroup) {
  auto* p1 = Make<TPictButton>(10, 10, 40, 40);
  auto* p2 = Make<TPictButton>(60, 10, 40, 40);
  auto* m1 = Make<TMultiBmp>(110, 10, 30, 30);
  auto* m2 = Make<TMultiBmp>(150, 10, 30, 30);
  for (TGroupButton* b : std::initializer_list<TGroupButton*>{p1, p2, m1, m2}) {
    b->SetButtonStyle(tsPushPull);
    b->SetGroupIndex(1);
  }
  ShowForm();
  for (TGroupButton* b : std::initializer_list<TGroupButton*>{p1, m1}) {
    ClickOn(b);
    ClickOn(b);
    EXPECT_TRUE(b->Down()) << (b == p1 ? "picture" : "strip");
  }
  EXPECT_FALSE(p1->Down());
  m1->SetAllowAllUp(true);
  ClickOn(m1);
  EXPECT_FALSE(m1->Down());
}

// Speed buttons use the same message number for their own groups; neither kind reads the other
// as down.
TEST_F(GroupTest, SpeedButtonsOfTheSameGroupIndexAreNoMembers) {
  TBevel3D* bevel = Bevel(0, 1);
  auto* speed = Make<TSpeedButton>(100, 10, 30, 30);
  speed->SetGroupIndex(1);
  speed->SetAllowAllUp(true);
  ShowForm();
  ClickOn(bevel);
  speed->SetDown(true);
  EXPECT_TRUE(bevel->Down());
  ClickOn(bevel);
  ClickOn(bevel);
  EXPECT_TRUE(bevel->Down());
  EXPECT_TRUE(speed->Down());
}

TEST_F(GroupTest, GroupIndexIsClamped) {
  TBevel3D* b = Bevel(0, 0);
  const struct { int set, stored; } cases[] = {{300, 255}, {-5, 0}, {7, 7}};
  for (const auto& c : cases) {
    b->SetGroupIndex(c.set);
    EXPECT_EQ(b->GroupIndex(), c.stored) << c.set;
  }
  // An LED check box has no upper bound.
  auto* check = Make<TLedCheck>(10, 60, 113, 17);
  check->SetGroupIndex(300);
  EXPECT_EQ(check->GroupIndex(), 300);
  check->SetGroupIndex(-5);
  EXPECT_EQ(check->GroupIndex(), 0);
}

// Two push buttons that were loaded down in one group cannot release each other; a press on one
// must not make them notify each other for ever.
TEST_F(GroupTest, MembersThatCannotBeReleasedDoNotNotifyEachOtherWithoutEnd) {
  struct Loadable : TBevel3D {
    using TBevel3D::TBevel3D;
    void Loading(bool on) { SetLoadingState(on, on); }
  };
  Loadable* b[2];
  for (int i = 0; i < 2; ++i) {
    b[i] = Make<Loadable>(10 + 60 * i, 10, 50, 30);
    b[i]->SetButtonStyle(tsPush);
    b[i]->SetGroupIndex(1);
    b[i]->SetAllowAllUp(true);
  }
  ShowForm();
  for (Loadable* x : b) {
    x->Loading(true);  // while loading, the status setter takes any value
    x->SetDown(true);
    x->Loading(false);
  }
  ASSERT_TRUE(b[0]->Down());
  ASSERT_TRUE(b[1]->Down());
  Pause();
  Press(b[0], 5, 5);
  EXPECT_TRUE(b[1]->Down());
  Release(b[0], 5, 5);
  EXPECT_FALSE(b[0]->Down());
}

TEST_F(GroupTest, ANoticeFromAForeignSenderIsIgnored) {
  TBevel3D* b = Bevel(0, 1);
  ShowForm();
  ClickOn(b);
  const int64_t senders[] = {0, 12345, int64_t(reinterpret_cast<intptr_t>(form))};
  for (int64_t s : senders) b->Perform(CM_BUTTONPRESSED, 1, s);
  EXPECT_TRUE(b->Down());
}

}  // namespace
