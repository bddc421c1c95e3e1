#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "platform/forms/application.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/stdctrls/stdctrls.h"

namespace {

// The memo's text uses CR LF between lines; Qt's uses LF.
std::string FromWidget(const QString& Text) {
  std::string lf = forms_internal::FromQt(Text);
  std::string out;
  for (char c : lf) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

QString ToWidget(const std::string& Text) {
  return forms_internal::ToQt(forms_internal::LfLineBreaks(Text));
}

}  // namespace

// --- TCustomEdit ---

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWidgetControl(AOwner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
}

QWidget* TCustomEdit::MakeWidget(QWidget* Parent) {
  auto* edit = new QLineEdit(Parent);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [this](const QString& text) {
    DispatchGuarded([this, text] { TextEdited(forms_internal::FromQt(text)); });
  });
  return edit;
}

void TCustomEdit::SyncWidget(QWidget* Widget) {
  auto* edit = static_cast<QLineEdit*>(Widget);
  QSignalBlocker block(edit);
  edit->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
  edit->setReadOnly(FReadOnly);
  const QString text = forms_internal::ToQt(Caption());
  if (edit->text() != text) edit->setText(text);
}

void TCustomEdit::TextEdited(const std::string& Text) {
  FModified = true;
  SetText(Text);
}

void TCustomEdit::SetMaxLength(int Value) {
  FMaxLength = std::max(Value, 0);
  Sync();
}

void TCustomEdit::SetReadOnly(bool Value) {
  FReadOnly = Value;
  Sync();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    return;
  }
  TWidgetControl::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED && !Loading()) Change();
}

int TCustomEdit::SelStart() const {
  if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) {
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  }
  return std::min(FSelStart, int(Text().size()));
}

void TCustomEdit::SetSelStart(int Value) {
  FSelStart = std::clamp(Value, 0, int(Text().size()));
  FSelLength = 0;
  if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) edit->setCursorPosition(FSelStart);
}

int TCustomEdit::SelLength() const {
  if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) return int(edit->selectedText().size());
  return std::min(FSelLength, int(Text().size()) - SelStart());
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  FSelStart = start;
  FSelLength = std::clamp(Value, 0, int(Text().size()) - start);
  if (auto* edit = dynamic_cast<QLineEdit*>(Widget())) edit->setSelection(start, FSelLength);
}

std::string TCustomEdit::SelText() const {
  const int start = SelStart();
  return Text().substr(size_t(start), size_t(std::max(SelLength(), 0)));
}

void TCustomEdit::SelectAll() {
  SetSelStart(0);
  SetSelLength(int(Text().size()));
}

// --- TMemo ---

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 185, 89);
  FLines->OnChange = [this](TObject*) {
    if (FSyncing) return;
    FSyncing = true;
    std::string text = FLines->Text();
    if (text.size() >= 2) text.resize(text.size() - 2);  // no line break after the last line
    SetText(text);
    FSyncing = false;
  };
}

TMemo::~TMemo() = default;

void TMemo::SetLines(const TStringList* Value) {
  if (Value != nullptr) FLines->Assign(*Value);
}

void TMemo::SetScrollBars(TScrollStyle Value) {
  FScrollBars = Value;
  Sync();
}

void TMemo::SetWordWrap(bool Value) {
  FWordWrap = Value;
  Sync();
}

QWidget* TMemo::MakeWidget(QWidget* Parent) {
  auto* memo = new QPlainTextEdit(Parent);
  QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [this, memo] {
    DispatchGuarded([this, memo] { TextEdited(FromWidget(memo->toPlainText())); });
  });
  return memo;
}

void TMemo::SyncWidget(QWidget* Widget) {
  auto* memo = static_cast<QPlainTextEdit*>(Widget);
  QSignalBlocker block(memo);
  memo->setReadOnly(ReadOnly());
  memo->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
  const bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  memo->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  memo->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  memo->setTabChangesFocus(!FWantTabs);
  const QString text = ToWidget(Caption());
  if (memo->toPlainText() != text) memo->setPlainText(text);
}

void TMemo::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (FWantReturns ? DLGC_WANTALLKEYS : 0) |
                     (FWantTabs ? DLGC_WANTTAB : 0);
    return;
  }
  if (Message.Msg == CM_TEXTCHANGED && !FSyncing) {
    FSyncing = true;
    FLines->SetText(Caption());
    FSyncing = false;
  }
  TCustomEdit::WndProc(Message);
}
