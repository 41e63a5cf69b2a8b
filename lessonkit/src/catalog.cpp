#include "catalog.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace lk {

namespace {

struct RawProgram {
  const char *name, *title, *titleEn, *topic, *topicEn, *pages, *pagesEn;
  int width, height;
  const char *keys, *color, *curve;
};

#include "lessoncatalog.inc"

std::vector<KeyHelp> KeyLines(const char* text) {
  std::vector<KeyHelp> keys;
  for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QStringList part = line.split(QLatin1Char('|'));
    if (part.size() == 3) keys.push_back({part[0], part[1], part[2]});
  }
  return keys;
}

const std::vector<ProgramInfo>& AllPrograms() {
  static const std::vector<ProgramInfo> programs = [] {
    std::vector<ProgramInfo> v;
    for (const RawProgram& r : kPrograms)
      v.push_back({QString::fromUtf8(r.name), QString::fromUtf8(r.title), QString::fromUtf8(r.titleEn),
                   QString::fromUtf8(r.topic), QString::fromUtf8(r.topicEn), QString::fromUtf8(r.pages),
                   QString::fromUtf8(r.pagesEn), QSize(r.width, r.height), KeyLines(r.keys),
                   QString::fromUtf8(r.color), QString::fromUtf8(r.curve)});
    return v;
  }();
  return programs;
}

// The icon's curve: straight pieces ("M x y L x y ..."); an orbit ("A") is
// drawn as the ellipse and the sun it stands for.
QPainterPath CurvePath(const QString& d) {
  QPainterPath path;
  if (d.contains(QLatin1Char('A'))) {
    path.addEllipse(QRectF(8, 18, 48, 28));
    path.addEllipse(QRectF(15, 28, 8, 8));
    return path;
  }
  const QStringList t = d.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (qsizetype i = 0; i + 2 < t.size(); ++i) {
    if (t[i] != QLatin1String("M") && t[i] != QLatin1String("L")) continue;
    const QPointF p(t[i + 1].toDouble(), t[i + 2].toDouble());
    if (t[i] == QLatin1String("M")) path.moveTo(p);
    else path.lineTo(p);
    i += 2;
  }
  return path;
}

// Rows of keys or options: the left column padded, Japanese beside it and
// English under the Japanese.
class Table {
 public:
  void add(const QString& left, const QString& ja, const QString& en) { rows_.push_back({left, ja, en}); }
  QString text() const {
    int width = 0;
    for (const KeyHelp& r : rows_) width = std::max(width, int(r.keys.size()));
    QString out;
    for (const KeyHelp& r : rows_) {
      out += QStringLiteral("  ") + r.keys.leftJustified(width + 2) + r.ja + QLatin1Char('\n');
      out += QString(width + 4, QLatin1Char(' ')) + r.en + QLatin1Char('\n');
    }
    return out;
  }

 private:
  std::vector<KeyHelp> rows_;
};

QString WithPages(const QString& text, const QString& pages) {
  return pages.isEmpty() ? text : text + QStringLiteral(" (") + pages + QLatin1Char(')');
}

}  // namespace

const std::vector<ProgramInfo>& Lessons() {
  static const std::vector<ProgramInfo> lessons(AllPrograms().begin(), AllPrograms().end() - 1);
  return lessons;
}

const ProgramInfo& Launcher() { return AllPrograms().back(); }

const ProgramInfo* FindProgram(const QString& name) {
  for (const ProgramInfo& p : AllPrograms())
    if (p.name == name) return &p;
  return nullptr;
}

const std::vector<KeyHelp>& SuiteKeys() {
  static const std::vector<KeyHelp> keys = KeyLines(kSuiteKeys);
  return keys;
}

QString SuiteVersion() { return QString::fromUtf8(kSuiteVersion); }

QPixmap ProgramPicture(const ProgramInfo& e, int size, qreal dpr) {
  QPixmap pm(QSize(size, size) * dpr);
  pm.setDevicePixelRatio(dpr);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  const QColor c(e.color.isEmpty() ? QStringLiteral("#406080") : e.color);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
  p.setBrush(QColor(240, 240, 240));
  p.drawRoundedRect(QRectF(6, 6, 52, 52), 7, 7);
  p.setPen(QPen(QColor(180, 180, 180), 1));
  p.drawLine(QPointF(8, 32), QPointF(56, 32));
  p.drawLine(QPointF(32, 8), QPointF(32, 56));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(CurvePath(e.curve));
  return pm;
}

QIcon ProgramIcon(const ProgramInfo& p) {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(ProgramPicture(p, size));
  return icon;
}

QString HelpText(const QString& program) {
  const ProgramInfo* p = FindProgram(program);
  const bool launcher = p == &Launcher();
  QString out;
  if (p) {
    out += program + QStringLiteral(" \u2014 ") + WithPages(p->title, p->pages) + QLatin1Char('\n');
    out += QString(program.size() + 3, QLatin1Char(' ')) + WithPages(p->titleEn, p->pagesEn) + QLatin1Char('\n');
    out += QLatin1Char('\n') + p->topic + QLatin1Char('\n') + p->topicEn + QLatin1Char('\n');
  }
  out += QStringLiteral("\n使い方 Usage: ") + program + QStringLiteral(" [--speed X]\n\nオプション Options:\n");
  Table options;
  if (launcher)
    options.add(QStringLiteral("--speed X"), QStringLiteral("起動するレッスンの時計を X 倍の速さにする"),
                QStringLiteral("start the lessons with their clock X times as fast"));
  else
    options.add(QStringLiteral("--speed X"), QStringLiteral("レッスンの時計を X 倍の速さで進める (既定は 1)"),
                QStringLiteral("run the lesson clock X times as fast (default 1)"));
  options.add(QStringLiteral("-h, --help"), QStringLiteral("この説明を出して終わる"),
              QStringLiteral("print this help and exit"));
  options.add(QStringLiteral("--version"), QStringLiteral("版を出して終わる"),
              QStringLiteral("print the version and exit"));
  out += options.text();
  if (p && !p->keys.empty()) {
    out += launcher ? QStringLiteral("\nレッスン一覧のキー Keys of the launcher:\n")
                    : QStringLiteral("\nこのレッスンのキー Keys of this lesson:\n");
    Table keys;
    for (const KeyHelp& k : p->keys) keys.add(k.keys, k.ja, k.en);
    out += keys.text();
  }
  out += QStringLiteral("\nどのレッスンでも使えるキー Keys in every lesson:\n");
  Table suite;
  for (const KeyHelp& k : SuiteKeys()) suite.add(k.keys, k.ja, k.en);
  out += suite.text();
  out += QStringLiteral("\n表示の大きさ Display size:\n");
  if (launcher)
    out += QStringLiteral("  この一覧の「表示の大きさ」で 100, 125, 150, 200 % を選べる\n"
                          "  the launcher's display size starts lessons at 100, 125, 150 or 200 %\n");
  Table size;
  size.add(QStringLiteral("QT_SCALE_FACTOR=1.5"), QStringLiteral("窓を 1.5 倍に描く (プロジェクタ向け)"),
           QStringLiteral("draws the windows 1.5 times as large (for a projector)"));
  out += size.text();
  return out;
}

QString VersionText(const QString& program) {
  return program + QStringLiteral(" (lessons) ") + SuiteVersion() + QLatin1Char('\n');
}

}  // namespace lk
