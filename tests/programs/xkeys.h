#pragma once
// Keys for the characters a screen check types.

#include <string>

// Gives every character of the UTF-8 text that the keyboard lacks a key of its own (a key that had
// none), so that typing it later needs no change of the keymap; call it before the program waits
// for input. False where there is no X server or no free key.
bool XGiveKeysTo(const std::string& utf8);
