// The launcher: the lessons in the book's order, which ones this build has,
// starting one as its own program at the chosen display size, and fitting a
// small screen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "catalog.h"
#include "screen.h"
#include "shelfwindow.h"

namespace {

// A folder laid out like the build tree, with programs for some lessons, and
// the launcher's remembered settings kept in a folder of the test's own.
struct FakeBuild {
  QTemporaryDir root;
  QString launcherDir;
  explicit FakeBuild(const QStringList& built) {
    static QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QDir(root.path()).mkpath(QStringLiteral("lessonshelf"));
    launcherDir = root.filePath(QStringLiteral("lessonshelf"));
    for (const QString& name : built) {
      QDir(root.path()).mkpath(name);
      QFile f(root.filePath(name + QLatin1Char('/') + name));
      f.open(QIODevice::WriteOnly);
      f.write("#!/bin/sh\n");
      f.close();
      f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
  }
};

// What the launcher asked to start.
struct Started {
  QString program;
  QStringList arguments;
  QString scale;  // QT_SCALE_FACTOR, "-" when not set
};

// Records the starts instead of starting, and runs the launcher's clock by hand.
struct Recorder {
  std::vector<Started> started;
  qint64 now = 100000;
  explicit Recorder(ShelfWindow& w) {
    w.start = [this](const QString& program, const QStringList& args, const QProcessEnvironment& env) {
      started.push_back({program, args, env.value(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("-"))});
      return true;
    };
    w.clock = [this] { return now; };
  }
};

bool Inside(const QWidget* child, const QWidget* window) {
  return child->isVisible() && child->height() > 0 &&
         window->rect().contains(QRect(child->mapTo(window, QPoint(0, 0)), child->size()));
}

}  // namespace

TEST(LessonshelfWindow, ListsTheThirteenLessonsInTheBooksOrder) {
  // The order in which the book presents its topics.
  const QStringList book = {"unitround", "toplimit", "lightpath", "shortcurve", "spikelimit",
                            "wavesum", "zonalpoly", "wellstates", "wellbasis", "minimaxfit",
                            "radialwave", "springchain", "orbitspectrum"};
  FakeBuild build({});
  ShelfWindow w(build.launcherDir);
  ASSERT_EQ(w.list()->count(), 13);
  for (int i = 0; i < 13; ++i) {
    EXPECT_EQ(w.list()->item(i)->toolTip(), book[i]);
    EXPECT_TRUE(w.list()->item(i)->text().startsWith(QString::number(i + 1) + QStringLiteral(".  ")));
    EXPECT_FALSE(lk::Lessons()[std::size_t(i)].title.isEmpty());
    EXPECT_FALSE(lk::Lessons()[std::size_t(i)].windowSize.isEmpty()) << book[i].toStdString();
  }
  EXPECT_TRUE(w.list()->item(7)->text().contains(QStringLiteral("66-73 ページ")));
}

TEST(LessonshelfWindow, MarksTheBuiltOnesAndStartsOnlyThem) {
  FakeBuild build({"zonalpoly", "wellstates"});
  ShelfWindow w(build.launcherDir);
  Recorder rec(w);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(w.isBuilt(i), i == 6 || i == 7) << i;
  // Greyed, not hidden.
  EXPECT_NE(w.list()->item(0)->foreground().color(), w.list()->item(6)->foreground().color());
  EXPECT_TRUE(w.list()->item(0)->text().contains(QStringLiteral("このビルドにはありません")));

  w.show();
  // Arrows and Enter: down to wellstates (row 7) from the first row.
  w.list()->setFocus();
  for (int i = 0; i < 7; ++i) QTest::keyClick(w.list(), Qt::Key_Down);
  QTest::keyClick(w.list(), Qt::Key_Return);
  ASSERT_EQ(rec.started.size(), 1u);
  EXPECT_EQ(QFileInfo(rec.started[0].program).canonicalFilePath(),
            QFileInfo(build.root.filePath(QStringLiteral("wellstates/wellstates"))).canonicalFilePath());
  EXPECT_TRUE(w.status().contains(QStringLiteral("起動しました")));

  // A lesson not built: nothing starts, and the learner is told.
  QTest::keyClick(w.list(), Qt::Key_Up);
  QTest::keyClick(w.list(), Qt::Key_Up);
  QTest::keyClick(w.list(), Qt::Key_Up);  // row 4
  QTest::keyClick(w.list(), Qt::Key_Return);
  EXPECT_EQ(rec.started.size(), 1u);
  EXPECT_TRUE(w.status().contains(QStringLiteral("まだありません")));
  // The greyed rows, the chosen one and the status line as the screen shows them.
  EXPECT_SCREEN(&w, "after a lesson not built was chosen");

  // A double click starts zonalpoly; the launcher stays and can start another.
  const QRect r = w.list()->visualItemRect(w.list()->item(6));
  QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  EXPECT_EQ(rec.started.size(), 1u);  // one click only chooses
  QTest::mouseDClick(w.list()->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  ASSERT_EQ(rec.started.size(), 2u);
  EXPECT_TRUE(rec.started[1].program.endsWith(QStringLiteral("zonalpoly/zonalpoly")));
  EXPECT_TRUE(w.isVisible());
  EXPECT_SCREEN(&w, "after a double click");
}

TEST(LessonshelfWindow, StartsALessonOnceForEnterPressedTwiceQuickly) {
  FakeBuild build({"zonalpoly", "wellstates"});
  ShelfWindow w(build.launcherDir);
  Recorder rec(w);
  w.show();
  w.list()->setFocus();
  w.list()->setCurrentRow(7);
  QTest::keyClick(w.list(), Qt::Key_Return);
  rec.now += 300;
  QTest::keyClick(w.list(), Qt::Key_Return);
  rec.now += 699;  // 999 ms after the start
  EXPECT_FALSE(w.startRow(7));
  EXPECT_EQ(rec.started.size(), 1u);
  EXPECT_TRUE(w.startRow(6));  // another lesson at once is another wish
  rec.now += 1;                // a second after the first start of wellstates
  EXPECT_TRUE(w.startRow(7));
  EXPECT_EQ(rec.started.size(), 3u);
}

TEST(LessonshelfWindow, FitsA1024By768ScreenShowsTheSuiteKeysAndClosesOnEscOrCtrlQ) {
  FakeBuild build({"orbitspectrum"});
  for (const QKeySequence& closeKey : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_Q)}) {
    ShelfWindow w(build.launcherDir);
    const QRect screen(0, 0, 1024, 768);
    w.screenArea = [&] { return screen; };
    w.fitToScreen();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_TRUE(screen.contains(w.frameGeometry())) << w.frameGeometry().height();
    EXPECT_LE(w.height() + 48, 768);
    // Status line, keys line and the size choice are all in the window...
    for (const char* name : {"QLabel", "QComboBox"}) {
      for (QWidget* child : w.findChildren<QWidget*>()) {
        if (child->inherits(name)) {
          EXPECT_TRUE(Inside(child, &w)) << name;
        }
      }
    }
    // ...and the last lesson is reached by scrolling the list.
    QListWidgetItem* last = w.list()->item(12);
    w.list()->scrollToItem(last);
    EXPECT_TRUE(w.list()->viewport()->rect().contains(w.list()->visualItemRect(last)));
    for (const char* key : {"F9", "F10", "F11", "F12", "F8"})
      EXPECT_TRUE(w.keysLine().contains(QLatin1String(key))) << key;

    QTest::keySequence(w.list(), closeKey);
    EXPECT_FALSE(w.isVisible()) << closeKey.toString().toStdString();
  }
}

