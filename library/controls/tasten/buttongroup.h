#pragma once
// Radio groups of buttons.
//
// Buttons that sit under one parent with the same non-zero GroupIndex form a group; there is no
// group object. A member that goes down sends CM_BUTTONPRESSED (WParam = its group index, LParam =
// the sending control) to every child of its parent in child order, itself included, and every
// other member with that group index releases itself, whatever its class. A release by the group
// fires no event.
//
// A member class takes part like this (TGroupButton does all of it for the frame-based buttons):
//   - it derives from TGroupMember too, and answers GroupIndex() and GroupDown();
//   - after its state went down (setter, press, and where its class says so a redraw) it calls
//     NotifyGroup(*this, GroupIndex());
//   - in WndProc, for CM_BUTTONPRESSED, ReleasedByNotice (or, for a class that releases on any
//     notice of its group, NoticeFromOther) tells whether to release itself through its setter;
//   - a press on a down member is refused while OtherGroupMembers<ItsClass>(owner-or-parent, ...)
//     is above 0 (see TGroupButton::PressRefused).

#include <cstdint>
#include <functional>

#include "platform/forms/component.h"
#include "platform/forms/controls.h"

class TGroupMember {
 public:
  // 0: no group.
  virtual int GroupIndex() const = 0;
  // Whether a notice from this member releases the others: it is down (checked).
  virtual bool GroupDown() const = 0;

 protected:
  ~TGroupMember() = default;
};

// The range of GroupIndex of the buttons: 0..255.
int ClampGroupIndex(int Value);

// Sends the notice for GroupIndex from Sender to every child of Sender's parent. Nothing without a
// parent or for group 0. A sender whose notice is still being delivered sends no second one from
// inside it: two members that cannot be released (push buttons held down, say) would otherwise
// notify each other without end.
void NotifyGroup(TControl& Sender, int GroupIndex);

// The sender of a notice for GroupIndex (non-zero) that reached Self from another child of Self's
// parent; nullptr for any other message or sender. The sender is looked up among the parent's
// children before it is used, so a foreign or stale LParam is never followed.
TControl* NoticeFromOther(const TMessage& Message, const TControl& Self, int GroupIndex);

// The frame-based members' rule: the notice carries Self's group, comes from another control, and
// that control is a group member that is down. Another kind of sender never counts as down.
bool ReleasedByNotice(const TMessage& Message, const TControl& Self, int GroupIndex);

// The group members owned by Owner, other than Self, of the class IsClass accepts, in group
// GroupIndex. 0 without an owner.
int OtherGroupMembers(const TComponent* Owner, const TComponent& Self, int GroupIndex,
                      const std::function<bool(const TComponent&)>& IsClass);

// The same for the members that are a T or derive from one.
template <class T>
int OtherGroupMembers(const TComponent* Owner, const TComponent& Self, int GroupIndex) {
  return OtherGroupMembers(Owner, Self, GroupIndex, [](const TComponent& c) {
    return dynamic_cast<const T*>(&c) != nullptr;
  });
}
