#pragma once
// The text viewer's line store and the routines it runs on line text: search with and without
// case, tab expansion, visual column <-> byte index, identifier characters, and positions.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "library/controls/txtscroll/fileimage.h"
#include "library/controls/txtscroll/largeblock.h"
#include "platform/base/object.h"

// One line of a list: its bytes (any byte value, NUL included), and a flag byte free for the
// list's user (the viewer marks a line whose flag is not 0). A small handle that reads like a
// pointer: GetNode(i)->Text(), and nullptr for a line the list does not have. It stays valid
// until the next Add or SetText.
class TStringNode {
 public:
  TStringNode() = default;
  std::string_view Text() const { return {FText, size_t(Length())}; }
  int Length() const { return FRecord ? int((*FRecord >> kLengthShift) & 0xFFFF) : 0; }
  uint8_t Flag() const { return FRecord ? uint8_t(*FRecord) : 0; }
  void SetFlag(uint8_t Flag) {
    if (FRecord) *FRecord = (*FRecord & ~uint64_t(0xFF)) | Flag;
  }

  TStringNode* operator->() { return this; }
  const TStringNode* operator->() const { return this; }
  explicit operator bool() const { return FRecord != nullptr; }
  friend bool operator==(const TStringNode& Node, std::nullptr_t) { return !Node.FRecord; }

 private:
  friend class TtsStringList;
  static constexpr int kLengthShift = 8;
  TStringNode(uint64_t* Record, const char* Text) : FRecord(Record), FText(Text) {}

  uint64_t* FRecord = nullptr;
  const char* FText = nullptr;
};

// The lines of one view, 0 .. Count() - 1. A file's lines stay where they lie in its bytes, other
// texts lie one after the other in one large block owned by the list, and each line costs one
// 8-byte record (where its text lies, its length and its flag), so a long file takes little more
// memory than its own size.
class TtsStringList : public TObject {
 public:
  // Lines longer than this are cut (lengths are 16-bit).
  static constexpr int kMaxLineLength = 0xFFFF;

  TtsStringList();
  ~TtsStringList() override;
  TtsStringList(const TtsStringList&) = delete;
  TtsStringList& operator=(const TtsStringList&) = delete;

  // Appends a line (flag 0).
  void Add(std::string_view Text);
  int Count() const { return FCount; }
  // An empty node (== nullptr) when Index < 0 or Index >= Count().
  TStringNode GetNode(int Index);
  const TStringNode GetNode(int Index) const;
  // Replaces a line's text, keeping its flag; out-of-range indices are ignored.
  void SetText(int Index, std::string_view Text);

  // Lines straight from a file. TakeFile hands the list a file's bytes (only while it has no
  // texts); AddFileLine adds a line (flag 0) whose text lies at Offset in them. ReserveLines makes
  // room for that many more lines at once, for a reader that knows roughly how many come.
  void TakeFile(TFileImage File);
  void AddFileLine(size_t Offset, size_t Length) {
    // Called for every line of a file: the common case stays inline.
    if (Length <= size_t(kMaxLineLength) && Offset + Length <= FFile.Size() &&
        size_t(FCount) * 8 < FRecords.Size())
      *Record(FCount++) = MakeRecord(Offset, Length, 0);
    else
      AddOddFileLine(Offset, Length);
  }
  void ReserveLines(size_t Lines);
  // Gives back the room beyond the texts and lines held now.
  void ShrinkToFit();

 private:
  // Appends Text to the texts; returns its offset.
  size_t Store(std::string_view Text);
  void AddRecord(size_t Offset, size_t Length);
  void AddOddFileLine(size_t Offset, size_t Length);
  // A record holds a text's position (40 bits), its length and its flag.
  static constexpr int kPositionShift = 24;
  static uint64_t MakeRecord(uint64_t Position, size_t Length, uint8_t Flag) {
    return Position << kPositionShift | uint64_t(Length) << TStringNode::kLengthShift | Flag;
  }
  uint64_t* Record(int Index) const { return reinterpret_cast<uint64_t*>(FRecords.Data()) + Index; }
  const char* TextAt(uint64_t Record) const;

  // The file's bytes, then the texts added or changed later, and the records in the order of
  // the lines. A line's position is an offset into the file's bytes followed by the texts; the
  // texts and records grow by moving their pages.
  TFileImage FFile;
  TLargeBlock FText;
  TLargeBlock FRecords;
  size_t FUsed = 0;
  int FCount = 0;
};

// Upper case of a Windows-1252 byte (the window system's ANSI rule).
uint8_t AnsiUpperByte(uint8_t c);

// The Horspool shift table of a pattern: every entry is the pattern's length (at most 255), a
// character of the pattern (not its last) gives its distance from the pattern's end.
using TBMTable = uint8_t[256];
void BMSkipTable(std::string_view Pattern, TBMTable& Table);
// Finds Pattern in the first TextLen bytes of Text; Pos := the offset of the first match.
bool BMSearch(const char* Text, int TextLen, const TBMTable& Table, std::string_view Pattern,
              int& Pos);
// The same with each text byte upper-cased first; Pattern and Table must be upper case.
bool BMSearchNoCase(const char* Text, int TextLen, const TBMTable& Table, std::string_view Pattern,
                    int& Pos);

// Src with every tab replaced by blanks up to the next multiple of TabSize (columns from 0);
// TabSize 0 gives the empty string.
std::string ExpandTabsTo(std::string_view Src, int TabSize);
// The byte index of visual column Column (a column inside a tab's blanks gives the tab's index);
// at most the line's length.
int ColumnToIndex(std::string_view S, int Column, int TabSize);
// The visual column of byte index Index.
int IndexToColumn(std::string_view S, int Index, int TabSize);
// '$', digits, letters and '_'.
bool IsIdentChar(char C);
// Every one of the first Len bytes below Lo or above Hi becomes Repl.
void ReplaceNonPrintable(std::string& S, int Len, uint8_t Lo, uint8_t Hi, char Repl);
// True when one of the first Len bytes is a tab.
bool HasTab(std::string_view S, int Len);

// A text position: line and column.
struct TtsPos {
  int Line = 0;
  int Col = 0;
  friend bool operator==(const TtsPos&, const TtsPos&) = default;
};
// Two positions; empty when both are equal, reversed when the start lies after the end.
struct TtsRange {
  TtsPos Start;
  TtsPos End;
  friend bool operator==(const TtsRange&, const TtsRange&) = default;
  bool Empty() const { return Start == End; }
  bool Reversed() const {
    return Start.Line > End.Line || (Start.Line == End.Line && Start.Col > End.Col);
  }
};
