#include "platform/forms/component.h"

#include <algorithm>
#include <cctype>

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  DestroyComponents();
  if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount()) return nullptr;
  return FComponents[size_t(Index)];
}

int TComponent::ComponentIndex() const {
  if (FOwner == nullptr) return -1;
  auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
  if (AName.empty()) return nullptr;
  auto same = [&AName](const std::string& n) {
    return n.size() == AName.size() &&
           std::equal(n.begin(), n.end(), AName.begin(), [](char a, char b) {
             return std::tolower((unsigned char)a) == std::tolower((unsigned char)b);
           });
  };
  for (TComponent* c : FComponents) {
    if (same(c->FName)) return c;
  }
  return nullptr;
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent->FOwner == this) return;
  if (AComponent->FOwner != nullptr) AComponent->FOwner->RemoveComponent(AComponent);
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (it == FComponents.end()) return;
  FComponents.erase(it);
  AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    FComponents.pop_back();
    last->FOwner = nullptr;
    delete last;
  }
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::SetLoadingState(bool Loading, bool Reading) {
  if (Loading) {
    FComponentState.Include(csLoading);
  } else {
    FComponentState.Exclude(csLoading);
  }
  if (Reading) {
    FComponentState.Include(csReading);
  } else {
    FComponentState.Exclude(csReading);
  }
}
