#pragma once
// The speed buttons of the main form as data.

#include <string>
#include <vector>

// One speed button of the main form: its name and its hint ("short|long", or one text for both).
struct TMainButton {
  const char* Name;
  std::string Hint;
};
// The 44 buttons in their order: 22 in the upper row, 22 in the lower.
const std::vector<TMainButton>& MainButtons();
