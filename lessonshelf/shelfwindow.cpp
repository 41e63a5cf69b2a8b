#include "shelfwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "fonts.h"
#include "sounds.h"

namespace {
constexpr int kIconSize = 48;
// The size the launcher asks for; a smaller screen gets less, and the list scrolls.
constexpr QSize kWish(620, 880);
// A second start of the same lesson within this time is the same request
// (a double Enter), not a wish for two windows.
constexpr qint64 kRestartGuardMs = 1000;
// The window manager's frame, until the window has one to measure.
constexpr QSize kFrameGuess(16, 48);
const QColor kMissing(150, 150, 150);
const char kScaleKey[] = "displayScale";

QSettings Settings() { return QSettings(QStringLiteral("lessons"), QStringLiteral("lessonshelf")); }

QString Percent(double scale) { return QString::number(std::lround(scale * 100)) + QStringLiteral(" %"); }

QPixmap Greyed(const QPixmap& pm) {
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

qint64 MonotonicMs() {
  static QElapsedTimer t = [] {
    QElapsedTimer e;
    e.start();
    return e;
  }();
  return t.elapsed();
}
}  // namespace

QString LocateLesson(const QString& name, const QString& launcherDir) {
  for (const QString& p : {launcherDir + QLatin1Char('/') + name,
                           launcherDir + QStringLiteral("/../") + name + QLatin1Char('/') + name}) {
    const QFileInfo f(p);
    if (f.isFile() && f.isExecutable()) return f.canonicalFilePath();
  }
  return {};
}

double FittingScale(QSize window, QSize frame, double wanted, QSize area) {
  double best = kDisplayScales[0];
  for (double s : kDisplayScales) {
    if (s > wanted + 1e-9) break;
    if (window.width() * s + frame.width() <= area.width() &&
        window.height() * s + frame.height() <= area.height())
      best = s;
  }
  return best;
}

ShelfWindow::ShelfWindow(const QString& launcherDir) {
  setWindowTitle(QStringLiteral("物理のための応用数学 ― レッスン一覧"));
  start = [](const QString& program, const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess p;
    p.setProgram(program);
    p.setArguments(arguments);
    p.setProcessEnvironment(env);
    return p.startDetached();
  };
  clock = MonotonicMs;
  screenArea = [this] {
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(QPoint(), kWish);
  };
  const QFont small = lk::MakeFont(QStringLiteral("メイリオ"), 9, false, false);
  auto* layout = new QVBoxLayout(this);
  auto* head = new QLabel(QStringLiteral("レッスンを選んで Enter を押すか，ダブルクリックして下さい"), this);
  head->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 11, false, false));
  layout->addWidget(head);
  list_ = new QListWidget(this);
  list_->setIconSize(QSize(kIconSize, kIconSize));
  list_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 10, false, false));
  list_->setSpacing(2);
  list_->setMinimumHeight(2 * kIconSize);
  layout->addWidget(list_, 1);

  keys_ = new QLabel(this);
  keys_->setFont(small);
  keys_->setWordWrap(true);
  QString keys = QStringLiteral("どのレッスンでも:");
  QString keysEn = QStringLiteral("In every lesson:");
  for (const lk::KeyHelp& k : lk::SuiteKeys()) {
    keys += QStringLiteral("　") + k.keys + QLatin1Char(' ') + k.ja;
    keysEn += QLatin1Char(' ') + k.keys + QLatin1Char(' ') + k.en + QLatin1Char('.');
  }
  keys_->setText(keys);
  keys_->setToolTip(keysEn);
  layout->addWidget(keys_);

  auto* sizeRow = new QHBoxLayout;
  auto* sizeLabel = new QLabel(QStringLiteral("表示の大きさ (プロジェクタ向け):"), this);
  sizeLabel->setFont(small);
  scaleBox_ = new QComboBox(this);
  scaleBox_->setFont(small);
  for (double s : kDisplayScales) scaleBox_->addItem(Percent(s), s);
  scaleBox_->setToolTip(QStringLiteral("Display size of the lessons started from here"));
  sizeLabel->setBuddy(scaleBox_);
  sizeRow->addWidget(sizeLabel);
  sizeRow->addWidget(scaleBox_);
  sizeRow->addStretch(1);
  layout->addLayout(sizeRow);

  status_ = new QLabel(this);
  status_->setFont(small);
  status_->setWordWrap(true);
  layout->addWidget(status_);

  int n = 0;
  for (const lk::ProgramInfo& e : lk::Lessons()) {
    ++n;
    const QString program = LocateLesson(e.name, launcherDir);
    programs_.push_back(program);
    QString text = QString::number(n) + QStringLiteral(".  ") + e.title;
    if (!e.pages.isEmpty()) text += QStringLiteral("  (") + e.pages + QLatin1Char(')');
    text += QLatin1Char('\n') + QStringLiteral("      ") + e.topic;
    if (program.isEmpty()) text += QStringLiteral("  — このビルドにはありません");
    auto* item = new QListWidgetItem(text, list_);
    const QPixmap pic = lk::ProgramPicture(e, kIconSize, qApp ? qApp->devicePixelRatio() : 1);
    item->setIcon(program.isEmpty() ? QIcon(Greyed(pic)) : QIcon(pic));
    if (program.isEmpty()) item->setForeground(kMissing);
    item->setToolTip(e.name);
  }
  list_->setCurrentRow(0);
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { startRow(list_->row(item)); });

  setScale(Settings().value(QLatin1String(kScaleKey), 1.0).toDouble());
  connect(scaleBox_, &QComboBox::currentIndexChanged, this,
          [this] { Settings().setValue(QLatin1String(kScaleKey), scale()); });
  fitToScreen();
}

