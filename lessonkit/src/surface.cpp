#include "surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "fonts.h"

namespace lk {

namespace {
// Fonts are sized in points at the 96 dots per inch the lessons were laid out for.
constexpr int kDotsPerMeter96 = 3780;

QImage MakeImage(int w, int h, qreal ratio, Color back) {
  QImage img(std::max(1, int(std::lround(w * ratio))), std::max(1, int(std::lround(h * ratio))),
             QImage::Format_RGB32);
  img.setDotsPerMeterX(kDotsPerMeter96);
  img.setDotsPerMeterY(kDotsPerMeter96);
  img.setDevicePixelRatio(ratio);
  img.fill(ToQColor(back));
  return img;
}
}  // namespace

QColor ToQColor(Color c) {
  c = Resolve(c);
  return QColor(int((c >> 16) & 255), int((c >> 8) & 255), int(c & 255));
}

Surface::Surface(int widthPx, int heightPx, ScaleMode mode)
    : width_(std::max(1, widthPx)), height_(std::max(1, heightPx)), mode_(mode) {
  image_ = MakeImage(width_, height_, ratio_, back_);
}

void Surface::Resize(int widthPx, int heightPx) {
  widthPx = std::max(1, widthPx);
  heightPx = std::max(1, heightPx);
  if (widthPx == width_ && heightPx == height_) return;
  QImage img = MakeImage(widthPx, heightPx, ratio_, back_);
  {
    QPainter p(&img);
    p.drawImage(0, 0, image_);
  }
  image_ = img;
  width_ = widthPx;
  height_ = heightPx;
  TouchedAll();
}

void Surface::SetDevicePixelRatio(qreal ratio) {
  if (ratio <= 0 || ratio == ratio_) return;
  QImage img = MakeImage(width_, height_, ratio, back_);
  {
    QPainter p(&img);
    p.drawImage(QRectF(0, 0, width_, height_), image_);
  }
  image_ = img;
  ratio_ = ratio;
  TouchedAll();
}

void Surface::SetBackColor(Color c) {
  back_ = c;
  Cls();
}

void Surface::Notify() const {
  if (Changed) Changed();
}

QRect Surface::TakeDirty() {
  const QRect r = dirty_;
  dirty_ = QRect();
  return r;
}

void Surface::Touched(const QRectF& r) { Touched(r.topLeft(), r.bottomRight(), 0); }

void Surface::Touched(QPointF a, QPointF b, qreal reach) {
  // Whole pixels that contain the rectangle, within the picture.  Undefined
  // coordinates (a curve running away) count as the whole picture.  The
  // corners are taken one by one: a width of 1e30 would swallow the pixels.
  const qreal W = width_, H = height_;
  const qreal v[4] = {std::min(a.x(), b.x()) - reach, std::min(a.y(), b.y()) - reach,
                      std::max(a.x(), b.x()) + reach, std::max(a.y(), b.y()) + reach};
  QRect whole(0, 0, width_, height_);
  if (std::all_of(std::begin(v), std::end(v), [](qreal x) { return std::isfinite(x); })) {
    const int l = int(std::clamp(std::floor(std::min(v[0], v[2])), 0.0, W));
    const int t = int(std::clamp(std::floor(std::min(v[1], v[3])), 0.0, H));
    const int rr = int(std::clamp(std::ceil(std::max(v[0], v[2])), 0.0, W));
    const int b = int(std::clamp(std::ceil(std::max(v[1], v[3])), 0.0, H));
    whole = QRect(QPoint(l, t), QPoint(rr, b)) & QRect(0, 0, width_, height_);
  }
  dirty_ |= whole;
  Notify();
}

void Surface::TouchedAll() { Touched(QRectF(0, 0, width_, height_)); }

qreal Surface::PenReach() const {
  // Half the pen, the round or square cap, and a pixel for antialiasing.
  return std::max(1, DrawWidth) * 0.75 + 2;
}

QFont Surface::CurrentFont() const { return MakeFont(FontName, FontSize, FontBold, FontItalic); }

// Where the baseline lies below the top of the text: the designed ascent of
// the lesson's font where it is known, else the drawing font's own.
static qreal Ascent(const Surface& s, const QFontMetricsF& fm) {
  const double design = DesignAscent(s.FontName);
  if (design <= 0) return fm.ascent();
  const double em = std::max(0.5f, s.FontSize) * 96.0 / 72.0;
  return design * em;
}

// Where a text drawn with its baseline starting at `base` can leave ink: its
// glyphs' box and its advance box, widened for italic overhang and for glyphs
// that reach past the font's own measures.
static QRectF TextReach(const QFontMetricsF& fm, const QString& text, QPointF base) {
  const QRectF ink = fm.boundingRect(text).translated(base);
  const QRectF box(base.x(), base.y() - fm.ascent(), fm.horizontalAdvance(text), fm.height());
  const qreal slack = 2 + 0.3 * fm.height();
  return ink.united(box).adjusted(-slack, -slack, slack, slack);
}

static QString Shown(const Surface& s, const QString& text) {
  return s.FontName == QStringLiteral("Symbol") ? SymbolToUnicode(text) : text;
}

float Surface::TextWidth(const QString& text) const {
  QFontMetricsF fm(CurrentFont(), &image_);
  return float(fm.horizontalAdvance(Shown(*this, text)) * UnitsPerPixel());
}

float Surface::TextHeight(const QString& text) const {
  QFontMetricsF fm(CurrentFont(), &image_);
  int lines = int(text.count(QLatin1Char('\n'))) + 1;
  return float(fm.height() * lines * UnitsPerPixel());
}

QPointF Surface::ToPx(float x, float y) const {
  return QPointF(x / UnitsPerPixel(), y / UnitsPerPixel());
}

void Surface::Begin(QPainter& p) const {
  if (Mode == DrawMode::Xor) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
}

void Surface::SetPen(QPainter& p, Color c) const {
  QPen pen(ToQColor(c));
  pen.setWidth(std::max(1, DrawWidth));
  pen.setCapStyle(DrawWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::RoundJoin);
  // As on the classic picture controls, dashes only for the thin pen.
  if (DrawWidth <= 1 && Style == DrawStyle::Dash) pen.setStyle(Qt::DashLine);
  if (DrawWidth <= 1 && Style == DrawStyle::Dot) pen.setStyle(Qt::DotLine);
  p.setPen(pen);
}

void Surface::Print(const QString& text) {
  QFont f = CurrentFont();
  QString shown = Shown(*this, text);
  QFontMetricsF fm(f, &image_);
  QPointF at = ToPx(CurrentX, CurrentY);
  {
    QPainter p(&image_);
    Begin(p);
    p.setRenderHint(QPainter::TextAntialiasing, Mode == DrawMode::Copy);
    p.setFont(f);
    p.setPen(ToQColor(ForeColor));
    p.drawText(QPointF(at.x(), at.y() + Ascent(*this, fm)), shown);
  }
  CurrentX += float(fm.horizontalAdvance(shown) * UnitsPerPixel());
  const QPointF base(at.x(), at.y() + Ascent(*this, fm));
  const QRectF reach = TextReach(fm, shown, base);
  if (TextWatchOn()) Watch(shown, f, base, reach);
  Touched(reach);
}

void Surface::PrintLine(const QString& text) {
  float y = CurrentY;
  Print(text);
  CurrentX = 0;
  CurrentY = y + TextHeight(QStringLiteral("A"));
}

int Surface::DrawCharAtPixel(int xPx, int yPx, QChar ch) {
  QFont f = CurrentFont();
  QString shown = FontName == QStringLiteral("Symbol") && ch.unicode() < 256
                      ? QString(SymbolChar(static_cast<unsigned char>(ch.unicode())))
                      : QString(ch);
  QFontMetricsF fm(f, &image_);
  {
    QPainter p(&image_);
    Begin(p);
    p.setFont(f);
    p.setPen(ToQColor(ForeColor));
    p.drawText(QPointF(xPx, yPx + Ascent(*this, fm)), shown);
  }
  const QPointF base(xPx, yPx + Ascent(*this, fm));
  const QRectF reach = TextReach(fm, shown, base);
  if (TextWatchOn()) Watch(shown, f, base, reach);
  Touched(reach);
  return int(std::lround(fm.horizontalAdvance(shown)));
}

void Surface::Line(float x1, float y1, float x2, float y2, Color c) {
  {
    QPainter p(&image_);
    Begin(p);
    SetPen(p, c);
    p.drawLine(ToPx(x1, y1), ToPx(x2, y2));
  }
  CurrentX = x2;
  CurrentY = y2;
  Touched(ToPx(x1, y1), ToPx(x2, y2), PenReach());
}

void Surface::Polyline(const std::vector<QPointF>& points, Color c) {
  if (points.empty()) return;
  if (points.size() > 1) {
    QPainter p(&image_);
    Begin(p);
    SetPen(p, c);
    QPolygonF line;
    line.reserve(qsizetype(points.size()));
    for (const QPointF& pt : points) line << ToPx(float(pt.x()), float(pt.y()));
    p.drawPolyline(line);
    Touched(line.boundingRect().topLeft(), line.boundingRect().bottomRight(), PenReach());
  }
  CurrentX = float(points.back().x());
  CurrentY = float(points.back().y());
}

void Surface::LineTo(float x2, float y2, Color c) { Line(CurrentX, CurrentY, x2, y2, c); }

void Surface::Box(float x1, float y1, float x2, float y2, Color c, bool filled) {
  {
    QPainter p(&image_);
    Begin(p);
    QRectF r(ToPx(std::min(x1, x2), std::min(y1, y2)), ToPx(std::max(x1, x2), std::max(y1, y2)));
    if (filled) {
      p.fillRect(QRectF(r.topLeft(), r.size() + QSizeF(1, 1)), ToQColor(c));
      Cleared(r);
    } else {
      if (FillSolid) Cleared(r.adjusted(1, 1, -1, -1));
      SetPen(p, c);
      if (FillSolid) p.setBrush(ToQColor(FillColor));
      p.drawRect(r);
    }
  }
  CurrentX = x2;
  CurrentY = y2;
  Touched(ToPx(x1, y1), ToPx(x2, y2), PenReach() + 1);
}

void Surface::Circle(float x, float y, float radius, Color c) {
  {
    QPainter p(&image_);
    Begin(p);
    p.setRenderHint(QPainter::Antialiasing, Mode == DrawMode::Copy);
    SetPen(p, c);
    if (FillSolid) p.setBrush(ToQColor(FillColor));
    qreal r = radius / UnitsPerPixel();
    p.drawEllipse(ToPx(x, y), r, r);
  }
  CurrentX = x;
  CurrentY = y;
  Touched(ToPx(x, y), ToPx(x, y), std::abs(radius / UnitsPerPixel()) + PenReach());
}

void Surface::PSet(float x, float y, Color c) {
  {
    QPainter p(&image_);
    Begin(p);
    QPointF at = ToPx(x, y);
    if (DrawWidth <= 1) {
      p.setPen(ToQColor(c));
      p.drawPoint(QPoint(int(std::floor(at.x())), int(std::floor(at.y()))));
    } else {
      p.setPen(Qt::NoPen);
      p.setBrush(ToQColor(c));
      qreal r = DrawWidth / 2.0;
      p.drawEllipse(at, r, r);
    }
  }
  CurrentX = x;
  CurrentY = y;
  Touched(ToPx(x, y), ToPx(x, y), PenReach());
}

void Surface::Cls() {
  image_.fill(ToQColor(back_));
  texts_.clear();
  CurrentX = 0;
  CurrentY = 0;
  TouchedAll();
}

void Surface::BitBlt(int dstX, int dstY, int w, int h, const Surface& src, int srcX, int srcY) {
  if (w <= 0 || h <= 0) return;
  {
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    // The source rectangle is in the source image's own device pixels.
    // A copy within one surface reads from a snapshot, not from the image
    // being painted.
    const QImage from = &src == this ? image_.copy() : src.image_;
    const qreal r = src.ratio_;
    p.drawImage(QRectF(dstX, dstY, w, h), from, QRectF(srcX * r, srcY * r, w * r, h * r));
  }
  Cleared(QRectF(dstX, dstY, w, h));
  Touched(QRectF(dstX, dstY, w, h));
}

Color Surface::PixelAt(int xPx, int yPx) const {
  int px = int(std::floor(xPx * ratio_)), py = int(std::floor(yPx * ratio_));
  if (px < 0 || py < 0 || px >= image_.width() || py >= image_.height()) return back_;
  QRgb v = image_.pixel(px, py);
  return RGB(qRed(v), qGreen(v), qBlue(v));
}

Color Surface::Point(float x, float y) const {
  QPointF at = ToPx(x, y);
  return PixelAt(int(std::floor(at.x())), int(std::floor(at.y())));
}

}  // namespace lk
