#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/forms/forms.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/stdctrls/stdctrls.h"

namespace {

// A radio button that a click never unchecks: the control unchecks its siblings itself.
class RadioWidget : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override {
    if (!isChecked()) setChecked(true);
  }
};

}  // namespace

// --- TButton ---

TButton::TButton(TComponent* AOwner) : TWidgetControl(AOwner) { SetBounds(0, 0, 75, 25); }

QWidget* TButton::MakeWidget(QWidget* Parent) {
  auto* button = new QPushButton(Parent);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button,
                   [this] { DispatchGuarded([this] { Click(); }); });
  return button;
}

void TButton::SyncWidget(QWidget* Widget) {
  auto* button = static_cast<QPushButton*>(Widget);
  button->setText(forms_internal::ToQt(Caption()));
  button->setDefault(FDefault);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TWidgetControl::Click();
}

void TButton::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGKEY) {
    const auto key = uint16_t(Message.WParam);
    TCustomForm* form = GetParentForm(this);
    TWinControl* focused = form != nullptr ? form->ActiveControl() : nullptr;
    // Enter belongs to the focused button, else to the default one.
    const bool active = focused == this || (FDefault && dynamic_cast<TButton*>(focused) == nullptr);
    if (((key == VK_RETURN && active) || (key == VK_ESCAPE && FCancel)) &&
        KeyDataToShiftState().Empty() && CanFocus()) {
      Click();
      Message.Result = 1;
    }
    return;
  }
  if (Message.Msg == CM_DIALOGCHAR) {
    if (IsAccel(unsigned(Message.WParam), Caption()) && CanFocus()) {
      Click();
      Message.Result = 1;
    }
    return;
  }
  TWidgetControl::WndProc(Message);
}

// --- TCheckBox ---

TCheckBox::TCheckBox(TComponent* AOwner) : TWidgetControl(AOwner) {
  SetBounds(0, 0, 97, 17);
  SetParentColor(true);
}

QWidget* TCheckBox::MakeWidget(QWidget* Parent) {
  auto* box = new QCheckBox(Parent);
  QObject::connect(box, &QCheckBox::clicked, box,
                   [this](bool on) { DispatchGuarded([this, on] { SetChecked(on); }); });
  return box;
}

void TCheckBox::SyncWidget(QWidget* Widget) {
  auto* box = static_cast<QCheckBox*>(Widget);
  QSignalBlocker block(box);
  box->setText(forms_internal::ToQt(Caption()));
  box->setChecked(FChecked);
}

void TCheckBox::SetChecked(bool Value) {
  if (Value == FChecked) return;
  FChecked = Value;
  Sync();
  if (!Loading()) Click();
}

void TCheckBox::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) {
    if (IsAccel(unsigned(Message.WParam), Caption()) && CanFocus()) {
      SetFocus();
      if (Focused()) SetChecked(!FChecked);
      Message.Result = 1;
    }
    return;
  }
  TWidgetControl::WndProc(Message);
}

// --- TRadioButton ---

TRadioButton::TRadioButton(TComponent* AOwner) : TWidgetControl(AOwner) {
  SetBounds(0, 0, 113, 17);
  SetParentColor(true);
}

QWidget* TRadioButton::MakeWidget(QWidget* Parent) {
  auto* radio = new RadioWidget(Parent);
  radio->setAutoExclusive(false);
  QObject::connect(radio, &QRadioButton::clicked, radio,
                   [this] { DispatchGuarded([this] { SetChecked(true); }); });
  return radio;
}

void TRadioButton::SyncWidget(QWidget* Widget) {
  auto* radio = static_cast<QRadioButton*>(Widget);
  QSignalBlocker block(radio);
  radio->setText(forms_internal::ToQt(Caption()));
  radio->setChecked(FChecked);
}

void TRadioButton::SetChecked(bool Value) {
  if (Value == FChecked) return;
  FChecked = Value;
  Sync();
  if (!Value) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
    }
  }
  if (!Loading()) Click();
}

void TRadioButton::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) {
    if (IsAccel(unsigned(Message.WParam), Caption()) && CanFocus()) {
      SetFocus();
      if (Focused()) SetChecked(true);
      Message.Result = 1;
    }
    return;
  }
  TWidgetControl::WndProc(Message);
}
