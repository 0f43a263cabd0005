# cmake -DBUILD_DIR=<build> -DWORK=<scratch dir> -DVALIDATE=<desktop-file-validate>
#       -P InstallCheck.cmake
# Installs the build into a scratch prefix, as a packager would, and checks
# what a desktop menu needs: the entry passes desktop-file-validate, names
# the application icon, and the icon is in the hicolor theme at 16, 32 and
# 48 pixels.
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate not found (package desktop-file-utils)")
endif()

set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed:\n${output}")
endif()

set(entry ${prefix}/share/applications/Trelk_Dump.desktop)
if(NOT EXISTS ${entry})
  message(FATAL_ERROR "no desktop entry at ${entry}")
endif()
execute_process(COMMAND ${VALIDATE} ${entry}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${entry}:\n${output}")
endif()

file(STRINGS ${entry} icon_lines REGEX "^Icon=")
if(NOT icon_lines STREQUAL "Icon=trelk_dump")
  message(FATAL_ERROR "the entry names no icon trelk_dump: '${icon_lines}'")
endif()

# A PNG keeps its width and height as 32-bit big-endian numbers at byte 16.
foreach(size 16 32 48)
  set(icon ${prefix}/share/icons/hicolor/${size}x${size}/apps/trelk_dump.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "no ${size}-pixel icon at ${icon}")
  endif()
  file(READ ${icon} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width_hex)
  string(SUBSTRING "${header}" 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${icon} is ${width}x${height}, not ${size}x${size}")
  endif()
endforeach()
message(STATUS "desktop entry and icons in place under ${prefix}")
