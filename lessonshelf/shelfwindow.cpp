#include "shelfwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QVBoxLayout>

#include "fonts.h"
#include "sounds.h"

namespace {
constexpr int kIconSize = 48;
const QColor kMissing(150, 150, 150);
}  // namespace

const std::vector<ShelfEntry>& Catalog() {
  static const std::vector<ShelfEntry> entries = [] {
    struct Raw {
      const char *name, *title, *topic, *pages, *color, *curve;
    };
    static const Raw raw[] = {
#include "catalog.inc"
    };
    std::vector<ShelfEntry> v;
    for (const Raw& r : raw)
      v.push_back({QString::fromUtf8(r.name), QString::fromUtf8(r.title), QString::fromUtf8(r.topic),
                   QString::fromUtf8(r.pages), QString::fromUtf8(r.color), QString::fromUtf8(r.curve)});
    return v;
  }();
  return entries;
}

QString LocateLesson(const QString& name, const QString& launcherDir) {
  for (const QString& p : {launcherDir + QLatin1Char('/') + name,
                           launcherDir + QStringLiteral("/../") + name + QLatin1Char('/') + name}) {
    const QFileInfo f(p);
    if (f.isFile() && f.isExecutable()) return f.canonicalFilePath();
  }
  return {};
}

// The icon's curve: straight pieces ("M x y L x y ..."); an orbit ("A") is
// drawn as the ellipse it stands for.
static QPainterPath CurvePath(const QString& d) {
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

QPixmap LessonPicture(const ShelfEntry& e, int size) {
  const qreal dpr = qApp ? qApp->devicePixelRatio() : 1;
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

static QPixmap Greyed(const QPixmap& pm) {
  QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      const int g = qGray(c.rgb());
      img.setPixelColor(x, y, QColor(g, g, g, c.alpha() / 2));
    }
  QPixmap out = QPixmap::fromImage(img);
  out.setDevicePixelRatio(pm.devicePixelRatio());
  return out;
}

ShelfWindow::ShelfWindow(const QString& launcherDir) {
  setWindowTitle(QStringLiteral("物理のための応用数学 ― レッスン一覧"));
  start = [](const QString& program) { return QProcess::startDetached(program, {}); };
  auto* layout = new QVBoxLayout(this);
  auto* head = new QLabel(QStringLiteral("レッスンを選んで Enter を押すか，ダブルクリックして下さい"), this);
  head->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 11, false, false));
  layout->addWidget(head);
  list_ = new QListWidget(this);
  list_->setIconSize(QSize(kIconSize, kIconSize));
  list_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 10, false, false));
  list_->setSpacing(2);
  layout->addWidget(list_);
  status_ = new QLabel(this);
  status_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 9, false, false));
  layout->addWidget(status_);
  int n = 0;
  for (const ShelfEntry& e : Catalog()) {
    ++n;
    const QString program = LocateLesson(e.name, launcherDir);
    programs_.push_back(program);
    QString text = QString::number(n) + QStringLiteral(".  ") + e.title;
    if (!e.pages.isEmpty()) text += QStringLiteral("  (") + e.pages + QLatin1Char(')');
    text += QLatin1Char('\n') + QStringLiteral("      ") + e.topic;
    if (program.isEmpty()) text += QStringLiteral("  — このビルドにはありません");
    auto* item = new QListWidgetItem(text, list_);
    const QPixmap pic = LessonPicture(e, kIconSize);
    item->setIcon(program.isEmpty() ? QIcon(Greyed(pic)) : QIcon(pic));
    if (program.isEmpty()) item->setForeground(kMissing);
    item->setToolTip(e.name);
  }
  list_->setCurrentRow(0);
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { startRow(list_->row(item)); });
  resize(620, 820);
}

bool ShelfWindow::isBuilt(int row) const {
  return row >= 0 && row < int(programs_.size()) && !programs_[std::size_t(row)].isEmpty();
}

bool ShelfWindow::startRow(int row) {
  if (row < 0 || row >= int(programs_.size())) return false;
  const ShelfEntry& e = Catalog()[std::size_t(row)];
  if (!isBuilt(row)) {
    lk::Beep();
    status_->setText(e.title + QStringLiteral(" は，このビルドにはまだありません"));
    return false;
  }
  const bool ok = start && start(programs_[std::size_t(row)]);
  status_->setText(ok ? e.title + QStringLiteral(" を起動しました")
                      : e.title + QStringLiteral(" を起動できませんでした"));
  return ok;
}

QString ShelfWindow::status() const { return status_->text(); }
