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
  return lines_[index];
}

void TStringList::SetStrings(int index, const std::string& text) {
  CheckIndex(index, Count() - 1);
  lines_[index] = text;
  Changed();
}

int TStringList::Add(const std::string& text) {
  lines_.push_back(text);
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& text) {
  CheckIndex(index, Count());
  lines_.insert(lines_.begin() + index, text);
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count() - 1);
  lines_.erase(lines_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

int TStringList::IndexOf(std::string_view text) const {
  const std::string key = AnsiUpperCase(text);
  for (int i = 0; i < Count(); ++i) {
    if (AnsiUpperCase(lines_[i]) == key) return i;
  }
  return -1;
}

std::string TStringList::Text() const {
  std::string s;
  for (const std::string& line : lines_) s += line + "\r\n";
  return s;
}

void TStringList::SetText(std::string_view text) {
  lines_.clear();
  size_t i = 0;
  while (i < text.size()) {
    const size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) {
      lines_.emplace_back(text.substr(i));
      break;
    }
    lines_.emplace_back(text.substr(i, end - i));
    i = end + 1;
    if (text[end] == '\r' && i < text.size() && text[i] == '\n') ++i;
  }
  Changed();
}

void TStringList::Assign(const TStringList& source) {
  if (&source == this) return;
  lines_ = source.lines_;
  Changed();
}
