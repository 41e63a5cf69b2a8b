# Helpers shared by the toolkit and the lesson directories.

include(LessonCatalog)

# A catalogue text as groff reads it: a hyphen would be taken for a break
# point, a minus is what the reader means in keys and options.
function(_lesson_groff out text)
  string(REPLACE "-" "\\-" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The keys of a catalogue list ("keys|Japanese|English" lines) as a groff
# list: the keys in bold, then what they do in Japanese and in English.
function(_lesson_man_keys out)
  set(text "")
  foreach(line IN LISTS ARGN)
    string(REPLACE "|" ";" parts "${line}")
    list(GET parts 0 keys)
    list(GET parts 1 ja)
    list(GET parts 2 en)
    _lesson_groff(keys "${keys}")
    _lesson_groff(en "${en}")
    string(APPEND text ".TP\n.B ${keys}\n${ja}\n.br\n${en}\n")
  endforeach()
  string(STRIP "${text}" text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The manual page of a program, from the catalogue and cmake/lesson.1.in,
# compressed as Debian wants it (gzip -9, no name or time stamp).
function(_lesson_manual_page name)
  string(TOUPPER "${name}" MAN_UPPER)
  set(LESSON_NAME ${name})
  set(pages "")
  if(LESSON_${name}_PAGES_EN)
    set(pages " (${LESSON_${name}_PAGES_EN})")
  endif()
  _lesson_groff(MAN_SUMMARY "${LESSON_${name}_TITLE_EN}: ${LESSON_${name}_TOPIC_EN}")
  if(LESSON_${name}_SIZE)
    _lesson_groff(topic "${LESSON_${name}_TOPIC_EN}${pages}")
    set(MAN_DESCRIPTION "\\fB${name}\\fR is one of the thirteen lesson programs that go with a
textbook of applied mathematics for physics.
Its topic: ${topic}.
Its title in Japanese is \\(lq${LESSON_${name}_TITLE}\\(rq.
.PP
Like every lesson it writes its explanation in Japanese onto its window piece
by piece, with formulas set as in print, pauses for a key, asks for numbers,
computes, and draws graphs and small animations at a steady pace.
Start it from the desktop menu, from the launcher
\\fBlessonshelf\\fR(1), or from a terminal.")
    set(MAN_SPEED "Runs the lesson's clock X times as fast (default 1): curves, animations and
prompt time\\-outs follow it.")
    set(MAN_SEE_ALSO ".BR lessonshelf (1)")
  else()
    set(MAN_DESCRIPTION "\\fB${name}\\fR lists the thirteen lesson programs of the suite in the order of
the book, with title, topic, pages and a small picture each, and starts the
chosen one as its own program; lessons not installed are greyed.
.PP
Its display size choice (100, 125, 150 or 200 %) starts the lessons larger,
for a projector or for small text; a lesson that would not fit the screen at
the chosen size starts at the largest size that fits, and the launcher says
so.
The choice is remembered.")
    set(MAN_SPEED "Passes \\-\\-speed X on to every lesson it starts.")
    set(MAN_SEE_ALSO "")
    foreach(lesson IN LISTS LESSON_CATALOG)
      string(APPEND MAN_SEE_ALSO ".BR ${lesson} (1)\n")
    endforeach()
    string(STRIP "${MAN_SEE_ALSO}" MAN_SEE_ALSO)
  endif()
  _lesson_man_keys(MAN_KEYS ${LESSON_${name}_KEYS})
  _lesson_man_keys(MAN_SUITE_KEYS ${LESSON_SUITE_KEYS})
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${name}.1)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/lesson.1.in ${page} @ONLY)
  execute_process(COMMAND gzip -9n -c ${page} OUTPUT_FILE ${page}.gz RESULT_VARIABLE rc)
  if(rc)
    message(FATAL_ERROR "gzip of ${page} failed")
  endif()
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

# lesson_desktop_files(<name> [TITLE <fallback>]): the program's desktop entry
# (English with Japanese forms), icon and manual page, made from the
# catalogue, installed with it.  Every program that has them is recorded in
# the global property LESSON_INSTALLED_PROGRAMS.
function(lesson_desktop_files name)
  cmake_parse_arguments(ARG "" "TITLE" "" ${ARGN})
  set(DESKTOP_NAME "${LESSON_${name}_TITLE}")
  if(NOT DESKTOP_NAME)
    set(DESKTOP_NAME "${ARG_TITLE}")
  endif()
  string(STRIP "${DESKTOP_NAME}" DESKTOP_NAME)
  set(DESKTOP_NAME_EN "${LESSON_${name}_TITLE_EN}")
  if(NOT DESKTOP_NAME_EN)
    set(DESKTOP_NAME_EN "${name}")
  endif()
  # The comment: the topic and the pages, in Japanese ("") and in English.
  foreach(lang IN ITEMS "" _EN)
    set(DESKTOP_COMMENT${lang} "${LESSON_${name}_TOPIC${lang}}")
    if(NOT DESKTOP_COMMENT${lang})
      set(DESKTOP_COMMENT${lang} "${DESKTOP_NAME${lang}}")
    endif()
    if(LESSON_${name}_PAGES${lang})
      string(APPEND DESKTOP_COMMENT${lang} " (${LESSON_${name}_PAGES${lang}})")
    endif()
  endforeach()
  foreach(lang EN JA)
    set(DESKTOP_GENERIC_${lang} "${LESSONS_GENERIC_NAME_${lang}}")
    if(LESSON_${name}_GENERIC_${lang})
      set(DESKTOP_GENERIC_${lang} "${LESSON_${name}_GENERIC_${lang}}")
    endif()
    set(words ${LESSONS_KEYWORDS_${lang}} ${LESSON_${name}_KEYWORDS_${lang}})
    list(JOIN words ";" DESKTOP_KEYWORDS_${lang})
    string(APPEND DESKTOP_KEYWORDS_${lang} ";")
  endforeach()
  set(DESKTOP_ICON lessons-${name})
  set(ICON_COLOR "${LESSON_${name}_COLOR}")
  set(ICON_CURVE "${LESSON_${name}_CURVE}")
  if(NOT ICON_COLOR)
    set(ICON_COLOR "#406080")
  endif()
  set(LESSON_NAME ${name})
  set(entry ${CMAKE_CURRENT_BINARY_DIR}/lessons-${name}.desktop)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/lesson.desktop.in ${entry} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/lesson-icon.svg.in
                 ${CMAKE_CURRENT_BINARY_DIR}/lessons-${name}.svg @ONLY)
  # Exec names the program in the prefix it is installed to, known only then.
  install(CODE "set(ENTRY_TEMPLATE \"${entry}\")
                set(ENTRY_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
                set(ENTRY_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
                set(ENTRY_STAGE \"${CMAKE_CURRENT_BINARY_DIR}/installed\")
                include(\"${PROJECT_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake\")")
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lessons-${name}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  _lesson_manual_page(${name})
  set_property(GLOBAL APPEND PROPERTY LESSON_INSTALLED_PROGRAMS ${name})
endfunction()

# lesson_catalog_source(<file>): the catalogue as C++ initialisers for the
# toolkit, which answers --help, names each window's desktop entry, draws its
# icon and gives the launcher its list: one RawProgram per lesson in the
# book's order, then the launcher, and the suite's keys.  Key lines are
# joined with newlines.
function(lesson_catalog_source out)
  set(text "// Made by cmake/LessonTargets.cmake from cmake/LessonCatalog.cmake.\n")
  string(APPEND text "static const RawProgram kPrograms[] = {\n")
  foreach(name IN LISTS LESSON_CATALOG ITEMS lessonshelf)
    set(w 0)
    set(h 0)
    if(LESSON_${name}_SIZE)
      list(GET LESSON_${name}_SIZE 0 w)
      list(GET LESSON_${name}_SIZE 1 h)
    endif()
    list(JOIN LESSON_${name}_KEYS "\\n" keys)
    string(APPEND text "    {\"${name}\", \"${LESSON_${name}_TITLE}\", \"${LESSON_${name}_TITLE_EN}\",\n"
                       "     \"${LESSON_${name}_TOPIC}\", \"${LESSON_${name}_TOPIC_EN}\",\n"
                       "     \"${LESSON_${name}_PAGES}\", \"${LESSON_${name}_PAGES_EN}\", ${w}, ${h},\n"
                       "     \"${keys}\",\n"
                       "     \"${LESSON_${name}_COLOR}\", \"${LESSON_${name}_CURVE}\"},\n")
  endforeach()
  list(JOIN LESSON_SUITE_KEYS "\\n" keys)
  string(APPEND text "};\nstatic const char kSuiteKeys[] = \"${keys}\";\n"
                     "static const char kSuiteVersion[] = \"${PROJECT_VERSION}\";\n")
  file(CONFIGURE OUTPUT ${out} CONTENT "${text}" @ONLY)
endfunction()

# Precompiled headers.  Qt's headers cost every window, program and window
# test a few seconds of parsing; they are parsed once for the toolkit and once
# for its test main, and every other target with the same flags reuses that.
# Off (-DLESSONS_PCH=OFF) to check that each file includes what it uses.
option(LESSONS_PCH "Reuse precompiled Qt, GoogleTest and standard headers" ON)
set(LESSON_STD_HEADERS <algorithm> <cmath> <functional> <map> <memory> <string> <vector>)
set(LESSON_QT_HEADERS ${LESSON_STD_HEADERS} <QApplication> <QImage> <QKeyEvent> <QLabel> <QLineEdit>
    <QMouseEvent> <QPainter> <QPushButton> <QRadioButton> <QScrollBar> <QString> <QTimer> <QWidget>)
set(LESSON_GTEST_HEADERS ${LESSON_STD_HEADERS} <gtest/gtest.h>)

# lesson_precompiled_headers(<target> [OWN <headers>...] [FROM <owner>]): the
# target precompiles its own headers (OWN), or reuses those of <owner>
# (default lessonkit, the Qt headers).
function(lesson_precompiled_headers target)
  cmake_parse_arguments(ARG "" "FROM" "OWN" ${ARGN})
  if(NOT LESSONS_PCH)
    return()
  endif()
  if(ARG_OWN)
    target_precompile_headers(${target} PRIVATE ${ARG_OWN})
  else()
    if(NOT ARG_FROM)
      set(ARG_FROM lessonkit)
    endif()
    target_precompile_headers(${target} REUSE_FROM ${ARG_FROM})
  endif()
endfunction()

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
  lesson_precompiled_headers(${name})
  # Relocations resolved at start and then made read-only (Debian's hardening).
  target_link_options(${name} PRIVATE LINKER:-z,relro LINKER:-z,now)
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # A stripped install (CPack, cmake --install --strip) also drops the
  # compiler's notes, which only a debugger would read.
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
                  execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${name}\")
                endif()")
  if(NOT ARG_TITLE)
    set(ARG_TITLE ${name})
  endif()
  lesson_desktop_files(${name} TITLE "${ARG_TITLE}")
endfunction()

# lesson_test(<name> SOURCES ... LIBS ... [QT] [PRECOMPILE <headers>...]): a
# GoogleTest binary.  With QT it gets the toolkit's test main, which starts a
# headless QApplication.  Its precompiled headers are those of the toolkit's
# test main (QT) or of the toolkit's own number tests, unless it names its
# own (PRECOMPILE).  A test compiled with flags of its own sets
# DISABLE_PRECOMPILE_HEADERS: precompiled headers serve only equal flags.
function(lesson_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS;PRECOMPILE" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} lessonkit_testmain)
    set(pch FROM lessonkit_testmain)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    set(pch FROM lessonkit_math_tests)
  endif()
  if(ARG_PRECOMPILE)
    set(pch OWN ${ARG_PRECOMPILE})
  endif()
  lesson_precompiled_headers(${name} ${pch})
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
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(ARG "NO_SUITE_KEYS" "CAPTION;END" "KEYS;PROMPT" ${ARGN})
  set(screen compare)
  if(ARG_NO_SUITE_KEYS)
    set(screen -)
  endif()
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
                   $<TARGET_FILE:${name}> "${ARG_CAPTION}" "${keys}" ${a} ${b} ${ARG_END}
                   ${screen})
  set_tests_properties(desktop.${name} PROPERTIES LABELS desktop TIMEOUT 120)
endfunction()

# lesson(<name> TITLE <caption> CORE <sources>...
#        [WINDOW <sources>...] [CORE_TESTS <sources>...] [WINDOW_TESTS <sources>...]
#        [KEYS <xdotool keys>...] [PROMPT <a> <b>] [END Escape|close]): a whole
# lesson from its name, the caption of its window and its sources:
#   <name>_core          the numerical core (CORE), without Qt
#   <name>_window        the window (WINDOW, default mainwindow.cpp), shared by
#                        the program and its tests
#   <name>               the program (main.cpp) with its desktop files
#   desktop.<name>       the desktop test: the caption, and KEYS, PROMPT, END
#                        as lesson_desktop_test takes them
#   <name>_core_tests    CORE_TESTS, default tests/<source>_test.cpp for each
#                        core source, without Qt
#   <name>_window_tests  WINDOW_TESTS, default tests/window_test.cpp
function(lesson name)
  cmake_parse_arguments(ARG "" "TITLE;END" "CORE;WINDOW;CORE_TESTS;WINDOW_TESTS;KEYS;PROMPT" ${ARGN})
  if(NOT ARG_WINDOW)
    set(ARG_WINDOW mainwindow.cpp mainwindow.h)
  endif()
  if(NOT ARG_CORE_TESTS)
    foreach(source IN LISTS ARG_CORE)
      get_filename_component(stem ${source} NAME_WE)
      list(APPEND ARG_CORE_TESTS tests/${stem}_test.cpp)
    endforeach()
  endif()
  if(NOT ARG_WINDOW_TESTS)
    set(ARG_WINDOW_TESTS tests/window_test.cpp)
  endif()

  lesson_core(${name}_core SOURCES ${ARG_CORE})
  if(BUILD_TESTING)
    lesson_test(${name}_core_tests SOURCES ${ARG_CORE_TESTS} LIBS ${name}_core)
  endif()
  if(NOT TARGET lessonkit)
    return()
  endif()

  add_library(${name}_window STATIC ${ARG_WINDOW})
  target_link_libraries(${name}_window PUBLIC lessonkit ${name}_core)
  lesson_precompiled_headers(${name}_window)
  lesson_program(${name} TITLE "${ARG_TITLE}" SOURCES main.cpp LIBS ${name}_window)
  set(desktop CAPTION "${ARG_TITLE}")
  foreach(option IN ITEMS KEYS PROMPT END)
    if(ARG_${option})
      list(APPEND desktop ${option} ${ARG_${option}})
    endif()
  endforeach()
  lesson_desktop_test(${name} ${desktop})
  if(BUILD_TESTING)
    lesson_test(${name}_window_tests QT SOURCES ${ARG_WINDOW_TESTS} LIBS ${name}_window)
  endif()
endfunction()