bool ShelfWindow::isBuilt(int row) const {
  return row >= 0 && row < int(programs_.size()) && !programs_[std::size_t(row)].isEmpty();
}

QSize ShelfWindow::frameAllowance() const {
  const QSize measured = frameGeometry().size() - geometry().size();
  return measured.isEmpty() ? kFrameGuess : measured;
}

bool ShelfWindow::startRow(int row) {
  if (row < 0 || row >= int(programs_.size())) return false;
  const lk::ProgramInfo& e = lk::Lessons()[std::size_t(row)];
  if (!isBuilt(row)) {
    lk::Beep();
    status_->setText(e.title + QStringLiteral(" は，このビルドにはまだありません"));
    return false;
  }
  const qint64 now = clock();
  if (row == lastRow_ && now - lastStartMs_ < kRestartGuardMs) return false;

  const double wanted = scale();
  const double s = FittingScale(e.windowSize, frameAllowance(), wanted, screenArea().size());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  if (s != 1) {
    // On top of any factor the desktop already gives every Qt program.
    bool ok = false;
    double inherited = env.value(QStringLiteral("QT_SCALE_FACTOR")).toDouble(&ok);
    if (!ok || !(inherited > 0)) inherited = 1;
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(inherited * s));
  }
  const bool ok = start && start(programs_[std::size_t(row)], lessonArguments, env);
  if (ok) {
    lastRow_ = row;
    lastStartMs_ = now;
  }
  if (!ok)
    status_->setText(e.title + QStringLiteral(" を起動できませんでした"));
  else if (s < wanted)
    status_->setText(e.title + QStringLiteral(" は ") + Percent(wanted) +
                     QStringLiteral(" では画面に入らないので，") + Percent(s) + QStringLiteral(" で起動しました"));
  else
    status_->setText(e.title + QStringLiteral(" を起動しました"));
  return ok;
}

QString ShelfWindow::status() const { return status_->text(); }

QString ShelfWindow::keysLine() const { return keys_->text(); }

double ShelfWindow::scale() const { return scaleBox_->currentData().toDouble(); }

void ShelfWindow::setScale(double scale) {
  int best = 0;
  for (int i = 0; i < scaleBox_->count(); ++i)
    if (std::abs(scaleBox_->itemData(i).toDouble() - scale) < 1e-6) best = i;
  scaleBox_->setCurrentIndex(best);
}

void ShelfWindow::fitToScreen() {
  const QRect area = screenArea();
  const QSize frame = frameAllowance();
  const QSize size = kWish.boundedTo(area.size() - frame).expandedTo(minimumSizeHint());
  resize(size);
  const QSize outer = size + frame;
  move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
       area.top() + std::max(0, (area.height() - outer.height()) / 2));
}

void ShelfWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Quit) ||
      (event->key() == Qt::Key_Q && event->modifiers() == Qt::ControlModifier)) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}
