# Included by the install script, once the install prefix is known
# (cmake --install --prefix DIR, or the package's /usr): writes the
# terminal command and the desktop entry with the absolute paths of this
# install, and installs them.
# In: TRELK_SOURCE (this folder), TRELK_STAGE (a scratch folder), and the
# install folders TRELK_BINDIR, TRELK_PROGRAM_DIR, TRELK_DATADIR, relative
# to the prefix.
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(bindir "${prefix}/${TRELK_BINDIR}")
set(program "${prefix}/${TRELK_PROGRAM_DIR}/Trelk_Dump")
set(converter "${bindir}/trelk_conv")
set(launcher "${bindir}/trelk-dump")

# A word for /bin/sh: single quotes, and each quote inside as '\''.
function(shell_word out text)
  string(REPLACE "'" "'\\''" text "${text}")
  set(${out} "'${text}'" PARENT_SCOPE)
endfunction()

# The Exec value of a desktop entry: a path with blanks or other reserved
# characters goes in double quotes (with " ` $ \ escaped inside), a percent
# sign is doubled, and the value's own escaping doubles every backslash.
function(desktop_exec out path)
  if(path MATCHES "[\n\r]")
    message(FATAL_ERROR "a desktop entry cannot start a program under a path with a line break: ${path}")
  endif()
  if(path MATCHES [=[[] 	"'\\><~|&;$*?#()`]]=])
    string(REGEX REPLACE [=[(["`$\\])]=] [=[\\\1]=] path "${path}")
    set(path "\"${path}\"")
  endif()
  string(REPLACE "%" "%%" path "${path}")
  string(REPLACE "\\" "\\\\" path "${path}")
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

shell_word(TRELK_PROGRAM "${program}")
shell_word(TRELK_CONVERTER "${converter}")
configure_file("${TRELK_SOURCE}/trelk-dump.in" "${TRELK_STAGE}/trelk-dump" @ONLY)
file(INSTALL DESTINATION "${bindir}" TYPE PROGRAM FILES "${TRELK_STAGE}/trelk-dump")

desktop_exec(TRELK_DESKTOP_EXEC "${launcher}")
configure_file("${TRELK_SOURCE}/Trelk_Dump.desktop.in" "${TRELK_STAGE}/Trelk_Dump.desktop" @ONLY)
file(INSTALL DESTINATION "${prefix}/${TRELK_DATADIR}/applications" TYPE FILE
     FILES "${TRELK_STAGE}/Trelk_Dump.desktop")
