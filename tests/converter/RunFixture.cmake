cmake_minimum_required(VERSION 3.25)
# Runs the converter on one fixture and compares its output byte for byte.
set(base ${FIXTURES}/${NAME})
if(NOT DEFINED INPUT)
  set(INPUT ${base}.input)
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

set(arguments)
if(EXISTS ${base}.prm)
  list(APPEND arguments "-p${base}.prm")
endif()
if(EXISTS ${base}.args)
  file(STRINGS ${base}.args extra)
  foreach(argument IN LISTS extra)
    string(REPLACE "@FIXTURES@" "${FIXTURES}" argument "${argument}")
    list(APPEND arguments "${argument}")
  endforeach()
endif()

execute_process(
  COMMAND ${CONVERTER} ${arguments}
  INPUT_FILE ${INPUT}
  OUTPUT_FILE ${WORK}/stdout
  ERROR_FILE ${WORK}/stderr
  RESULT_VARIABLE status)

if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}, expected 0")
endif()
file(SIZE ${WORK}/stderr stderr_size)
if(NOT stderr_size EQUAL 0)
  message(FATAL_ERROR "standard error is not empty")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/stdout ${base}.expected
                RESULT_VARIABLE differs)
if(differs)
  file(READ ${WORK}/stdout got HEX)
  file(READ ${base}.expected want HEX)
  message(FATAL_ERROR "output differs\n got:  ${got}\n want: ${want}")
endif()
