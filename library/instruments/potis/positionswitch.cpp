#include <algorithm>
#include <cmath>

#include "library/foundation/store.h"
#include "library/instruments/potis/potis.h"

template <class Base>
TPositionSwitch<Base>::TPositionSwitch(TComponent* AOwner, int ScalaPart,
                                       std::initializer_list<const char*> Texts)
    : Base(AOwner, {}), FScalaPart(ScalaPart) {
  TStringList* list = FTexts.List();
  for (const char* t : Texts) list->Add(t);
  list->OnChange = [this](TObject* Sender) { this->StyleChanged(Sender); };
  this->FDrag.GetValue = [this] { return double(FPosition); };
  this->FDrag.SetValue = [this](double V) { SetPosition(static_cast<int>(V)); };
}

template <class Base>
void TPositionSwitch<Base>::SetPosition(int Value) {
  if (this->Reading()) {
    FPosition = Value;
    return;
  }
  if (Value < 0 || Value > FScalaPart || Value == FPosition) return;
  FPosition = Value;
  ShowPosition();
}

template <class Base>
void TPositionSwitch<Base>::SetScalaPart(int Value) {
  Value = std::clamp(Value, 1, 20);
  if (!StoreChanged(FScalaPart, Value)) return;
  FPosition = std::min(FPosition, FScalaPart);
  this->Invalidate();
}

template <class Base>
void TPositionSwitch<Base>::SetPosText(const TStringList* Value) {
  if (Value) FTexts.List()->Assign(*Value);
  this->Invalidate();
}

template <class Base>
void TPositionSwitch<Base>::Select(int Found) {
  const TComponentState state = this->ComponentState();
  if (state.Contains(csLoading) || state.Contains(csReading) || Found < 0) return;
  SetPosition(Found);
}

template <class Base>
void TPositionSwitch<Base>::SetPosString(const std::string& Value) {
  Select(FTexts.FindText(Value, FScalaPart));
}
template <class Base>
void TPositionSwitch<Base>::SetPosinteger(int32_t Value) {
  Select(FTexts.FindInteger(Value, FScalaPart));
}
template <class Base>
void TPositionSwitch<Base>::SetPosColor(TColor Value) {
  Select(FTexts.FindColor(Value, FScalaPart));
}
template <class Base>
void TPositionSwitch<Base>::SetPosFloat(double Value) {
  if (std::isfinite(Value)) Select(FTexts.FindFloat(Value, FScalaPart));
}

// The two switches: rotary and slide.
template class TPositionSwitch<TRotaryInput>;
template class TPositionSwitch<TSlideInput>;
