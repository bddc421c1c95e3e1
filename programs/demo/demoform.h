#pragma once
// What every demo form shares: its frame from the index, the run that shows it modally and frees
// it, and the handler patterns the forms are made of (selector groups with their item-to-value
// tables, text and check followers, the readout, the event select, the beep, the colour button).
//
// A demo form derives from TDemoForm, passes its class name, and builds its components in its
// constructor with a TFormLoader (see forms/registry.cpp for how a form joins the program).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "library/foundation/types.h"
#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "programs/demo/demoindex.h"

class TDemoForm : public TForm {
 public:
  // Dialog border, centred (unless the index says otherwise), and the index's caption, client
  // size, font, colour, help context and on-top flag for ClassName.
  TDemoForm(TComponent* AOwner, const std::string& ClassName);
  const TDemoFormInfo& Info() const { return *FInfo; }

 protected:
  // The index's closing control of kind CloseButton (a close-kind button) or Button (a push
  // button with its modal result), with the index's caption; nullptr for the other kinds, which
  // the form builds itself.
  TButton* AddCloser(TFormLoader& Loader, int Left, int Top, int Width = 75, int Height = 25);

 private:
  const TDemoFormInfo* FInfo;
};

// Creates a form, shows it modally and frees it when the modal loop returns; nothing keeps
// pointing at it afterwards.
using TDemoFactory = TForm* (*)(TComponent* AOwner);
template <class T>
TForm* NewDemoForm(TComponent* AOwner) {
  return new T(AOwner);
}
TModalResult RunDemoForm(TDemoFactory Factory);

// --- Selector groups: radio-group items and the value each item stands for ---

template <class V>
struct TItemValues {
  std::vector<std::string> Items;
  std::vector<V> Values;

  // The items as a radio group's Items text, one per line.
  std::string ItemsText() const {
    std::string text;
    for (const std::string& item : Items) text += (text.empty() ? "" : "\n") + item;
    return text;
  }
  // The value of item Index; false for no item (-1) or one outside the table.
  bool ValueAt(int Index, V& Value) const {
    if (Index < 0 || Index >= int(Values.size())) return false;
    Value = Values[Index];
    return true;
  }
  // The first item standing for Value, so a group can start at what its component shows; -1 for
  // none.
  int IndexOf(const V& Value) const {
    for (int i = 0; i < int(Values.size()); ++i) {
      if (Values[i] == Value) return i;
    }
    return -1;
  }
};

// A caption box's look: hidden, or shown with a bevel.
struct TCaptionLook {
  bool Enable;
  TPanelBevel Bevel;
  bool operator==(const TCaptionLook&) const = default;
};

struct TLedSetting {
  bool On;
  bool Blink;
  bool operator==(const TLedSetting&) const = default;
};

extern const TItemValues<TPanelBevel> kBevelItems;         // "kein Rahmen", "erhoeht", "vertieft"
extern const TItemValues<TPanelBevel> kCaptionBevelItems;  // "ohne", "erhoeht", "vertieft"
extern const TItemValues<TTastStyle> kSwitchItems;   // "kein Schalter", "Rast-...", "Tast-..."
extern const TItemValues<TLedSetting> kLedItems;     // "aus", "ein", "blink"
extern const TItemValues<TTextStyle> kAlignItems;    // "links", "zentriert", "rechts"
extern const TItemValues<TColor> kGreyColorItems;    // "schwarz", "grau", "rot", "blau"
extern const TItemValues<TColor> kWhiteColorItems;   // "schwarz", "weiss", "rot", "blau"
extern const TItemValues<TColor> kYellowColorItems;  // "schwarz", "gelb", "rot", "blau" (aqua)
extern const TItemValues<TColor> kTextColorItems;    // "gruen", "gelb", "rot", "blau" (aqua)
extern const TItemValues<TColor> kRotaryPointerColorItems;  // "gelb", "weiss", "rot", "blau"
extern const TItemValues<TColor>
    kRotaryKnobColorItems;  // "schwarz", "silber", "rot", "blau" (teal)
extern const TItemValues<TCaptionLook> kCaptionLookItems;  // "ohne", "Bevel vertieft", ...

// A caption look applied to a potentiometer's or selector's caption box.
template <class C>
void ApplyCaptionLook(C* Control, const TCaptionLook& Look) {
  Control->SetCaptEnable(Look.Enable);
  if (Look.Enable) Control->SetCaptBevel(Look.Bevel);
}

// Fills the group with the table's items and makes its click apply the chosen item's value.
template <class V>
void BindSelector(TRadioGroup* Group, const TItemValues<V>& Table,
                  std::function<void(const V&)> Apply) {
  Group->Items()->SetText(Table.ItemsText());
  Group->OnClick = [Group, Table, Apply](TObject*) {
    V value;
    if (Table.ValueAt(Group->ItemIndex(), value)) Apply(value);
  };
}

// A radio group with the table's items at Left, Top, Width, Height, starting at item Index (-1:
// none), whose click applies the chosen item's value.
template <class V>
TRadioGroup* AddSelectorGroup(TFormLoader& Loader, const std::string& Name,
                              const std::string& Caption, const TItemValues<V>& Table, int Index,
                              int Left, int Top, int Width, int Height,
                              std::function<void(const V&)> Apply) {
  auto* group = Loader.Add<TRadioGroup>(Name);
  group->SetBounds(Left, Top, Width, Height);
  group->SetCaption(Caption);
  BindSelector<V>(group, Table, std::move(Apply));
  group->SetItemIndex(Index);
  return group;
}

// An edit whose every change copies its text on at once.
void BindTextFollower(TEdit* Edit, std::function<void(const std::string&)> Apply);
// A check box whose click copies Checked on.
void BindCheckFollower(TCheckBox* Box, std::function<void(bool)> Apply);

// --- Readout ---

std::string PositionText(int Position);                 // "7"
std::string IntText(int32_t Value, int HexDigits = 6);  // "$00001F"; negatives as 32-bit
std::string FloatText(double Value);  // general format, 15 digits, the separator in force

// The labels and the shape a readout writes to; any of them may be nullptr.
struct TReadout {
  TLabel* Position = nullptr;
  TLabel* Int = nullptr;
  TLabel* Float = nullptr;
  TShape* Color = nullptr;
  int HexDigits = 6;
  bool Beep = true;

  // Writes the values and sounds the message beep (unless Beep is off).
  void Show(int APosition, int32_t AInt, double AFloat, TColor AColor) const;
};

// A group box "Werte" at (Left, Top) holding the readout's value labels, each behind its caption
// ("Position", "Int", "Float", "Color"), with the event select box "OnChanged" under them.
struct TReadoutBlock {
  TGroupBox* Box = nullptr;
  TCheckBox* EventSel = nullptr;
  TReadout Readout;
};
TReadoutBlock AddReadoutBlock(TFormLoader& Loader, int Left, int Top, int Width, int HexDigits);

// --- Event select ---

// The handler for one of a component's two change events. It runs Readout only while the
// "OnChanged" box is unchecked (Changed false, the changing event) or checked (Changed true, the
// changed event), reading the box at every call.
TNotifyEvent SelectedEvent(const TCheckBox* OnChangedBox, bool Changed,
                           std::function<void()> Readout);

// --- Beep and colour button ---

void DemoBeep();  // the message beep with $FFFF
TNotifyEvent BeepHandler();

// Runs the colour dialog starting at Current; on OK applies the chosen colour. True for OK.
bool ChooseColor(TColor Current, const std::function<void(TColor)>& Apply);
