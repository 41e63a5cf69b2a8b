# Helpers shared by the toolkit and the lesson directories.

# lesson_core(<name> SOURCES ...): a lesson's numerical core.  It must not see
# Qt, so it links only the Qt-free half of the toolkit.
function(lesson_core name)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC lessonkit_math)
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()

# lesson_program(<name> SOURCES ... LIBS ...): a lesson executable with its
# desktop entry.
function(lesson_program name)
  cmake_parse_arguments(ARG "" "TITLE" "SOURCES;LIBS" ${ARGN})
  qt_add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE lessonkit ${ARG_LIBS})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(NOT ARG_TITLE)
    set(ARG_TITLE ${name})
  endif()
  set(LESSON_NAME ${name})
  set(LESSON_TITLE ${ARG_TITLE})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/lesson.desktop.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${name}.desktop @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endfunction()

# lesson_test(<name> SOURCES ... LIBS ... [QT]): a GoogleTest binary.  With QT
# it gets the toolkit's test main, which starts a headless QApplication.
function(lesson_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} lessonkit_testmain)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()

# lesson_desktop_test(<program> CAPTION <text> [KEYS <xdotool keys>...]
#                     [PROMPT <a> <b>] [END Escape|close]): the program started
# as its own process under a private X server with a window manager and driven
# with xdotool: its exact caption, where its first prompt or dialog appears
# (after KEYS, at main left + a*width, top + b*height), that the prompt moves
# with the window, and a clean end with exit code 0.  Label "desktop".
function(lesson_desktop_test name)
  cmake_parse_arguments(ARG "" "CAPTION;END" "KEYS;PROMPT" ${ARGN})
  if(NOT ARG_END)
    set(ARG_END Escape)
  endif()
  set(a -)
  set(b -)
  if(ARG_PROMPT)
    list(GET ARG_PROMPT 0 a)
    list(GET ARG_PROMPT 1 b)
  endif()
  string(REPLACE ";" " " keys "${ARG_KEYS}")
  add_test(NAME desktop.${name}
           COMMAND bash ${PROJECT_SOURCE_DIR}/lessonkit/tools/desktop-test.sh
                   $<TARGET_FILE:${name}> "${ARG_CAPTION}" "${keys}" ${a} ${b} ${ARG_END})
  set_tests_properties(desktop.${name} PROPERTIES LABELS desktop TIMEOUT 120)
endfunction()
