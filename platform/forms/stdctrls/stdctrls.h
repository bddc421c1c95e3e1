#pragma once
// The standard controls: push buttons, check boxes, radio buttons, group boxes, labels, edits,
// memos, list boxes, combo boxes and scroll bars. The windowed ones are Qt widgets behind the class
// library's interface; the group box and the label are drawn by us.
//
// Every property is kept by the control, so it can be set before the window exists. Events fire
// for the user's input and, as in the class library, for these assignments from code: Checked
// (check box; radio button when set to true), a radio group's ItemIndex, an edit's Text (OnChange)
// and a scroll bar's Position (OnChange). Nothing fires while the form is loading (csLoading).
//
// Standard controls take their parent's font (ParentFont on) and, where they have no colour of
// their own, its colour; setting Font or Color switches that off, as usual.

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/stringlist.h"
#include "platform/forms/controls.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/stdctrls/types.h"

class QWidget;

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode {
  scLineUp,
  scLineDown,
  scPageUp,
  scPageDown,
  scPosition,
  scTrack,
  scTop,
  scBottom,
  scEndScroll
};
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;
// Rect is in the list box's client coordinates; the list box's Canvas draws there.
using TDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

// A windowed control shown by a Qt widget: the common ground of the standard controls.
class TWidgetControl : public TWinControl {
 public:
  void WndProc(TMessage& Message) override;

 protected:
  explicit TWidgetControl(TComponent* AOwner);
  QWidget* CreateWidget(QWidget* Parent) override;
  // Makes the widget (a child of parent); its signals are bound here.
  virtual QWidget* MakeWidget(QWidget* Parent) = 0;
  // Brings the widget in line with the control's state (after it is made and after changes of
  // caption, font or colour).
  virtual void SyncWidget(QWidget* Widget) { (void)Widget; }
  // SyncWidget with the font and colour, when the widget exists.
  void Sync();
  // Drops the widget's bindings to this control (its signals and input watching).
  ~TWidgetControl() override;
  // Which palette role shows the control's Color (a QPalette::ColorRole; -1 for none).
  virtual int ColorRole() const;
  bool Loading() const { return ComponentState().Contains(csLoading); }

 private:
  void SyncAll(QWidget* Widget);
};

// --- Buttons ---

class TButton : public TWidgetControl {
 public:
  explicit TButton(TComponent* AOwner);

  // Given to the form when the button is clicked (a modal form then ends with it).
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Enter clicks the default button unless another button has the focus.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  // Escape clicks the cancel button.
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }

  // The form's ModalResult := ModalResult, then OnClick.
  void Click() override;
  void WndProc(TMessage& Message) override;

 protected:
  QWidget* MakeWidget(QWidget* Parent) override;
  void SyncWidget(QWidget* Widget) override;
  int ColorRole() const override { return -1; }

 private:
  TModalResult FModalResult = mrNone;
  bool FDefault = false;
  bool FCancel = false;
};

class TCheckBox : public TWidgetControl {
 public:
  explicit TCheckBox(TComponent* AOwner);
  bool Checked() const { return FChecked; }
  // A change fires OnClick (not while loading).
  void SetChecked(bool Value);
  // Alt with the caption's accelerator focuses and toggles the box.
  void WndProc(TMessage& Message) override;

 protected:
  QWidget* MakeWidget(QWidget* Parent) override;
  void SyncWidget(QWidget* Widget) override;

 private:
  bool FChecked = false;
};

class TRadioButton : public TWidgetControl {
 public:
  explicit TRadioButton(TComponent* AOwner);
  bool Checked() const { return FChecked; }
  // True unchecks the radio buttons beside it (same parent) and fires OnClick (not while
  // loading); false only unchecks.
  void SetChecked(bool Value);
  // Alt with the caption's accelerator focuses and checks the button.
  void WndProc(TMessage& Message) override;

 protected:
  QWidget* MakeWidget(QWidget* Parent) override;
  void SyncWidget(QWidget* Widget) override;

 private:
  bool FChecked = false;
};

// A frame with the caption in its top line; holds other controls.
class TCustomGroupBox : public TCustomControl {
 public:
  explicit TCustomGroupBox(TComponent* AOwner);

 protected:
  void Paint() override;
};

class TGroupBox : public TCustomGroupBox {
 public:
  using TCustomGroupBox::TCustomGroupBox;
};

// --- Label (windowless) ---

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // On (the default): the label takes the size of its caption (the width stays with WordWrap;
  // a right-aligned label keeps its right edge).
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // Off: the label fills its rectangle with Color first.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // '&' underlines the next character ("&&" is one '&').
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  // The control the label names: Alt with the label's accelerator gives it the focus.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value) { FFocusControl = Value; }

  void WndProc(TMessage& Message) override;
  void Loaded() override;

 protected:
  void Paint() override;
  // Draws (or with DT_CALCRECT measures) the caption in Rect with the label's font.
  virtual void DoDrawText(TRect& Rect, unsigned Flags);
  void AdjustBounds();

 private:
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FTransparent = false;
  bool FShowAccelChar = true;
  TTextLayout FLayout = tlTop;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};

