#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <utility>

#include "platform/forms/application.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "platform/forms/stdctrls/wrapped.h"

TComboBox::TComboBox(TComponent* AOwner)
    : TWidgetControl(AOwner), FItems(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 145, 21);
  SetColor(clWindow);
  FItems->OnChange = [this](TObject*) {
    if (FItemIndex >= FItems->Count()) FItemIndex = -1;
    Sync();
  };
}

TComboBox::~TComboBox() = default;

void TComboBox::SetItems(const TStringList* Value) {
  if (Value != nullptr) FItems->Assign(*Value);
}

void TComboBox::SetItemIndex(int Value) {
  FItemIndex = Value >= 0 && Value < FItems->Count() ? Value : -1;
  // The edit part shows the chosen item; quietly, as a choice from code fires nothing.
  const std::string text = FItemIndex >= 0 ? FItems->Strings(FItemIndex) : std::string();
  if (text != Text()) {
    const TNotifyEvent change = std::exchange(OnChange, nullptr);
    SetText(text);
    OnChange = change;
  }
  Sync();
}

void TComboBox::SetStyle(TComboBoxStyle Value) {
  FStyle = Value;
  Sync();
}

int TComboBox::ColorRole() const { return QPalette::Base; }

QWidget* TComboBox::MakeWidget(QWidget* Parent) {
  auto* combo = new QComboBox(Parent);
  QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), combo,
                   [this](int index) { DispatchGuarded([this, index] { UserChose(index); }); });
  return combo;
}

void TComboBox::SyncWidget(QWidget* Widget) {
  auto* combo = static_cast<QComboBox*>(Widget);
  QSignalBlocker block(combo);
  const bool editable = FStyle == csDropDown || FStyle == csSimple;
  if (combo->isEditable() != editable) {
    combo->setEditable(editable);
    if (editable) {
      QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [this](const QString& t) {
        DispatchGuarded([this, t] { SetText(forms_internal::FromQt(t)); });
      });
    }
  }
  combo->setMaxVisibleItems(std::max(FDropDownCount, 1));
  const QStringList lines = forms_internal::QtLines(*FItems);
  QStringList shown;
  for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
  if (shown != lines) {
    combo->clear();
    combo->addItems(lines);
  }
  combo->setCurrentIndex(FItemIndex);
  if (editable) {
    QSignalBlocker edit_block(combo->lineEdit());
    if (combo->lineEdit()->text() != forms_internal::ToQt(Text())) {
      combo->lineEdit()->setText(forms_internal::ToQt(Text()));
    }
  }
}

void TComboBox::UserChose(int Index) {
  FItemIndex = Index >= 0 && Index < FItems->Count() ? Index : -1;
  const TNotifyEvent change = std::exchange(OnChange, nullptr);
  SetText(FItemIndex >= 0 ? FItems->Strings(FItemIndex) : std::string());
  OnChange = change;
  Click();
  if (OnChange) OnChange(this);
}

void TComboBox::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    return;
  }
  TWidgetControl::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED && !Loading() && OnChange) OnChange(this);
}
