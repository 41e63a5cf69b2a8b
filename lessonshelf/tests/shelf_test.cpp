// The launcher: the lessons in the book's order, which ones this build has,
// and starting one as its own program.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "shelfwindow.h"

namespace {

// A folder laid out like the build tree, with programs for some lessons.
struct FakeBuild {
  QTemporaryDir root;
  QString launcherDir;
  explicit FakeBuild(const QStringList& built) {
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
    EXPECT_FALSE(Catalog()[std::size_t(i)].title.isEmpty());
  }
  EXPECT_TRUE(w.list()->item(7)->text().contains(QStringLiteral("66-73 ページ")));
}

TEST(LessonshelfWindow, MarksTheBuiltOnesAndStartsOnlyThem) {
  FakeBuild build({"zonalpoly", "wellstates"});
  ShelfWindow w(build.launcherDir);
  QStringList started;
  w.start = [&](const QString& program) {
    started << program;
    return true;
  };
  for (int i = 0; i < 13; ++i) EXPECT_EQ(w.isBuilt(i), i == 6 || i == 7) << i;
  // Greyed, not hidden.
  EXPECT_NE(w.list()->item(0)->foreground().color(), w.list()->item(6)->foreground().color());
  EXPECT_TRUE(w.list()->item(0)->text().contains(QStringLiteral("このビルドにはありません")));

  w.show();
  // Arrows and Enter: down to wellstates (row 7) from the first row.
  w.list()->setFocus();
  for (int i = 0; i < 7; ++i) QTest::keyClick(w.list(), Qt::Key_Down);
  QTest::keyClick(w.list(), Qt::Key_Return);
  ASSERT_EQ(started.size(), 1);
  EXPECT_EQ(QFileInfo(started[0]).canonicalFilePath(),
            QFileInfo(build.root.filePath(QStringLiteral("wellstates/wellstates"))).canonicalFilePath());
  EXPECT_TRUE(w.status().contains(QStringLiteral("起動しました")));

  // A lesson not built: nothing starts, and the learner is told.
  QTest::keyClick(w.list(), Qt::Key_Up);
  QTest::keyClick(w.list(), Qt::Key_Up);
  QTest::keyClick(w.list(), Qt::Key_Up);  // row 4
  QTest::keyClick(w.list(), Qt::Key_Return);
  EXPECT_EQ(started.size(), 1);
  EXPECT_TRUE(w.status().contains(QStringLiteral("まだありません")));

  // A double click starts zonalpoly; the launcher stays and can start another.
  const QRect r = w.list()->visualItemRect(w.list()->item(6));
  QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  EXPECT_EQ(started.size(), 1);  // one click only chooses
  QTest::mouseDClick(w.list()->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  ASSERT_EQ(started.size(), 2);
  EXPECT_TRUE(started[1].endsWith(QStringLiteral("zonalpoly/zonalpoly")));
  EXPECT_TRUE(w.isVisible());
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
