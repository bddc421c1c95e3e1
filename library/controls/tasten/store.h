#pragma once
// Small pieces the setters and captions of the unit share.

#include "platform/graphics/colors.h"

// Stores Value when it differs; true when it did.
template <class T>
bool StoreChanged(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

// Caption text of a disabled control.
constexpr TColor kDisabledCaption = clGray;
