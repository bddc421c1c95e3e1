#include "platform/base/stringlist.h"

#include "platform/base/exceptions.h"
#include "platform/base/strings.h"
#include "platform/base/sysutils.h"

void TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index > limit) {
    throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
  }
}

void TStringList::Changed() {
  if (OnChange) OnChange(this);
}

const std::string& TStringList::Strings(int index) const {
  CheckIndex(index, Count() - 1);
  return FLines[index];
}

void TStringList::SetStrings(int index, const std::string& text) {
  CheckIndex(index, Count() - 1);
  FLines[index] = text;
  Changed();
}

int TStringList::Add(const std::string& text) {
  FLines.push_back(text);
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& text) {
  CheckIndex(index, Count());
  FLines.insert(FLines.begin() + index, text);
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count() - 1);
  FLines.erase(FLines.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FLines.empty()) return;
  FLines.clear();
  Changed();
}

int TStringList::IndexOf(std::string_view text) const {
  const std::string key = AnsiUpperCase(text);
  for (int i = 0; i < Count(); ++i) {
    if (AnsiUpperCase(FLines[i]) == key) return i;
  }
  return -1;
}

std::string TStringList::Text() const {
  std::string s;
  for (const std::string& line : FLines) s += line + "\r\n";
  return s;
}

void TStringList::SetText(std::string_view text) {
  FLines.clear();
  size_t i = 0;
  while (i < text.size()) {
    const size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) {
      FLines.emplace_back(text.substr(i));
      break;
    }
    FLines.emplace_back(text.substr(i, end - i));
    i = end + 1;
    if (text[end] == '\r' && i < text.size() && text[i] == '\n') ++i;
  }
  Changed();
}

void TStringList::Assign(const TStringList& source) {
  if (&source == this) return;
  FLines = source.FLines;
  Changed();
}
