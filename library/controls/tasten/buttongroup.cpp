#include "library/controls/tasten/buttongroup.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kMaxGroupIndex = 255;

// Senders whose notice is being delivered now (everything runs on the GUI thread).
std::vector<const TControl*>& SendersInDelivery() {
  static std::vector<const TControl*> senders;
  return senders;
}

}  // namespace

int ClampGroupIndex(int Value) { return std::clamp(Value, 0, kMaxGroupIndex); }

void NotifyGroup(TControl& Sender, int GroupIndex) {
  TWinControl* parent = Sender.Parent();
  if (GroupIndex == 0 || parent == nullptr) return;
  auto& senders = SendersInDelivery();
  if (std::find(senders.begin(), senders.end(), &Sender) != senders.end()) return;
  senders.push_back(&Sender);
  struct Done {
    std::vector<const TControl*>& senders;
    ~Done() { senders.pop_back(); }
  } done{senders};
  const auto sender = reinterpret_cast<intptr_t>(static_cast<TControl*>(&Sender));
  TMessage notice{CM_BUTTONPRESSED, GroupIndex, static_cast<int64_t>(sender), 0};
  parent->Broadcast(notice);
}

TControl* NoticeFromOther(const TMessage& Message, const TControl& Self, int GroupIndex) {
  if (Message.Msg != CM_BUTTONPRESSED || GroupIndex == 0 || Message.WParam != GroupIndex) {
    return nullptr;
  }
  const TWinControl* parent = Self.Parent();
  if (parent == nullptr) return nullptr;
  const auto sender = static_cast<intptr_t>(Message.LParam);
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (reinterpret_cast<intptr_t>(child) == sender) return child == &Self ? nullptr : child;
  }
  return nullptr;
}

bool ReleasedByNotice(const TMessage& Message, const TControl& Self, int GroupIndex) {
  const auto* member =
      dynamic_cast<const TGroupMember*>(NoticeFromOther(Message, Self, GroupIndex));
  return member != nullptr && member->GroupDown();
}

int OtherGroupMembers(const TComponent* Owner, const TComponent& Self, int GroupIndex,
                      const std::function<bool(const TComponent&)>& IsClass) {
  if (Owner == nullptr) return 0;
  int count = 0;
  for (int i = 0; i < Owner->ComponentCount(); ++i) {
    const TComponent* c = Owner->Components(i);
    const auto* member = dynamic_cast<const TGroupMember*>(c);
    if (c != &Self && member != nullptr && IsClass(*c) && member->GroupIndex() == GroupIndex) {
      ++count;
    }
  }
  return count;
}
