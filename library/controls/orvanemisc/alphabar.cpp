#include "library/controls/orvanemisc/alphabar.h"

#include "library/foundation/store.h"

namespace {
// Frees the letter buttons taken off the bar.
constexpr uint32_t kFreeRetired = WM_USER;
constexpr size_t kMaxLines = 65535;
}  // namespace

TAlphaBar::TAlphaBar(TComponent* AOwner)
    : TCustomPanel(AOwner),
      FAlphaButtons(std::make_unique<TStringList>()),
      FButtonFont(std::make_unique<TFont>()) {
  SetBounds(Left(), Top(), 448, 22);
  // The bar does not show its name as a caption.
  TControlStyle style = ControlStyle();
  style.Exclude(csSetCaption);
  SetControlStyle(style);
  SetCaption("");
  TSpeedButton sample(nullptr);
  FButtonFont->Assign(*sample.Font());
}

TAlphaBar::~TAlphaBar() = default;

void TAlphaBar::FireValueChange() {
  if (OnValueChange) OnValueChange(this);
}

void TAlphaBar::Loaded() {
  TCustomPanel::Loaded();
  BuildButtons();
}

void TAlphaBar::WndProc(TMessage& Message) {
  if (Message.Msg == kFreeRetired) {
    std::vector<TSpeedButton*> retired;
    retired.swap(FRetired);
    for (TSpeedButton* b : retired) delete b;
    return;
  }
  TCustomPanel::WndProc(Message);
}

void TAlphaBar::SetGeometry(int& Field, int Value) {
  if (StoreChanged(Field, Value)) Rebuild();
}

void TAlphaBar::Rebuild() {
  ClearButtons();
  // A form being read builds once, when it has loaded.
  if (!ComponentState().Contains(csLoading)) BuildButtons();
}

void TAlphaBar::SetAlphaButtons(const TStringList* Value) {
  ClearButtons();
  if (Value != FAlphaButtons.get()) {
    FAlphaButtons->Clear();
    if (Value != nullptr) FAlphaButtons->Assign(*Value);
  }
  if (!ComponentState().Contains(csLoading)) BuildButtons();
  FActiveButton = 0;
  UpdateButtons();
  FireValueChange();
}

void TAlphaBar::SetButtonFont(const TFont* Value) {
  if (Value == nullptr) return;
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* b = dynamic_cast<TSpeedButton*>(Controls(i))) b->SetFont(Value);
  }
  if (Value != FButtonFont.get()) FButtonFont->Assign(*Value);
}

void TAlphaBar::SetAllowAllUp(bool Value) {
  if (!StoreChanged(FAllowAllUp, Value)) return;
  if (FRastButtons) UpdateButtons();
}

void TAlphaBar::SetRastButtons(bool Value) {
  if (StoreChanged(FRastButtons, Value)) UpdateButtons();
}

void TAlphaBar::SetActiveButton(char Value) {
  if (Value == 0 && FRastButtons) {
    if (TSpeedButton* b = FindButton(FActiveButton)) {
      // A latched button of a group that allows no all-up refuses to come up by itself.
      b->SetAllowAllUp(true);
      b->SetDown(false);
      b->SetAllowAllUp(FAllowAllUp);
    }
    FActiveButton = 0;
  } else {
    FActiveButton = Value;
    if (FRastButtons) {
      if (TSpeedButton* b = FindButton(Value)) b->SetDown(true);
    }
  }
  FireValueChange();
}

void TAlphaBar::ButtonClick(TObject* Sender) {
  auto* b = dynamic_cast<TSpeedButton*>(Sender);
  if (b == nullptr) return;
  const char c = char(b->Tag());
  FActiveButton = (!FRastButtons || b->Down()) ? c : 0;
  FireValueChange();
}

TSpeedButton* TAlphaBar::FindButton(char C) const {
  for (int i = ControlCount() - 1; i >= 0; --i) {
    auto* b = dynamic_cast<TSpeedButton*>(Controls(i));
    if (b != nullptr && b->Tag() == int64_t(uint8_t(C))) return b;
  }
  return nullptr;
}

void TAlphaBar::ClearButtons() {
  while (ControlCount() > 0) {
    TControl* child = Controls(0);
    child->SetParent(nullptr);
    auto* b = dynamic_cast<TSpeedButton*>(child);
    if (b != nullptr && b->Owner() == this) {
      // Possibly the button whose click is running now: freed after this message.
      b->OnClick = nullptr;
      if (FRetired.empty()) PostMessage(Handle(), kFreeRetired, 0, 0);
      FRetired.push_back(b);
    } else {
      delete child;
    }
  }
  FLastButton = nullptr;
}

void TAlphaBar::BuildButtons() {
  int x = FButtonLeftMargin, y = FButtonTopMargin;
  FLastButton = nullptr;
  const int lines = int(std::min<size_t>(size_t(FAlphaButtons->Count()), kMaxLines));
  for (int i = 0; i < lines; ++i) {
    const std::string& line = FAlphaButtons->Strings(i);
    if (line.empty()) {
      y += FBlankYSize + FButtonYSpacing;
      continue;
    }
    bool any = false;
    for (char c : line) {
      if (c == ' ') {
        x += FBlankXSize;
        continue;
      }
      auto* b = new TSpeedButton(this);
      b->SetParent(this);
      b->SetBounds(x, y, FButtonWidth, FButtonHeight);
      b->SetCaption(std::string(1, c));
      b->SetTag(uint8_t(c));
      b->SetFont(FButtonFont.get());
      b->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
      b->SetVisible(true);
      FLastButton = b;
      any = true;
      x += FButtonWidth + FButtonXSpacing;
    }
    y += any ? FButtonHeight + FButtonYSpacing : FButtonYSpacing;
    x = FButtonLeftMargin;
  }
  UpdateButtons();
}

void TAlphaBar::UpdateButtons() {
  if (FLastButton != nullptr) FLastButton->SetAllowAllUp(true);
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* b = dynamic_cast<TSpeedButton*>(Controls(i))) {
      b->SetDown(false);
      b->SetGroupIndex(FRastButtons ? 1 : 0);
    }
  }
  if (FLastButton != nullptr && !FAllowAllUp) FLastButton->SetAllowAllUp(false);
  if (FActiveButton != 0) {
    if (TSpeedButton* b = FindButton(FActiveButton)) b->SetDown(FRastButtons);
  }
}
