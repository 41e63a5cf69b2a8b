# The Debian package of the whole suite (./lessons package): every program,
# its desktop entry and icon.  The fonts the lessons draw with are
# dependencies, so the formulas look the same on a fresh system.
set(CPACK_PACKAGE_NAME lessons)
set(CPACK_PACKAGE_VENDOR "lessons")
set(CPACK_PACKAGE_CONTACT "lessons <lessons@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lesson programs of applied mathematics for physics")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-noto-cjk, fonts-liberation2, fonts-texgyre, fonts-dejavu-core")
# Only the programs and their desktop files: no test or tool binaries.
set(CPACK_STRIP_FILES ON)
include(CPack)
