#include "platform/forms/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> freed;

class Recorder : public TComponent {
 public:
  Recorder(TComponent* owner, const std::string& name) : TComponent(owner) { SetName(name); }
  ~Recorder() override {
    // "!": marked as being destroyed before its own destructor runs (the owner does that).
    std::string tag = Name();
    if (ComponentState().Contains(csDestroying)) tag += "!";
    freed.push_back(tag);
  }
};

class Special : public Recorder {
 public:
  using Recorder::Recorder;
};

// A component's own destructor body runs first, then its components go, the last created first,
// each with its own components after its body.
TEST(Component, OwnerFreesItsComponentsLastCreatedFirstDepthFirst) {
  freed.clear();
  auto* root = new Recorder(nullptr, "root");
  auto* a = new Recorder(root, "a");
  new Recorder(a, "a1");
  new Recorder(a, "a2");
  new Special(root, "b");
  new Recorder(root, "c");
  delete root;
  EXPECT_EQ(freed, (std::vector<std::string>{"root", "c!", "b!", "a!", "a2!", "a1!"}));
}

TEST(Component, ComponentFreedByHandLeavesItsOwner) {
  freed.clear();
  Recorder root(nullptr, "root");
  auto* a = new Recorder(&root, "a");
  auto* b = new Recorder(&root, "b");
  delete a;
  ASSERT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(root.Components(0), b);
  EXPECT_EQ(b->ComponentIndex(), 0);
  EXPECT_EQ(root.Components(1), nullptr);
}

TEST(Component, FindsAndCountsByNameAndClass) {
  Recorder root(nullptr, "root");
  auto* a = new Recorder(&root, "LedCheck1");
  auto* b = new Special(&root, "Special1");
  new Special(&root, "Special2");
  EXPECT_EQ(root.FindComponent("ledcheck1"), a);
  EXPECT_EQ(root.FindComponent("SPECIAL1"), b);
  EXPECT_EQ(root.FindComponent("nothing"), nullptr);
  EXPECT_EQ(root.FindComponent(""), nullptr);
  EXPECT_EQ(root.CountComponentsOf<Recorder>(), 3);  // subclasses count too
  EXPECT_EQ(root.CountComponentsOf<Special>(), 2);
  EXPECT_EQ(root.ComponentsOf<Special>().front(), b);
}

TEST(Component, LoadedEndsLoading) {
  class Probe : public TComponent {
   public:
    using TComponent::TComponent;
    void Start() { SetLoadingState(true, true); }
  } probe(nullptr);
  probe.Start();
  EXPECT_TRUE(probe.ComponentState().Contains(csLoading));
  probe.Loaded();
  EXPECT_FALSE(probe.ComponentState().Contains(csLoading));
  EXPECT_TRUE(probe.ComponentState().Contains(csReading));
}

}  // namespace
