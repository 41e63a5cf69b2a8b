// The text watch of the surfaces: which pixels a text inks, and whether the
// learner can see them.  Only tests turn it on; it costs a program nothing.
#include <QPainter>
#include <algorithm>

#include "surface.h"

namespace lk {

namespace {

bool g_watch = false;
std::vector<TextFault> g_faults;

// Pixels at least half inked count; the faint edge of antialiasing does not.
constexpr int kInked = 128;
// A pixel or two where an italic overhang meets the next letter, or a glyph
// grazes the edge, is not a fault the learner notices.
constexpr int kSlackPixels = 2;

QString Quoted(const QString& t) { return QStringLiteral("「%1」").arg(t.trimmed()); }

// The pieces of a tall sign (the halves of an integral, bracket pieces) are
// set to meet: where they overlap, one sign is drawn, not two texts.
bool SignPiece(const QString& t) {
  if (t.size() != 1) return false;
  const char16_t c = t.front().unicode();
  return c == 0x2320 || c == 0x2321 || (c >= 0x239B && c <= 0x23B3);
}

}  // namespace

void SetTextWatch(bool on) {
  g_watch = on;
  g_faults.clear();
}

bool TextWatchOn() { return g_watch; }

std::vector<TextFault> TakeTextFaults() {
  std::vector<TextFault> out;
  out.swap(g_faults);
  return out;
}

void Surface::Cleared(const QRectF& r) {
  std::erase_if(texts_, [&](const TextRun& t) { return QRectF(t.box).intersects(r); });
}

void Surface::Watch(const QString& text, const QFont& f, QPointF base, const QRectF& reach) {
  // A one-pixel surface is a slate on which a lesson measures its texts.
  if (width_ * height_ <= 1) return;
  // A text in the back colour wipes out what lies under it.
  if (Mode == DrawMode::Copy && Resolve(ForeColor) == Resolve(back_)) {
    Cleared(reach);
    return;
  }
  // The text alone on a slate of its own, in the same font at the same
  // resolution: the pixels it inks.
  const QRect area = reach.toAlignedRect();
  QImage slate(area.size(), QImage::Format_ARGB32_Premultiplied);
  slate.setDotsPerMeterX(image_.dotsPerMeterX());
  slate.setDotsPerMeterY(image_.dotsPerMeterY());
  slate.fill(Qt::transparent);
  {
    QPainter p(&slate);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(base - QPointF(area.topLeft()), text);
  }
  QRect inked;
  for (int y = 0; y < slate.height(); ++y)
    for (int x = 0; x < slate.width(); ++x)
      if (qAlpha(slate.pixel(x, y)) >= kInked) inked |= QRect(x, y, 1, 1);
  if (inked.isEmpty()) return;  // blanks
  const QImage ink = slate.copy(inked);
  const QRect box = inked.translated(area.topLeft());
  auto inks = [&](const TextRun& t, QPoint at) {
    return qAlpha(t.ink.pixel(at - t.box.topLeft())) >= kInked;
  };
  const TextRun run{text, box, ink};

  // The same text again where it stands: in XOR it wipes itself out, in the
  // pen it changes nothing the learner reads.
  const bool again = std::erase_if(texts_, [&](const TextRun& t) {
                       return t.text == text && t.box == box;
                     }) > 0;
  if (again && Mode == DrawMode::Xor) return;

  auto fault = [&](const QString& what) { g_faults.push_back({text, what, box}); };
  const QRect whole(0, 0, width_, height_);
  const QRegion seen = VisibleArea ? VisibleArea() & whole : QRegion(whole);
  if (!(QRegion(box) - seen).isEmpty()) {
    int cut = 0, hidden = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x) {
        if (!inks(run, {x, y}) || seen.contains(QPoint(x, y))) continue;
        if (whole.contains(x, y)) ++hidden;
        else ++cut;
      }
    if (cut > kSlackPixels)
      fault(QStringLiteral("cut by the edge of its %1x%2 picture").arg(width_).arg(height_));
    else if (hidden > kSlackPixels)
      fault(QStringLiteral("partly under a control of the window"));
  }
  for (const TextRun& t : texts_) {
    const QRect both = t.box & box;
    if (both.isEmpty() || (SignPiece(t.text) && SignPiece(text))) continue;
    int shared = 0;
    for (int y = both.top(); y <= both.bottom(); ++y)
      for (int x = both.left(); x <= both.right(); ++x) shared += inks(t, {x, y}) && inks(run, {x, y});
    if (shared > kSlackPixels) fault(QStringLiteral("drawn over %1").arg(Quoted(t.text)));
  }
  texts_.push_back(run);
}

}  // namespace lk
