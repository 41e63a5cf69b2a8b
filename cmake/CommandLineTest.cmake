# Every program answers --help and --version on its own, exit code 0,
# without a display (the test runs them with none), and refuses an unknown
# option with exit code 2 and a message.
#   cmake -DVERSION=<v> -P CommandLineTest.cmake <program path>...
set(failed "")
set(checked 0)
# The programs are the arguments after the script's own name.
set(programs "")
set(after_script OFF)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 0 ${last})
  if(after_script)
    list(APPEND programs "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} MATCHES "CommandLineTest.cmake$")
    set(after_script ON)
  endif()
endforeach()
foreach(program IN LISTS programs)
  get_filename_component(name "${program}" NAME)
  execute_process(COMMAND "${program}" --help RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 20)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "Usage: ${name}" OR NOT out MATCHES "F9, Pause"
     OR NOT out MATCHES "Keys of" OR NOT out MATCHES "使い方")
    list(APPEND failed "${name} --help: exit ${rc}: ${out}${err}")
  endif()
  execute_process(COMMAND "${program}" --version RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 20)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "${name} (lessons) ${VERSION}\n")
    list(APPEND failed "${name} --version: exit ${rc}: ${out}${err}")
  endif()
  execute_process(COMMAND "${program}" --no-such-option RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 20)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "--no-such-option" OR NOT out STREQUAL "")
    list(APPEND failed "${name} --no-such-option: exit ${rc}: ${out}${err}")
  endif()
  math(EXPR checked "${checked} + 1")
endforeach()
if(failed)
  list(JOIN failed "\n" text)
  message(FATAL_ERROR "${text}")
endif()
message(STATUS "answered --help, --version and a bad option: ${checked} programs")