TEST(LessonshelfWindow, StartsLessonsAtTheChosenSizeOrTheLargestThatFitsAndRemembersIt) {
  FakeBuild build({"zonalpoly", "wellstates"});
  struct Case {
    int row;          // 6 zonalpoly 794 x 568, 7 wellstates 1018 x 736 (pixels at 100 %)
    double chosen;
    QSize screen;
    const char* scale;  // QT_SCALE_FACTOR given to the lesson
    const char* told;   // in the status line
  };
  const Case cases[] = {
      {7, 1.25, {1920, 1080}, "1.25", "を起動しました"},
      {7, 1.0, {1920, 1080}, "-", "を起動しました"},
      {6, 2.0, {1920, 1080}, "1.5", "200 % では画面に入らないので，150 % で起動しました"},
      {7, 2.0, {1920, 1080}, "1.25", "200 % では画面に入らないので，125 % で起動しました"},
      {7, 1.5, {1024, 768}, "-", "150 % では画面に入らないので，100 % で起動しました"},
  };
  for (const Case& c : cases) {
    ShelfWindow w(build.launcherDir);
    Recorder rec(w);
    w.screenArea = [&] { return QRect(QPoint(), c.screen); };
    w.lessonArguments = {QStringLiteral("--speed"), QStringLiteral("2")};
    w.findChild<QComboBox*>()->setCurrentIndex(
        w.findChild<QComboBox*>()->findText(QString::number(qRound(c.chosen * 100)) + QStringLiteral(" %")));
    ASSERT_DOUBLE_EQ(w.scale(), c.chosen);
    ASSERT_TRUE(w.startRow(c.row));
    ASSERT_EQ(rec.started.size(), 1u);
    EXPECT_EQ(rec.started[0].scale, QLatin1String(c.scale)) << c.row << " " << c.chosen;
    EXPECT_EQ(rec.started[0].arguments, w.lessonArguments);
    EXPECT_TRUE(w.status().contains(QString::fromUtf8(c.told))) << w.status().toStdString();
  }
  // The last choice is there at the next start of the launcher.
  ShelfWindow again(build.launcherDir);
  EXPECT_DOUBLE_EQ(again.scale(), 1.5);
}

TEST(LessonshelfWindow, FindsAnInstalledProgramBesideIt) {
  QTemporaryDir bin;
  QFile f(bin.filePath(QStringLiteral("wavesum")));
  f.open(QIODevice::WriteOnly);
  f.close();
  EXPECT_EQ(LocateLesson(QStringLiteral("wavesum"), bin.path()), QString());  // not executable
  f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
  EXPECT_EQ(LocateLesson(QStringLiteral("wavesum"), bin.path()), QFileInfo(f).canonicalFilePath());
}
