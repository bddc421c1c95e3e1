#include "platform/forms/stdctrls/mask.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/base/strings.h"
#include "platform/forms/application.h"
#include "platform/forms/qtglue.h"

namespace {

bool IsLetter(char C) {
  const auto u = static_cast<unsigned char>(C);
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

}  // namespace

// --- TEditMask ---

TEditMask::TEditMask(const std::string& EditMask) {
  std::string mask = EditMask;
  // The fields after the mask: ";save literals;blank", read from the end.
  const size_t last = mask.rfind(';');
  if (last != std::string::npos && last > 0 && mask[last - 1] != '\\') {
    std::string tail = mask.substr(last + 1);
    mask.resize(last);
    const size_t before = mask.rfind(';');
    if (before != std::string::npos && (before == 0 || mask[before - 1] != '\\')) {
      if (tail.size() == 1) FBlank = tail[0];
      FSaveLiterals = mask.substr(before + 1) != "0";
      mask.resize(before);
    } else {
      FSaveLiterals = tail != "0";
    }
  }
  char text_case = 0;
  for (size_t i = 0; i < mask.size(); ++i) {
    const char c = mask[i];
    Position p;
    p.textCase = text_case;
    switch (c) {
      case '!':
        continue;
      case '>':
        text_case = '>';
        continue;
      case '<':
        if (i + 1 < mask.size() && mask[i + 1] == '>') {
          ++i;
          text_case = 0;
        } else {
          text_case = '<';
        }
        continue;
      case '\\':
        if (i + 1 < mask.size()) ++i;
        p.literal = mask[i];
        break;
      case '0':
        p.kind = Kind::Digit;
        p.required = true;
        break;
      case '9':
        p.kind = Kind::Digit;
        break;
      case '#':
        p.kind = Kind::DigitOrSign;
        break;
      case 'L':
        p.kind = Kind::Letter;
        p.required = true;
        break;
      case 'l':
        p.kind = Kind::Letter;
        break;
      case 'A':
        p.kind = Kind::LetterOrDigit;
        p.required = true;
        break;
      case 'a':
        p.kind = Kind::LetterOrDigit;
        break;
      case 'C':
        p.kind = Kind::Any;
        p.required = true;
        break;
      case 'c':
        p.kind = Kind::Any;
        break;
      case '_':
        p.literal = ' ';
        break;
      default:
        p.literal = c;
        break;
    }
    FPositions.push_back(p);
  }
}

char TEditMask::Cased(size_t Index, char C) const {
  if (Index >= FPositions.size()) return C;
  if (FPositions[Index].textCase == '>') return AnsiUpCase(C);
  if (FPositions[Index].textCase == '<') return AnsiLowCase(C);
  return C;
}

bool TEditMask::Accepts(size_t Index, char C) const {
  if (Index >= FPositions.size()) return false;
  switch (FPositions[Index].kind) {
    case Kind::Digit:
      return IsDigit(C);
    case Kind::DigitOrSign:
      return IsDigit(C) || C == '+' || C == '-';
    case Kind::Letter:
      return IsLetter(C);
    case Kind::LetterOrDigit:
      return IsLetter(C) || IsDigit(C);
    case Kind::Any:
      return static_cast<unsigned char>(C) >= ' ';
    case Kind::Literal:
      return C == FPositions[Index].literal;
  }
  return false;
}

std::string TEditMask::Format(const std::string& Value) const {
  std::string shown;
  size_t next = 0;
  for (size_t i = 0; i < FPositions.size(); ++i) {
    const Position& p = FPositions[i];
    if (p.kind == Kind::Literal) {
      shown.push_back(p.literal);
      if (next < Value.size() && Value[next] == p.literal) ++next;
      continue;
    }
    while (next < Value.size() && !Accepts(i, Cased(i, Value[next])) && Value[next] != ' ') ++next;
    if (next < Value.size() && Value[next] != ' ') {
      shown.push_back(Cased(i, Value[next++]));
    } else {
      shown.push_back(FBlank);
      if (next < Value.size()) ++next;
    }
  }
  return shown;
}

std::string TEditMask::TextOf(const std::string& Shown) const {
  std::string text;
  for (size_t i = 0; i < FPositions.size(); ++i) {
    const char c = i < Shown.size() ? Shown[i] : FBlank;
    if (FPositions[i].kind == Kind::Literal) {
      if (FSaveLiterals) text.push_back(FPositions[i].literal);
    } else {
      text.push_back(c == FBlank ? ' ' : c);
    }
  }
  return text;
}

bool TEditMask::Complete(const std::string& Shown) const {
  for (size_t i = 0; i < FPositions.size(); ++i) {
    if (!FPositions[i].required) continue;
    if (i >= Shown.size() || Shown[i] == FBlank || Shown[i] == ' ') return false;
  }
  return true;
}

std::string TEditMask::QtMask() const {
  if (FPositions.empty()) return std::string();
  std::string out;
  char text_case = 0;
  for (const Position& p : FPositions) {
    if (p.textCase != text_case) {
      out.push_back(p.textCase == 0 ? '!' : p.textCase);
      text_case = p.textCase;
    }
    switch (p.kind) {
      case Kind::Literal:
        out.push_back('\\');
        out.push_back(p.literal);
        break;
      case Kind::Digit:
        out.push_back(p.required ? '9' : '0');
        break;
      case Kind::DigitOrSign:
        out.push_back('#');
        break;
      case Kind::Letter:
        out.push_back(p.required ? 'A' : 'a');
        break;
      case Kind::LetterOrDigit:
        out.push_back(p.required ? 'N' : 'n');
        break;
      case Kind::Any:
        out.push_back(p.required ? 'X' : 'x');
        break;
    }
  }
  out.push_back(';');
  out.push_back(FBlank);
  return out;
}

// --- TMaskEdit ---

TMaskEdit::TMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TMaskEdit::SetEditMask(const std::string& Value) {
  const std::string value = Text();
  FEditMask = Value;
  FMask = TEditMask(Value);
  SetText(value);
  Sync();
}

void TMaskEdit::SetEditText(const std::string& Value) {
  TCustomEdit::SetText(IsMasked() ? FMask.Format(FMask.TextOf(Value)) : Value);
}

std::string TMaskEdit::Text() const { return IsMasked() ? FMask.TextOf(EditText()) : EditText(); }

void TMaskEdit::SetText(const std::string& Value) {
  TCustomEdit::SetText(IsMasked() ? FMask.Format(Value) : Value);
}

void TMaskEdit::ValidateEdit() const {
  if (IsMasked() && !FMask.Complete(EditText())) {
    throw EDBEditError("Invalid input value.  Use escape key to abandon changes");
  }
}

QWidget* TMaskEdit::MakeWidget(QWidget* Parent) {
  auto* edit = new QLineEdit(Parent);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [this, edit](const QString&) {
    DispatchGuarded([this, edit] { TextEdited(forms_internal::FromQt(edit->displayText())); });
  });
  return edit;
}

void TMaskEdit::SyncWidget(QWidget* Widget) {
  if (!IsMasked()) {
    static_cast<QLineEdit*>(Widget)->setInputMask(QString());
    TCustomEdit::SyncWidget(Widget);
    return;
  }
  auto* edit = static_cast<QLineEdit*>(Widget);
  QSignalBlocker block(edit);
  const QString mask = forms_internal::ToQt(FMask.QtMask());
  if (edit->inputMask() != mask) edit->setInputMask(mask);
  edit->setReadOnly(ReadOnly());
  const QString shown = forms_internal::ToQt(EditText());
  if (edit->displayText() != shown) {
    const int cursor = edit->cursorPosition();
    edit->setText(shown);
    edit->setCursorPosition(cursor);
  }
}

void TMaskEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CM_EXIT && IsMasked() && !FMask.Complete(EditText())) {
    // The edit keeps the focus until its text fits the mask.
    SetFocus();
    Application->ShowException(
        EDBEditError("Invalid input value.  Use escape key to abandon changes"));
    return;
  }
  TCustomEdit::WndProc(Message);
}
