#pragma once
// The class library's string list: indexed lines with a change notification.

#include <string>
#include <string_view>
#include <vector>

#include "platform/base/object.h"

class TStringList : public TObject {
 public:
  TStringList() = default;
  // A list is shared by reference or copied with Assign, never copied by accident with its handler.
  TStringList(const TStringList&) = delete;
  TStringList& operator=(const TStringList&) = delete;

  // Fired once after every change of the lines.
  TNotifyEvent OnChange;

  int Count() const { return static_cast<int>(FLines.size()); }
  // An index outside 0..Count-1 raises EStringListError.
  const std::string& Strings(int Index) const;
  void SetStrings(int Index, const std::string& Text);

  // Appends and returns the new line's index.
  int Add(const std::string& Text);
  // Index 0..Count; EStringListError otherwise.
  void Insert(int Index, const std::string& Text);
  void Delete(int Index);
  void Clear();
  // First line equal to `text` ignoring Windows-1252 case, or -1.
  int IndexOf(std::string_view Text) const;

  // Every line followed by CR LF.
  std::string Text() const;
  // Lines end at CR LF, a lone CR or a lone LF; a break at the very end adds no empty line.
  void SetText(std::string_view Text);

  // Copies the lines of `source` (not its handler).
  void Assign(const TStringList& Source);

 private:
  void CheckIndex(int Index, int Limit) const;
  void Changed();

  std::vector<std::string> FLines;
};
