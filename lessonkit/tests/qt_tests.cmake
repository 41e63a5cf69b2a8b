lesson_test(lessonkit_qt_tests QT
  SOURCES printers_test.cpp
  LIBS lessonkit)
