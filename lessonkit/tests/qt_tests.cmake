lesson_test(lessonkit_qt_tests QT
  SOURCES printers_test.cpp surface_test.cpp frame_test.cpp dialogs_test.cpp suite_test.cpp
          random_test.cpp
  LIBS lessonkit)
