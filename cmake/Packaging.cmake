# The Debian package of the whole suite (./lessons package): every program
# with its desktop entry, icon and manual page, the licence as the package's
# copyright file, the changelog and the AppStream data.  The fonts the
# lessons draw with are dependencies, so the formulas look the same on a
# fresh system.  Licence, changelog and AppStream data install with
# `cmake --install` too.
set(LESSONS_HOMEPAGE "https://github.com/lessonsuite/lessons"
    CACHE STRING "Where the suite is published; the AppStream screenshots are read from its docs/")
set(LESSONS_MAINTAINER "The lessons authors <lessons-maintainers@users.noreply.github.com>")
set(LESSONS_APPSTREAM_ID "io.github.lessonsuite.lessons")
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(staged ${PROJECT_BINARY_DIR}/packaging)

# debian/copyright in the machine-readable format, the licence text taken
# from LICENSE (indented, empty lines as " .").
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE licence_lines)
set(LESSONS_LICENCE_TEXT "")
set(in_text OFF)
foreach(line IN LISTS licence_lines)
  if(line MATCHES "^Permission")
    set(in_text ON)
  endif()
  if(in_text)
    if(line STREQUAL "")
      set(line ".")
    endif()
    string(APPEND LESSONS_LICENCE_TEXT " ${line}\n")
  endif()
endforeach()
string(STRIP "${LESSONS_LICENCE_TEXT}" LESSONS_LICENCE_TEXT)
set(LESSONS_LICENCE_TEXT " ${LESSONS_LICENCE_TEXT}")
configure_file(${packaging}/copyright.in ${staged}/copyright @ONLY)
execute_process(COMMAND gzip -9n -c ${packaging}/changelog OUTPUT_FILE ${staged}/changelog.gz)
configure_file(${packaging}/changelog ${staged}/changelog.stamp COPYONLY)  # re-run on a new entry
install(FILES ${staged}/copyright ${staged}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# AppStream: the suite as one component, launched by the launcher's entry,
# providing every program, with screenshots from docs/.
set(screenshots
    "lessonshelf.png|The launcher with the thirteen lessons|レッスン一覧"
    "wellstates-trials.png|The harmonic oscillator found by trial energies|試しのエネルギーで調和振動子の固有状態を探す"
    "wavesum-gibbs.png|Fourier partial sums and the Gibbs overshoot|フーリエ級数の部分和とギブス現象"
    "minimaxfit-graphs.png|Chebyshev polynomials|チェビシェフ多項式"
    "orbitspectrum-run.png|The Fourier analysis of a planet's orbit|惑星の軌道運動のフーリエ解析")
set(LESSONS_METAINFO_SCREENSHOTS "")
set(kind "default")
foreach(shot IN LISTS screenshots)
  string(REPLACE "|" ";" parts "${shot}")
  list(GET parts 0 file)
  list(GET parts 1 en)
  list(GET parts 2 ja)
  string(APPEND LESSONS_METAINFO_SCREENSHOTS
         "    <screenshot type=\"${kind}\">\n"
         "      <caption>${en}</caption>\n"
         "      <caption xml:lang=\"ja\">${ja}</caption>\n"
         "      <image>${LESSONS_HOMEPAGE}/raw/main/docs/${file}</image>\n"
         "    </screenshot>\n")
  set(kind "extra")
endforeach()
set(LESSONS_METAINFO_LESSONS "")
foreach(lesson IN LISTS LESSON_CATALOG)
  string(APPEND LESSONS_METAINFO_LESSONS
         "      <li>${LESSON_${lesson}_TITLE_EN} (${lesson}): ${LESSON_${lesson}_TOPIC_EN}</li>\n"
         "      <li xml:lang=\"ja\">${LESSON_${lesson}_TITLE} (${lesson}): ${LESSON_${lesson}_TOPIC}</li>\n")
endforeach()
get_property(programs GLOBAL PROPERTY LESSON_INSTALLED_PROGRAMS)
set(LESSONS_METAINFO_PROVIDES "")
foreach(program IN LISTS programs)
  string(APPEND LESSONS_METAINFO_PROVIDES "    <binary>${program}</binary>\n")
endforeach()
foreach(v LESSONS_METAINFO_SCREENSHOTS LESSONS_METAINFO_LESSONS LESSONS_METAINFO_PROVIDES)
  string(REGEX REPLACE "\n$" "" ${v} "${${v}}")
endforeach()
configure_file(${packaging}/lessons.metainfo.xml.in
               ${staged}/${LESSONS_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${staged}/${LESSONS_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME lessons)
set(CPACK_PACKAGE_VENDOR "The lessons authors")
set(CPACK_PACKAGE_CONTACT "${LESSONS_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese lessons of applied mathematics for physics")
set(CPACK_PACKAGE_DESCRIPTION
    "Thirteen small desktop programs that go with a textbook of applied
mathematics for physics, for students who read the book and for teachers
who show it in class. Each teaches one topic by narration and numerical
experiment, in Japanese: machine epsilon and the largest number,
Fermat's principle, a variational problem, the delta function, Fourier
series and the Gibbs phenomenon, Legendre, Hermite and Chebyshev
polynomials, the harmonic oscillator's eigenstates, the confluent
hypergeometric function with the radial wave functions of hydrogen, the
vibrating chain of atoms and Bessel functions, and the Fourier analysis
of a planet's orbit.

The launcher lessonshelf lists the lessons in the book's order and starts
them at 100, 125, 150 or 200 % for a projector. Every program has a menu
entry in English and Japanese and answers --help.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LESSONS_HOMEPAGE}")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-noto-cjk, fonts-liberation2, fonts-texgyre, fonts-dejavu-core")
# Only the programs and their files: no test or tool binaries, stripped.
set(CPACK_STRIP_FILES ON)
include(CPack)
