# Compiles the Windows program's resource script with the resource compiler
# and reads the result back: both templates with all their controls, the
# string and the icon must be there.
#   -DWINDRES=... -DRESOURCES=<frontend/resources> -DSCRIPT=<the .rc> -DWORK=<dir>
file(MAKE_DIRECTORY ${WORK})
execute_process(
  COMMAND ${WINDRES} -c 65001 -I ${RESOURCES} -i ${SCRIPT} -O res -o ${WORK}/templates.res
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the resource compiler refused the templates:\n${errors}")
endif()
execute_process(
  COMMAND ${WINDRES} -i ${WORK}/templates.res -O rc
  RESULT_VARIABLE status OUTPUT_VARIABLE script ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot read the compiled resources back:\n${errors}")
endif()
# The list: drop-down, no integral height, vertical scroll bar, tab stop.
# The font: Shift-JIS character set.
foreach(expected "102 DIALOGEX" "100 DIALOGEX" "STRINGTABLE" "DEFPUSHBUTTON L\"\\x507d\\x6a19\\x6e96\", 1015"
                 "EDITTEXT 1027" "COMBOBOX 1016, 70, 98, 235, 70, 0x50210403" "ICON 128, -1, 11, 17"
                 "\\x30b4\\x30b7\\x30c3\\x30af\", 0, 0, 128" "128 14 /* RT_GROUP_ICON */")
  string(FIND "${script}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing from the compiled resources: ${expected}\n${script}")
  endif()
endforeach()
string(REGEX MATCHALL "\n  [A-Z]+ " statements "${script}")
list(LENGTH statements count)
# 39 controls in template 102, 4 in template 100.
if(NOT count EQUAL 43)
  message(FATAL_ERROR "expected 43 controls, found ${count}:\n${script}")
endif()
