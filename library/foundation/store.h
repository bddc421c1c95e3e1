#pragma once
// The first step of the library's setters.

#include <cmath>

// Stores Value in Field when they differ; true when it did.
template <class T, class U>
bool StoreChanged(T& Field, const U& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

// The first step of the setters of numbers a form holds: a non-finite Value is dropped, and while
// the form is read Value goes into Field as it is. True when that ends the setter; otherwise the
// setter applies its own rules.
inline bool DropOrStoreRead(double& Field, double Value, bool Reading) {
  if (!std::isfinite(Value)) return true;
  if (Reading) {
    Field = Value;
    return true;
  }
  return false;
}
