// Glyphs and metrics from Qt's font engine. A QGuiApplication is needed for fonts; when the
// program has none yet (tests, tools), one is created on first use, headless when there is no
// display. A program that wants a QApplication must create it before its first text call.

#include "platform/graphics/font_engine.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "platform/base/numbers.h"
#include "platform/base/strings.h"

namespace {

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "orvane";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

QChar ToUnicode(unsigned char C) {
  const QString s = QString::fromStdString(Cp1252ToUtf8(std::string(1, char(C))));
  return s.isEmpty() ? QChar(u'?') : s[0];
}

bool SameName(const std::string& A, const char* B) {
  return QString::fromLatin1(A.c_str()).compare(QLatin1String(B), Qt::CaseInsensitive) == 0;
}

QString FamilyFor(const TFont& Font) {
  const std::string& n = Font.Name();
  if (Font.Pitch() == fpFixed || SameName(n, "Courier New") || SameName(n, "Courier") ||
      SameName(n, "Liberation Mono")) {
    return QStringLiteral("Liberation Mono");
  }
  if (SameName(n, "Times New Roman") || SameName(n, "Times") || SameName(n, "Liberation Serif")) {
    return QStringLiteral("Liberation Serif");
  }
  return QStringLiteral("Liberation Sans");
}

// Big-endian table fields.
int U16(const QByteArray& T, int O) {
  return O + 1 < T.size() ? (uint8_t(T[O]) << 8) | uint8_t(T[O + 1]) : 0;
}
int I16(const QByteArray& T, int O) { return int16_t(U16(T, O)); }

// Sizes beyond this are drawn at this size (a glyph is rendered on an image of a few em squares).
constexpr int kMaxEm = 1024;

using Key = std::tuple<QString, int, bool, bool, bool, bool>;

class QtFont final : public RealizedFont {
 public:
  explicit QtFont(const TFont& Font) {
    EnsureGuiApplication();
    const bool bold = Font.Style().Contains(fsBold);
    const bool italic = Font.Style().Contains(fsItalic);
    FQfont = QFont(FamilyFor(Font));
    FQfont.setBold(bold);
    FQfont.setItalic(italic);
    FQfont.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    FQfont.setHintingPreference(QFont::PreferFullHinting);
    FQfont.setKerning(false);

    // The face's Windows ascent and descent decide the cell, as on the original system.
    QFont probe = FQfont;
    probe.setPixelSize(100);
    const QRawFont raw = QRawFont::fromFont(probe);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    double upm = U16(head, 18);
    double win_ascent = U16(os2, 74), win_descent = U16(os2, 76);
    double avg_width = I16(os2, 2);
    if (upm <= 0 || win_ascent + win_descent <= 0) {
      upm = 100;
      win_ascent = raw.ascent();
      win_descent = raw.descent();
      avg_width = raw.averageCharWidth();
    }
    const int height = Font.Height() == 0 ? 16 : Font.Height();
    int em, ascent, descent;
    if (height < 0) {
      em = std::min(-height, kMaxEm);
      ascent = static_cast<int>(Round(win_ascent * em / upm));
      descent = static_cast<int>(Round(win_descent * em / upm));
    } else {
      const int cell = std::min(height, kMaxEm);
      em = std::max(1, static_cast<int>(Round(cell * upm / (win_ascent + win_descent))));
      ascent = static_cast<int>(Round(cell * win_ascent / (win_ascent + win_descent)));
      descent = cell - ascent;
    }
    em = std::max(em, 1);
    FQfont.setPixelSize(em);
    FFamily = FamilyFor(Font).toStdString();
    FEm = em;
    const QFontMetrics fm(FQfont);

    TTextMetric& m = FMetric;
    m.tmAscent = ascent;
    m.tmDescent = descent;
    m.tmHeight = ascent + descent;
    m.tmInternalLeading = std::max(0, m.tmHeight - em);
    m.tmAveCharWidth = std::max(1, static_cast<int>(Round(avg_width * em / upm)));
    m.tmMaxCharWidth = fm.maxWidth();
    m.tmWeight = bold ? 700 : 400;
    m.tmItalic = italic;
    m.tmUnderlined = Font.Style().Contains(fsUnderline);
    m.tmStruckOut = Font.Style().Contains(fsStrikeOut);
    m.tmFixedPitch = FamilyFor(Font) == QStringLiteral("Liberation Mono");
    for (int c = 0; c < 256; ++c) FAdvances[c] = fm.horizontalAdvance(ToUnicode(uint8_t(c)));

    FLineThickness = std::max(1, static_cast<int>(Round(em / 14.0)));
    FUnderlineTop = std::min(m.tmHeight - 1, ascent + std::max(1, fm.underlinePos()) - 1);
    FStrikeOutTop = std::max(0, ascent - std::max(1, fm.strikeOutPos()));
  }

  const GlyphMask& Glyph(unsigned char C) const override {
    if (!FReady[C]) {
      FGlyphs[C] = Render(C);
      FReady[C] = true;
    }
    return FGlyphs[C];
  }

 private:
  GlyphMask Render(unsigned char C) const {
    GlyphMask g;
    const int margin = FMetric.tmHeight / 2 + 2;
    const int w = FAdvances[C] + 2 * margin;
    const int h = FMetric.tmHeight + 2 * margin;
    if (w <= 0 || h <= 0 || w > 20000 || h > 20000) return g;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing, false);
      p.setRenderHint(QPainter::TextAntialiasing, false);
      p.setFont(FQfont);
      p.setPen(Qt::black);
      p.drawText(QPointF(margin, margin + FMetric.tmAscent), QString(ToUnicode(C)));
    }
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    for (int y = 0; y < h; ++y) {
      const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < w; ++x) {
        if (qAlpha(row[x]) >= 128) {
          x0 = std::min(x0, x);
          x1 = std::max(x1, x);
          y0 = std::min(y0, y);
          y1 = std::max(y1, y);
        }
      }
    }
    if (x1 < 0) return g;
    g.left = x0 - margin;
    g.top = y0 - margin;
    g.width = x1 - x0 + 1;
    g.height = y1 - y0 + 1;
    g.bits.resize(static_cast<size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y) {
      const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y0 + y));
      for (int x = 0; x < g.width; ++x) {
        g.bits[static_cast<size_t>(y) * g.width + x] = qAlpha(row[x0 + x]) >= 128 ? 1 : 0;
      }
    }
    return g;
  }

  QFont FQfont;
  mutable std::array<GlyphMask, 256> FGlyphs;
  mutable std::array<bool, 256> FReady{};
};

}  // namespace

const RealizedFont& RealizeFont(const TFont& Font) {
  // Never destroyed: Qt font objects must not outlive the application object at exit.
  static auto& cache = *new std::map<Key, std::unique_ptr<QtFont>>;
  const Key key{FamilyFor(Font),
                Font.Height(),
                Font.Style().Contains(fsBold),
                Font.Style().Contains(fsItalic),
                Font.Style().Contains(fsUnderline),
                Font.Style().Contains(fsStrikeOut)};
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, std::make_unique<QtFont>(Font)).first;
  return *it->second;
}
