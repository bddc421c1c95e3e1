#pragma once
// The first step of the library's setters.

// Stores Value in Field when they differ; true when it did.
template <class T, class U>
bool StoreChanged(T& Field, const U& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
