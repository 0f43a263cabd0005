# cmake -DBUILD_DIR=<build> -DWORK=<scratch dir> -DVALIDATE=<desktop-file-validate>
#       -P InstallCheck.cmake
# Installs the build into a scratch prefix whose name needs quoting (a
# blank, a quote, a dollar sign), as a developer or a packager would, and
# checks what lands there: the converter and the launcher on the PATH, the
# front end beside them, the documents, and what a desktop menu needs: an
# entry that passes desktop-file-validate, starts the launcher and names
# the application icon, and the icon in the hicolor theme at 16, 32 and 48
# pixels.
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate not found (package desktop-file-utils)")
endif()

set(prefix "${WORK}/pre fix's $HOME")
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix "${prefix}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed:\n${output}")
endif()

foreach(program bin/trelk_conv bin/trelk-dump lib/trelk-dump/Trelk_Dump)
  if(NOT EXISTS "${prefix}/${program}" OR IS_DIRECTORY "${prefix}/${program}")
    message(FATAL_ERROR "no ${program} under ${prefix}")
  endif()
  execute_process(COMMAND test -x "${prefix}/${program}" RESULT_VARIABLE not_executable)
  if(not_executable)
    message(FATAL_ERROR "${program} is not executable")
  endif()
endforeach()
foreach(document share/doc/trelk-dump/copyright share/doc/trelk-dump/changelog.gz
                 share/man/man1/trelk_conv.1.gz share/man/man1/trelk-dump.1.gz)
  if(NOT EXISTS "${prefix}/${document}")
    message(FATAL_ERROR "no ${document} under ${prefix}")
  endif()
endforeach()

set(entry "${prefix}/share/applications/Trelk_Dump.desktop")
if(NOT EXISTS "${entry}")
  message(FATAL_ERROR "no desktop entry at ${entry}")
endif()
execute_process(COMMAND ${VALIDATE} "${entry}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${entry}:\n${output}")
endif()

file(STRINGS "${entry}" exec_lines REGEX "^Exec=")
# Quoted for the entry's own rules: \" inside the quotes, each backslash
# doubled once more as the value is read.
string(CONCAT expected_exec [=[Exec="]=] "${WORK}" [=[/pre fix's \\$HOME/bin/trelk-dump"]=])
if(NOT exec_lines STREQUAL expected_exec)
  message(FATAL_ERROR "the entry starts '${exec_lines}', not '${expected_exec}'")
endif()
file(STRINGS "${entry}" icon_lines REGEX "^Icon=")
if(NOT icon_lines STREQUAL "Icon=trelk_dump")
  message(FATAL_ERROR "the entry names no icon trelk_dump: '${icon_lines}'")
endif()

# A PNG keeps its width and height as 32-bit big-endian numbers at byte 16.
foreach(size 16 32 48)
  set(icon "${prefix}/share/icons/hicolor/${size}x${size}/apps/trelk_dump.png")
  if(NOT EXISTS "${icon}")
    message(FATAL_ERROR "no ${size}-pixel icon at ${icon}")
  endif()
  file(READ "${icon}" header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width_hex)
  string(SUBSTRING "${header}" 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${icon} is ${width}x${height}, not ${size}x${size}")
  endif()
endforeach()
message(STATUS "programs, documents, desktop entry and icons in place under ${prefix}")
