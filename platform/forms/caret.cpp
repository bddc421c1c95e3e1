#include "platform/forms/caret.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QStyleHints>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <optional>

#include "platform/forms/systimer.h"
#include "platform/forms/window.h"
#include "platform/graphics/bitmap.h"

namespace {

constexpr unsigned kDefaultBlinkTime = 530;

struct Caret {
  TWinControl* owner = nullptr;
  int width = 0;
  int height = 0;
  std::vector<uint32_t> mask;  // XOR mask, width x height
  TPoint pos;
  int hide_count = 1;
  bool on = true;  // blink phase
};

// Shows the caret over its owner's window: the owner's pixels below it, XORed with the mask.
class CaretOverlay : public QWidget {
 public:
  explicit CaretOverlay(QWidget* Parent) : QWidget(Parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override;
};

struct CaretService {
  std::optional<Caret> caret;
  std::optional<unsigned> blink_time;
  uintptr_t timer = 0;
  QPointer<CaretOverlay> overlay;
};

CaretService& Service() {
  static CaretService service;
  return service;
}

unsigned BlinkTime() {
  CaretService& s = Service();
  if (!s.blink_time) {
    // The desktop's cursor flash time is a whole on-off cycle.
    int flash = 0;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
      flash = QGuiApplication::styleHints()->cursorFlashTime();
    s.blink_time = flash > 0 ? unsigned(flash / 2) : kDefaultBlinkTime;
  }
  return *s.blink_time;
}

bool OnScreen(const Caret& C) { return C.hide_count == 0 && C.on; }

void CaretOverlay::paintEvent(QPaintEvent*) {
  const CaretService& s = Service();
  if (!s.caret || !OnScreen(*s.caret) || !s.caret->owner) return;
  const Caret& c = *s.caret;
  const TBitmap* image = WinControlAccess::Of(c.owner).image.get();
  if (!image || c.width <= 0 || c.height <= 0) return;
  QImage out(c.width, c.height, QImage::Format_RGB32);
  for (int y = 0; y < c.height; ++y) {
    const uint32_t* row = image->ScanLine(c.pos.Y + y);
    auto* dst = reinterpret_cast<uint32_t*>(out.scanLine(y));
    for (int x = 0; x < c.width; ++x) {
      const int ix = c.pos.X + x;
      const uint32_t below = row && ix >= 0 && ix < image->Width() ? row[ix] : 0xFFFFFFFF;
      dst[x] = 0xFF000000 | ((below ^ c.mask[size_t(y) * size_t(c.width) + size_t(x)]) & 0xFFFFFF);
    }
  }
  QPainter(this).drawImage(0, 0, out);
}

// Puts the overlay where the caret is, shown while the caret is on screen.
void Refresh() {
  CaretService& s = Service();
  if (!s.caret) {
    if (s.overlay) s.overlay->hide();
    return;
  }
  const Caret& c = *s.caret;
  QWidget* window = forms_internal::WidgetOf(c.owner);
  if (!window) return;
  if (!s.overlay || s.overlay->parentWidget() != window) {
    delete s.overlay.data();
    s.overlay = new CaretOverlay(window);
  }
  const bool inside = c.pos.X < c.owner->ClientWidth() && c.pos.Y < c.owner->ClientHeight() &&
                      int64_t(c.pos.X) + c.width > 0 && int64_t(c.pos.Y) + c.height > 0;
  if (!OnScreen(c) || !inside) {
    s.overlay->hide();
    return;
  }
  const QPoint o = forms_internal::ClientOffset(c.owner);
  s.overlay->setGeometry(c.pos.X + o.x(), c.pos.Y + o.y(), c.width, c.height);
  s.overlay->raise();
  s.overlay->show();
  s.overlay->update();
}

void StopBlinking() {
  CaretService& s = Service();
  if (s.timer) KillTimer(s.timer);
  s.timer = 0;
}

void Blink() {
  CaretService& s = Service();
  if (!s.caret) return;
  s.caret->on = !s.caret->on;
  Refresh();
}

// Blinks while a caret shows; every change starts a fresh on phase.
void Restart() {
  CaretService& s = Service();
  StopBlinking();
  if (!s.caret) return;
  s.caret->on = true;
  if (s.caret->hide_count == 0) s.timer = SetTimer(BlinkTime(), Blink);
}

bool Create(TWinControl* Owner, int Width, int Height, std::vector<uint32_t> Mask) {
  if (!Owner) return false;
  if (Service().caret) DestroyCaret();
  Caret c;
  c.owner = Owner;
  c.width = Width;
  c.height = Height;
  c.mask = std::move(Mask);
  Service().caret = std::move(c);
  Refresh();
  return true;
}

bool Owns(TWinControl* Owner) {
  const CaretService& s = Service();
  return s.caret && (Owner == nullptr || Owner == s.caret->owner);
}

}  // namespace

bool CreateCaret(TWinControl* Owner, int Kind, int Width, int Height) {
  Width = std::clamp(Width, 0, 4096);
  Height = std::clamp(Height, 0, 4096);
  std::vector<uint32_t> mask(size_t(Width) * size_t(Height), 0x00FFFFFF);
  if (Kind == 1) {
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x)
        mask[size_t(y) * size_t(Width) + size_t(x)] = (x + y) % 2 ? 0 : 0x00808080;
  }
  return Create(Owner, Width, Height, std::move(mask));
}

