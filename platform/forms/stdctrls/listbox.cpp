#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/base/strings.h"
#include "platform/forms/application.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "platform/forms/stdctrls/wrapped.h"
#include "platform/graphics/bitmap.h"

namespace {

// Owner-drawn items: each item is drawn by the list box on its canvas over a bitmap of the item's
// size, then shown.
class OwnerDrawDelegate : public QStyledItemDelegate {
 public:
  OwnerDrawDelegate(TCustomListBox* List, QObject* Parent)
      : QStyledItemDelegate(Parent), FList(List) {}

  void paint(QPainter* Painter, const QStyleOptionViewItem& Option,
             const QModelIndex& Index) const override {
    const QRect q = Option.rect;
    if (q.isEmpty()) return;
    TBitmap item;
    item.SetSize(q.width(), q.height());
    TCanvas* canvas = FList->Canvas();
    const TRect rect = Bounds(q.x(), q.y(), q.width(), q.height());
    canvas->SetSurface(item.Surface(), TPoint{-q.x(), -q.y()}, rect);
    TOwnerDrawState state;
    if (Option.state & QStyle::State_Selected) state += odSelected;
    if (Option.state & QStyle::State_HasFocus) state += odFocused;
    if (!(Option.state & QStyle::State_Enabled)) state += odDisabled;
    DispatchGuarded([&] { FList->DrawItemAt(Index.row(), rect, state); });
    canvas->SetSurface(TSurface{});
    const TSurface s = item.Surface();
    const QImage view(reinterpret_cast<const uchar*>(s.Bits), s.Width, s.Height, s.Stride * 4,
                      QImage::Format_RGB32);
    Painter->drawImage(q.topLeft(), view);
  }

  QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    QSize size = QStyledItemDelegate::sizeHint(Option, Index);
    size.setHeight(FList->ItemHeight());
    return size;
  }

 private:
  TCustomListBox* FList;
};

// A list that does not choose an item by itself when it gets the focus: only the user does.
class ListWidget : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void focusInEvent(QFocusEvent* E) override {
    if (currentRow() >= 0) {
      QListWidget::focusInEvent(E);
      return;
    }
    QSignalBlocker block(this);
    QListWidget::focusInEvent(E);
    setCurrentRow(-1);
  }
};

}  // namespace

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWidgetControl(AOwner),
      FItems(std::make_unique<TStringList>()),
      FCanvas(std::make_unique<TCanvas>()) {
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  FItems->OnChange = [this](TObject*) { ItemsChanged(); };
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::SetItems(const TStringList* Value) {
  if (Value != nullptr) FItems->Assign(*Value);
}

void TCustomListBox::ItemsChanged() {
  if (FSorted && !FSorting) {
    std::vector<std::string> lines;
    for (int i = 0; i < FItems->Count(); ++i) lines.push_back(FItems->Strings(i));
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
      return AnsiUpperCase(a) < AnsiUpperCase(b);
    });
    FSorting = true;
    FItems->Clear();
    for (const std::string& line : lines) FItems->Add(line);
    FSorting = false;
  }
  if (FSorting) return;
  if (FItemIndex >= FItems->Count()) FItemIndex = -1;
  Sync();
}

void TCustomListBox::SetItemIndex(int Value) {
  FItemIndex = Value >= 0 && Value < FItems->Count() ? Value : -1;
  Sync();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  FStyle = Value;
  Sync();
}

void TCustomListBox::SetItemHeight(int Value) {
  if (Value > 0) FItemHeight = Value;
  Sync();
}

void TCustomListBox::SetSorted(bool Value) {
  if (Value == FSorted) return;
  FSorted = Value;
  if (Value) ItemsChanged();
}

int TCustomListBox::ColorRole() const { return QPalette::Base; }

QWidget* TCustomListBox::MakeWidget(QWidget* Parent) {
  auto* list = new ListWidget(Parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int row) {
    if (row != FItemIndex) DispatchGuarded([this, row] { UserSelected(row); });
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                   [this](QListWidgetItem*) { DispatchGuarded([this] { DblClick(); }); });
  return list;
}

void TCustomListBox::SyncWidget(QWidget* Widget) {
  auto* list = static_cast<QListWidget*>(Widget);
  QSignalBlocker block(list);
  const bool owner_draw = FStyle != lbStandard;
  if (owner_draw && dynamic_cast<OwnerDrawDelegate*>(list->itemDelegate()) == nullptr) {
    list->setItemDelegate(new OwnerDrawDelegate(this, list));
  } else if (!owner_draw && dynamic_cast<OwnerDrawDelegate*>(list->itemDelegate()) != nullptr) {
    list->setItemDelegate(new QStyledItemDelegate(list));
  }
  const QStringList lines = forms_internal::QtLines(*FItems);
  QStringList shown;
  for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
  if (shown != lines) {
    list->clear();
    list->addItems(lines);
  }
  list->setCurrentRow(FItemIndex);
  list->viewport()->update();
}

void TCustomListBox::UserSelected(int Index) {
  FItemIndex = Index;
  Click();
}

void TCustomListBox::DrawItemAt(int Index, TRect Rect, TOwnerDrawState State) {
  FCanvas->SetFont(Font());
  FCanvas->Brush()->SetColor(State.Contains(odSelected) ? clHighlight : Color());
  if (State.Contains(odSelected)) FCanvas->Font()->SetColor(clHighlightText);
  DrawItem(Index, Rect, State);
}

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  FCanvas->FillRect(Rect);
  if (Index >= 0 && Index < FItems->Count()) {
    FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems->Strings(Index));
  }
}

void TCustomListBox::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    return;
  }
  TWidgetControl::WndProc(Message);
}