// --- Edits ---

class TCustomEdit : public TWidgetControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);

  // 0: no limit. Limits what the user types, not what code assigns.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool Modified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  std::string SelText() const;
  void SelectAll();
  void Clear() { SetText(""); }

  // Every change of Text (typed or assigned; not while loading).
  TNotifyEvent OnChange;
  void WndProc(TMessage& Message) override;

 protected:
  QWidget* MakeWidget(QWidget* Parent) override;
  void SyncWidget(QWidget* Widget) override;
  virtual void Change();
  // The user changed the text in the widget.
  void TextEdited(const std::string& Text);

  int FSelStart = 0;
  int FSelLength = 0;

 private:
  int FMaxLength = 0;
  bool FReadOnly = false;
  bool FModified = false;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};

// Multi-line text; Lines and Text show the same content (lines joined by CR LF).
class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* AOwner);
  ~TMemo() override;

  // Owned by the memo; its OnChange is the memo's own.
  TStringList* Lines() const { return FLines.get(); }
  void SetLines(const TStringList* Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }

  void WndProc(TMessage& Message) override;

 protected:
  QWidget* MakeWidget(QWidget* Parent) override;
  void SyncWidget(QWidget* Widget) override;

 private:
  std::unique_ptr<TStringList> FLines;
  bool FSyncing = false;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
};

// --- Lists ---

class TCustomListBox : public TWidgetControl {
 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  // Owned by the list box; its OnChange is the list box's own.
  TStringList* Items() const { return FItems.get(); }
  void SetItems(const TStringList* Value);
  // -1: none. Out-of-range values select nothing. No event fires.
  int ItemIndex() const { return FItemIndex; }
  virtual void SetItemIndex(int Value);
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  // Where owner-drawn items are drawn, valid during OnDrawItem.
  TCanvas* Canvas() const { return FCanvas.get(); }
  void Clear() { FItems->Clear(); }

  // Owner-drawn styles: draws one item; the default fills Rect with the brush (the selection
  // colour when selected) and writes the item's text.
  TDrawItemEvent OnDrawItem;
  void WndProc(TMessage& Message) override;

  // Draws item Index of an owner-drawn list into Rect of Canvas (the widget calls it).
  void DrawItemAt(int Index, TRect Rect, TOwnerDrawState State);

 protected:
  QWidget* MakeWidget(QWidget* Parent) override;
  void SyncWidget(QWidget* Widget) override;
  int ColorRole() const override;
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  // The user selected an item (OnClick).
  virtual void UserSelected(int Index);
  void ItemsChanged();

 private:
  std::unique_ptr<TStringList> FItems;
  std::unique_ptr<TCanvas> FCanvas;
  int FItemIndex = -1;
  TListBoxStyle FStyle = lbStandard;
  int FItemHeight = 16;
  bool FSorted = false;
  bool FSorting = false;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
};

class TComboBox : public TWidgetControl {
 public:
  explicit TComboBox(TComponent* AOwner);
  ~TComboBox() override;

  TStringList* Items() const { return FItems.get(); }
  void SetItems(const TStringList* Value);
  // Setting it from code shows the item as Text and fires nothing.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }

  // The user chose an item: OnClick, then OnChange. Typing in the edit part: OnChange.
  TNotifyEvent OnChange;
  void WndProc(TMessage& Message) override;

 protected:
  QWidget* MakeWidget(QWidget* Parent) override;
  void SyncWidget(QWidget* Widget) override;
  int ColorRole() const override;

 private:
  void UserChose(int Index);
  std::unique_ptr<TStringList> FItems;
  int FItemIndex = -1;
  TComboBoxStyle FStyle = csDropDown;
  int FDropDownCount = 8;
};

// --- Scroll bar ---

class TScrollBar : public TWidgetControl {
 public:
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  int Min() const { return FMin; }
  void SetMin(int Value) { SetParams(FPosition, Value, std::max(FMax, Value)); }
  int Max() const { return FMax; }
  void SetMax(int Value) { SetParams(FPosition, std::min(FMin, Value), Value); }
  int Position() const { return FPosition; }
  void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value) { FSmallChange = Value; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value) { FLargeChange = Value; }
  // Position is kept within AMin..AMax (AMax below AMin counts as AMin); a change of Position
  // fires OnChange (not while loading).
  void SetParams(int APosition, int AMin, int AMax);

  // The user's scroll action with the position it leads to; the handler may change it.
  TScrollEvent OnScroll;
  TNotifyEvent OnChange;
  void WndProc(TMessage& Message) override;

  // Runs a scroll action as the user's would (the widget calls it); returns the new position.
  int DoScroll(TScrollCode Code, int TrackPos);

 protected:
  QWidget* MakeWidget(QWidget* Parent) override;
  void SyncWidget(QWidget* Widget) override;
  int ColorRole() const override { return -1; }

 private:
  TScrollBarKind FKind = sbHorizontal;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FSmallChange = 1;
  int FLargeChange = 1;
};
