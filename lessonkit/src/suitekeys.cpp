#include "suitekeys.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <cmath>

#include "fonts.h"
#include "lessonwindow.h"
#include "program.h"

namespace lk {

namespace {

const char* const kIndicatorName = "lk_clockIndicator";
const char* const kNoticeName = "lk_notice";
int g_noticeMs = 5000;

bool IsSuiteKey(int key) {
  switch (key) {
    case suitekey::Copy:
    case suitekey::Pause:
    case Qt::Key_Pause:
    case suitekey::Slower:
    case suitekey::Faster:
    case suitekey::Save: return true;
    default: return false;
  }
}

// The lesson window the learner is working with: the one that owns the
// focused prompt or dialog, or else the first one showing.
LessonWindow* CurrentLesson() {
  for (QWidget* w = QApplication::activeWindow(); w != nullptr; w = w->parentWidget())
    if (auto* l = qobject_cast<LessonWindow*>(w)) return l;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* l = qobject_cast<LessonWindow*>(w); l && l->isVisible()) return l;
  return nullptr;
}

QLabel* SmallLabel(QWidget* window, const char* name) {
  auto* l = window->findChild<QLabel*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
  if (l) return l;
  l = new QLabel(window);
  l->setObjectName(QLatin1String(name));
  l->setFont(MakeFont(QStringLiteral("メイリオ"), 9, false, false));
  l->setStyleSheet(QStringLiteral(
      "QLabel { background: rgba(255, 255, 230, 235); color: rgb(70, 70, 70);"
      " border: 1px solid rgb(170, 170, 150); padding: 1px 5px; }"));
  l->setAttribute(Qt::WA_TransparentForMouseEvents);
  l->setFocusPolicy(Qt::NoFocus);
  l->hide();
  return l;
}

QString SpeedText(double s) {
  if (std::fabs(s - 0.25) < 1e-9) return QStringLiteral("¼");
  if (std::fabs(s - 0.5) < 1e-9) return QStringLiteral("½");
  return QString::number(s, 'g', 4);
}

void PlaceIndicator(QWidget* window) {
  const QString text = ClockIndicatorText();
  if (text.isEmpty()) {
    // Made only when first needed, so a lesson at speed 1 has no extra child.
    if (auto* l = window->findChild<QLabel*>(QLatin1String(kIndicatorName),
                                             Qt::FindDirectChildrenOnly))
      l->hide();
    return;
  }
  QLabel* l = SmallLabel(window, kIndicatorName);
  l->setText(text);
  l->adjustSize();
  l->move(window->width() - l->width() - 6, 4);
  l->raise();
  l->show();
}

// Takes the suite's keys before any widget, prompt or lesson handler can.
class SuiteKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease &&
        e->type() != QEvent::ShortcutOverride)
      return QObject::eventFilter(watched, e);
    auto* k = static_cast<QKeyEvent*>(e);
    if (!IsSuiteKey(k->key()) || (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
      return false;
    e->accept();
    if (e->type() == QEvent::KeyPress) Act(k->key(), k->isAutoRepeat());
    return true;
  }

 private:
  static void Act(int key, bool repeat) {
    if (Ending()) return;
    LessonWindow* lesson = CurrentLesson();
    switch (key) {
      case suitekey::Pause:
      case Qt::Key_Pause:
        if (!repeat) SetPaused(!Paused());
        break;
      case suitekey::Slower: SetSpeed(SlowerSpeed(Speed())); break;
      case suitekey::Faster: SetSpeed(FasterSpeed(Speed())); break;
      case suitekey::Save:
        if (lesson && !repeat) SaveWindowPicture(lesson, DefaultPictureFolder());
        break;
      case suitekey::Copy:
        if (lesson && !repeat) CopyWindowPicture(lesson);
        break;
      default: break;
    }
    RefreshClockIndicator();
  }
};

}  // namespace

void InstallSuiteKeys(LessonWindow* window) {
  static QPointer<SuiteKeys> keys;
  if (!keys && qApp) {
    keys = new SuiteKeys(qApp);
    qApp->installEventFilter(keys);
  }
  if (window) PlaceIndicator(window);
}

QString ClockIndicatorText() {
  if (Paused()) return QStringLiteral("一時停止中 (F9 で再開)");
  if (std::fabs(Speed() - 1) > 1e-9) return QStringLiteral("速さ ×") + SpeedText(Speed());
  return {};
}

void RefreshClockIndicator() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* l = qobject_cast<LessonWindow*>(w)) PlaceIndicator(l);
}

QImage WindowPicture(QWidget* window) {
  // The suite's own labels are not part of the lesson's picture.
  std::vector<QWidget*> hidden;
  for (const char* name : {kIndicatorName, kNoticeName}) {
    auto* l = window->findChild<QLabel*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    if (l && l->isVisible()) {
      l->hide();
      hidden.push_back(l);
    }
  }
  // grab() renders at the window's device pixel ratio: full resolution.
  QImage image = window->grab().toImage();
  for (QWidget* w : hidden) w->show();
  return image;
}

QString ChoosePictureFolder(const QString& pictures, const QString& home) {
  if (!pictures.isEmpty() && QFileInfo(pictures).isDir()) return pictures;
  return home;
}

QString DefaultPictureFolder() {
  return ChoosePictureFolder(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                             QDir::homePath());
}

SavedPicture SavePicture(const QImage& image, const QString& program, const QString& folder) {
  SavedPicture r;
  const QString stem = (program.isEmpty() ? QStringLiteral("lesson") : program) + QLatin1Char('-') +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const QDir dir(folder);
  r.path = dir.filePath(stem + QStringLiteral(".png"));
  // Two pictures in the same second keep both.
  for (int n = 2; QFileInfo::exists(r.path) && n < 1000; ++n)
    r.path = dir.filePath(stem + QLatin1Char('-') + QString::number(n) + QStringLiteral(".png"));
  r.ok = !image.isNull() && QFileInfo(folder).isDir() && image.save(r.path, "PNG");
  r.notice = r.ok ? QStringLiteral("画像を保存しました: ") + QDir::toNativeSeparators(r.path)
                  : QStringLiteral("画像を保存できませんでした (") +
                        QDir::toNativeSeparators(folder) + QStringLiteral(" に書き込めません)");
  return r;
}

SavedPicture SaveWindowPicture(QWidget* window, const QString& folder) {
  SavedPicture r = SavePicture(WindowPicture(window), QCoreApplication::applicationName(), folder);
  ShowNotice(window, r.notice);
  return r;
}

void CopyWindowPicture(QWidget* window) {
  QGuiApplication::clipboard()->setImage(WindowPicture(window));
  ShowNotice(window, QStringLiteral("画像をクリップボードにコピーしました"));
}

void ShowNotice(QWidget* window, const QString& text) {
  QLabel* l = SmallLabel(window, kNoticeName);
  l->setText(text);
  l->adjustSize();
  l->move(6, 4);
  l->raise();
  l->show();
  // A later notice restarts the time; an older timer must not hide it early.
  const int serial = l->property("serial").toInt() + 1;
  l->setProperty("serial", serial);
  QPointer<QLabel> guard(l);
  QTimer::singleShot(g_noticeMs, l, [guard, serial] {
    if (guard && guard->property("serial").toInt() == serial) guard->hide();
  });
}

QString VisibleNotice(const QWidget* window) {
  auto* l = window->findChild<QLabel*>(QLatin1String(kNoticeName), Qt::FindDirectChildrenOnly);
  return l && l->isVisible() ? l->text() : QString();
}

void SetNoticeMs(int ms) { g_noticeMs = ms; }

}  // namespace lk
