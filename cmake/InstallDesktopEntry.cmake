# Runs at install time: writes a program's desktop entry with Exec pointing
# into the prefix it is installed to (which is known only now, since
# `cmake --install --prefix` and CPack choose it), so the entry starts the
# program even where the prefix's bin folder is not on PATH.
#   ENTRY_TEMPLATE  the configured entry with %BINDIR% left open
#   ENTRY_BINDIR    the bin folder relative to the prefix
#   ENTRY_DATADIR   the data folder relative to the prefix
#   ENTRY_STAGE     a folder of the build tree to write the finished entry in
get_filename_component(entry_name "${ENTRY_TEMPLATE}" NAME)
file(READ "${ENTRY_TEMPLATE}" entry)
string(REPLACE "%BINDIR%" "${CMAKE_INSTALL_PREFIX}/${ENTRY_BINDIR}" entry "${entry}")
file(WRITE "${ENTRY_STAGE}/${entry_name}" "${entry}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${ENTRY_DATADIR}/applications" TYPE FILE
     FILES "${ENTRY_STAGE}/${entry_name}")
