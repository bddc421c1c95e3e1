#include "platform/forms/stdctrls/extctrls.h"

class TRadioGroup::TItemButton : public TRadioButton {
 public:
  explicit TItemButton(TRadioGroup* Group) : TRadioButton(Group), FGroup(Group) {
    SetParent(Group);
  }

 protected:
  void Click() override { FGroup->ButtonClicked(this); }

 private:
  TRadioGroup* FGroup;
};

TRadioGroup::TRadioGroup(TComponent* AOwner)
    : TCustomGroupBox(AOwner), FItems(std::make_unique<TStringList>()) {
  FItems->OnChange = [this](TObject*) {
    if (FItemIndex >= FItems->Count()) FItemIndex = -1;
    UpdateButtons();
  };
}

TRadioGroup::~TRadioGroup() {
  FUpdating = true;  // the buttons go with the group: no clicks on the way
}

void TRadioGroup::SetItems(const TStringList* Value) {
  if (Value != nullptr) FItems->Assign(*Value);
}

TRadioButton* TRadioGroup::Buttons(int Index) const {
  return Index >= 0 && size_t(Index) < FButtons.size() ? FButtons[size_t(Index)] : nullptr;
}

void TRadioGroup::SetItemIndex(int Value) {
  if (ComponentState().Contains(csReading)) {
    FItemIndex = Value;
    return;
  }
  Value = std::clamp(Value, -1, int(FButtons.size()) - 1);
  if (Value == FItemIndex) return;
  if (TRadioButton* old = Buttons(FItemIndex)) {
    FUpdating = true;
    old->SetChecked(false);
    FUpdating = false;
  }
  FItemIndex = Value;
  // Checking the button clicks it, and its click is the group's.
  if (TRadioButton* now = Buttons(FItemIndex)) now->SetChecked(true);
}

void TRadioGroup::SetColumns(int Value) {
  Value = std::clamp(Value, 1, 16);
  if (Value == FColumns) return;
  FColumns = Value;
  ArrangeButtons();
}

void TRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  if (FItemIndex < -1 || FItemIndex >= FItems->Count()) FItemIndex = -1;
  UpdateButtons();
}

void TRadioGroup::UpdateButtons() {
  FUpdating = true;
  while (FButtons.size() < size_t(FItems->Count())) FButtons.push_back(new TItemButton(this));
  while (FButtons.size() > size_t(FItems->Count())) {
    delete FButtons.back();
    FButtons.pop_back();
  }
  for (size_t i = 0; i < FButtons.size(); ++i) {
    FButtons[i]->SetCaption(FItems->Strings(int(i)));
    FButtons[i]->SetEnabled(Enabled());
    FButtons[i]->SetChecked(int(i) == FItemIndex);
  }
  FUpdating = false;
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  TCanvas measure;
  measure.SetFont(Font());
  const int text_height = measure.TextHeight("0");
  const int count = int(FButtons.size());
  const int per_column = (count + FColumns - 1) / FColumns;
  const int button_width = (Width() - 10) / FColumns;
  const int room = Height() - text_height - 5;
  const int button_height = room / per_column;
  const int top_margin = text_height + 1 + (room % per_column) / 2;
  for (int i = 0; i < count; ++i) {
    FButtons[size_t(i)]->SetBounds((i / per_column) * button_width + 8,
                                   (i % per_column) * button_height + top_margin, button_width,
                                   button_height);
  }
}

void TRadioGroup::ButtonClicked(TRadioButton* Button) {
  if (FUpdating) return;
  auto it = std::find(FButtons.begin(), FButtons.end(), Button);
  if (it == FButtons.end()) return;
  FItemIndex = int(it - FButtons.begin());
  if (!ComponentState().Contains(csLoading)) Click();
}

void TRadioGroup::WndProc(TMessage& Message) {
  TCustomGroupBox::WndProc(Message);
  switch (Message.Msg) {
    case WM_SIZE:
    case CM_FONTCHANGED:
      ArrangeButtons();
      break;
    case CM_ENABLEDCHANGED:
      for (TRadioButton* b : FButtons) b->SetEnabled(Enabled());
      break;
    default:
      break;
  }
}
