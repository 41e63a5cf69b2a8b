add_library(lessonkit STATIC
  src/fonts.cpp src/fonts.h
  src/surface.cpp src/surface.h src/textwatch.cpp
  src/dspcommon.cpp src/dspcommon.h
  src/program.cpp src/program.h
  src/sounds.cpp src/sounds.h
  src/widgets.cpp src/widgets.h
  src/lessonwindow.cpp src/lessonwindow.h
  src/precisionwindow.cpp src/precisionwindow.h
  src/dialogs.cpp src/dialogs.h
  src/suitekeys.cpp src/suitekeys.h
  src/layout.cpp src/layout.h
  src/entry.cpp src/entry.h
  src/catalog.cpp src/catalog.h
)
# The catalogue of the suite's programs, from cmake/LessonCatalog.cmake.
lesson_catalog_source(${CMAKE_CURRENT_BINARY_DIR}/lessoncatalog.inc)
target_include_directories(lessonkit PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/src
                           PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(lessonkit PUBLIC lessonkit_math Qt6::Widgets Qt6::Multimedia)
lesson_precompiled_headers(lessonkit OWN ${LESSON_QT_HEADERS})

# Test support: the test main, the random-input driver, the screen check and
# the dialogs' memory check.
if(BUILD_TESTING)
  # Qt Test without the directory of each test in its definitions (they serve
  # QFINDTESTDATA, which no test uses): every window test then compiles with
  # the same definitions and reuses the test main's precompiled headers.
  add_library(lessonkit_qttest INTERFACE)
  target_link_libraries(lessonkit_qttest INTERFACE $<LINK_ONLY:Qt6::Test>)
  target_include_directories(lessonkit_qttest SYSTEM INTERFACE
                             $<TARGET_PROPERTY:Qt6::Test,INTERFACE_INCLUDE_DIRECTORIES>)
  target_compile_definitions(lessonkit_qttest INTERFACE QT_TESTLIB_LIB)

  add_library(lessonkit_testmain STATIC testsupport/testmain.cpp testsupport/learner.cpp testsupport/learner.h
              testsupport/screen.cpp testsupport/screen.h
              testsupport/looks.cpp testsupport/looks.h
              testsupport/memorycheck.cpp testsupport/memorycheck.h)
  target_include_directories(lessonkit_testmain PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/testsupport)
  target_link_libraries(lessonkit_testmain PUBLIC lessonkit lessonkit_qttest GTest::gtest)
  lesson_precompiled_headers(lessonkit_testmain OWN ${LESSON_QT_HEADERS} <QTest> <gtest/gtest.h>)
endif()

add_executable(lessonkit_specimen tools/specimen.cpp)
target_link_libraries(lessonkit_specimen PRIVATE lessonkit)
lesson_precompiled_headers(lessonkit_specimen)

add_executable(lessonkit_dialogdemo tools/dialogdemo.cpp)
target_link_libraries(lessonkit_dialogdemo PRIVATE lessonkit)
lesson_precompiled_headers(lessonkit_dialogdemo)
lesson_desktop_test(lessonkit_dialogdemo CAPTION " 入力ダイアログの見本" PROMPT 0.1 0.92)
