# The Debian package, made by CPack from the install rules:
#   cpack --config build/CPackConfig.cmake    (bash setup.sh package does it)
# writes dist/trelk-dump_<version>_<arch>.deb.
set(TRELK_PACKAGE_MAINTAINER "Trelk Dump maintainers <maintainers@trelk-dump.invalid>" CACHE STRING
    "Maintainer field of the Debian package: name <address>")
set(TRELK_PACKAGE_OUTPUT ${PROJECT_SOURCE_DIR}/dist CACHE PATH
    "Folder that receives the packages (the work files stay in the build folder)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelk-dump)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TRELK_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hex dumps of Motorola S-record and Intel HEX load files")
set(CPACK_PACKAGE_DESCRIPTION [[
Trelk Dump turns microcontroller load files into readable hexadecimal
dumps: one line per 16-byte block of the address space the file touches,
laid out by a printf-style line format, with a filler byte for addresses
that no record supplies, a marker where the addresses jump, and message
lines for the records that carry no data.

The package holds the console converter trelk_conv and the dialog front
end, started from the desktop menu or with the command trelk-dump. The
dialog texts are Japanese.]])
# Work files in the build folder, wherever cpack is run; the package itself
# in the output folder.
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_OUTPUT_FILE_PREFIX ${TRELK_PACKAGE_OUTPUT})
# The install code writes the launcher with its final paths: it must see
# the package's prefix (/usr), with the work folder as DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link against come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opening the output with its application goes through xdg-open; the
# dialog's Japanese texts need a font that has them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-ipafont-gothic | fonts-japanese-gothic")

include(CPack)
