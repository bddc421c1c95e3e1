#pragma once
// The component model: ownership, names, the component state and the end-of-loading hook.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/object.h"
#include "platform/base/set.h"

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateItem>;

class TFormLoader;

class TComponent : public TObject {
 public:
  // Joins the owner's components (the owner then frees it); no owner means the caller frees it.
  explicit TComponent(TComponent* AOwner);
  // Frees the owned components, the last created first, then leaves the owner.
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return int(FComponents.size()); }
  TComponent* Components(int Index) const;
  // Position in the owner's list; -1 without owner.
  int ComponentIndex() const;
  // The owned component of that name (names compare without regard to case); nullptr if none.
  TComponent* FindComponent(const std::string& AName) const;

  // The owned components that are a T or derive from one, in the owner's order.
  template <class T>
  std::vector<T*> ComponentsOf() const {
    std::vector<T*> found;
    for (TComponent* c : FComponents) {
      if (T* t = dynamic_cast<T*>(c)) found.push_back(t);
    }
    return found;
  }
  template <class T>
  int CountComponentsOf() const {
    return int(ComponentsOf<T>().size());
  }

  const std::string& Name() const { return FName; }
  virtual void SetName(const std::string& NewName) { FName = NewName; }
  int64_t Tag() const { return FTag; }
  void SetTag(int64_t Value) { FTag = Value; }

  TComponentState ComponentState() const { return FComponentState; }

  // Called once per component after the whole form it belongs to has been built; ends csLoading.
  virtual void Loaded();

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();
  // Marks this component and everything it owns as being destroyed.
  void Destroying();

 protected:
  void SetLoadingState(bool Loading, bool Reading);

 private:
  friend class TFormLoader;
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::string FName;
  int64_t FTag = 0;
  TComponentState FComponentState;
};
