#pragma once
// The masked edit: an edit whose text follows an edit mask "mask;save literals;blank".
//
// Mask characters: '0' a digit, '9' a digit or blank, '#' a digit, sign or blank, 'L' a letter,
// 'l' a letter or blank, 'A' a letter or digit, 'a' the same or blank, 'C' any character, 'c'
// any character or blank; '>' upper case from here, '<' lower case, "<>" as typed; '\' takes
// the next character literally; '!' is accepted (blanks stay where they are); every other
// character is a literal. The second field '0' leaves the literals out of Text; the third is
// the blank character shown for empty positions ('_' if none is given).
//
// Typing goes position by position over the mask and refuses what the position does not take.
// Leaving the edit with a required position (0, L, A, C) empty shows "Invalid input value. Use
// escape key to abandon changes" (as an EDBEditError) and keeps the focus in the edit.

#include <string>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/forms/stdctrls/stdctrls.h"

class EDBEditError : public Exception {
 public:
  using Exception::Exception;
};

// The mask as positions (no Qt); used by TMaskEdit and testable alone.
class TEditMask {
 public:
  enum class Kind { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, Any };
  struct Position {
    Kind kind = Kind::Literal;
    bool required = false;
    char literal = 0;   // Kind::Literal
    char textCase = 0;  // '>' upper, '<' lower, 0 as typed
  };

  TEditMask() = default;
  explicit TEditMask(const std::string& EditMask);

  bool Empty() const { return FPositions.empty(); }
  const std::vector<Position>& Positions() const { return FPositions; }
  char Blank() const { return FBlank; }
  bool SaveLiterals() const { return FSaveLiterals; }

  // Whether position `index` takes character c (after the case change).
  bool Accepts(size_t Index, char C) const;
  // c in the case of position index.
  char Cased(size_t Index, char C) const;
  // The text shown for value: positions filled from the left with the value's characters that
  // they take (a value's literal matching the mask's is used up); the rest blank.
  std::string Format(const std::string& Value) const;
  // What Text gives for the shown text: blanks as ' ', literals only when saved.
  std::string TextOf(const std::string& Shown) const;
  // Every required position filled.
  bool Complete(const std::string& Shown) const;
  // The same mask in Qt's input-mask notation.
  std::string QtMask() const;

 private:
  std::vector<Position> FPositions;
  char FBlank = '_';
  bool FSaveLiterals = true;
};

class TMaskEdit : public TCustomEdit {
 public:
  explicit TMaskEdit(TComponent* AOwner);

  const std::string& EditMask() const { return FEditMask; }
  // Reformats the shown text for the new mask.
  void SetEditMask(const std::string& Value);
  bool IsMasked() const { return !FMask.Empty(); }
  // The text as shown, blanks and literals included.
  const std::string& EditText() const { return TCustomEdit::Text(); }
  void SetEditText(const std::string& Value);
  // Hides TControl's: with a mask, the value (see TEditMask::TextOf); setting it formats it.
  std::string Text() const;
  void SetText(const std::string& Value);
  // EDBEditError when a required position is empty.
  void ValidateEdit() const;

  void WndProc(TMessage& Message) override;

 protected:
  QWidget* MakeWidget(QWidget* Parent) override;
  void SyncWidget(QWidget* Widget) override;

 private:
  std::string FEditMask;
  TEditMask FMask;
};