bool CreateCaret(TWinControl* Owner, const TBitmap& Bitmap) {
  std::vector<uint32_t> mask;
  mask.reserve(size_t(Bitmap.Width()) * size_t(Bitmap.Height()));
  for (int y = 0; y < Bitmap.Height(); ++y) {
    const uint32_t* row = Bitmap.ScanLine(y);
    for (int x = 0; x < Bitmap.Width(); ++x) mask.push_back(row[x] & 0x00FFFFFF);
  }
  return Create(Owner, Bitmap.Width(), Bitmap.Height(), std::move(mask));
}

bool DestroyCaret() {
  CaretService& s = Service();
  if (!s.caret) return false;
  StopBlinking();
  s.caret.reset();
  Refresh();
  return true;
}

bool ShowCaret(TWinControl* Owner) {
  if (!Owns(Owner)) return false;
  Caret& c = *Service().caret;
  if (c.hide_count > 0 && --c.hide_count == 0) {
    Restart();
    Refresh();
  }
  return true;
}

bool HideCaret(TWinControl* Owner) {
  if (!Owns(Owner)) return false;
  Caret& c = *Service().caret;
  if (c.hide_count++ == 0) {
    StopBlinking();
    Refresh();
  }
  return true;
}

bool SetCaretPos(int X, int Y) {
  CaretService& s = Service();
  if (!s.caret) return false;
  if (s.caret->pos == TPoint{X, Y}) return true;
  s.caret->pos = {X, Y};
  Restart();
  Refresh();
  return true;
}

bool GetCaretPos(TPoint& Point) {
  const CaretService& s = Service();
  if (!s.caret) return false;
  Point = s.caret->pos;
  return true;
}

unsigned GetCaretBlinkTime() { return BlinkTime(); }

bool SetCaretBlinkTime(unsigned Milliseconds) {
  if (Milliseconds == 0) return false;
  Service().blink_time = Milliseconds;
  if (Service().timer) Restart();
  return true;
}

TWinControl* GetCaretWindow() { return Service().caret ? Service().caret->owner : nullptr; }

bool GetCaretImage(TCaretImage& Image) {
  const CaretService& s = Service();
  if (!s.caret || !OnScreen(*s.caret)) return false;
  Image.Owner = s.caret->owner;
  Image.Area = {s.caret->pos.X, s.caret->pos.Y,
                int(std::min<int64_t>(int64_t(s.caret->pos.X) + s.caret->width, INT_MAX)),
                int(std::min<int64_t>(int64_t(s.caret->pos.Y) + s.caret->height, INT_MAX))};
  Image.Pixels = s.caret->mask;
  return true;
}
