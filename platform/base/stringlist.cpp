#include "platform/base/stringlist.h"

#include "platform/base/exceptions.h"
#include "platform/base/strings.h"
#include "platform/base/sysutils.h"

void TStringList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index > Limit) {
    throw EStringListError("List index out of bounds (" + IntToStr(Index) + ")");
  }
}

void TStringList::Changed() {
  if (OnChange) OnChange(this);
}

const std::string& TStringList::Strings(int Index) const {
  CheckIndex(Index, Count() - 1);
  return FLines[Index];
}

void TStringList::SetStrings(int Index, const std::string& Text) {
  CheckIndex(Index, Count() - 1);
  FLines[Index] = Text;
  Changed();
}

int TStringList::Add(const std::string& Text) {
  FLines.push_back(Text);
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int Index, const std::string& Text) {
  CheckIndex(Index, Count());
  FLines.insert(FLines.begin() + Index, Text);
  Changed();
}

void TStringList::Delete(int Index) {
  CheckIndex(Index, Count() - 1);
  FLines.erase(FLines.begin() + Index);
  Changed();
}

void TStringList::Clear() {
  if (FLines.empty()) return;
  FLines.clear();
  Changed();
}

int TStringList::IndexOf(std::string_view Text) const {
  const std::string key = AnsiUpperCase(Text);
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

void TStringList::SetText(std::string_view Text) {
  FLines.clear();
  size_t i = 0;
  while (i < Text.size()) {
    const size_t end = Text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) {
      FLines.emplace_back(Text.substr(i));
      break;
    }
    FLines.emplace_back(Text.substr(i, end - i));
    i = end + 1;
    if (Text[end] == '\r' && i < Text.size() && Text[i] == '\n') ++i;
  }
  Changed();
}

void TStringList::Assign(const TStringList& Source) {
  if (&Source == this) return;
  FLines = Source.FLines;
  Changed();
}
