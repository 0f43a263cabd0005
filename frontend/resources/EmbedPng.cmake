# cmake -DOUTPUT=<header> -DINPUTS=<png;png;...> -P EmbedPng.cmake
# Writes the PNG files as byte arrays named after the files
# (trelk_dump_32.png -> trelk_dump_32_png), the form wxBITMAP_PNG_FROM_DATA
# expects, so the program reads no image file at run time.
set(text "// Generated from frontend/resources by EmbedPng.cmake; do not edit.\n#pragma once\n\n")
foreach(input IN LISTS INPUTS)
  get_filename_component(name "${input}" NAME)
  string(MAKE_C_IDENTIFIER "${name}" symbol)
  file(READ "${input}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
  string(APPEND text "static const unsigned char ${symbol}[] = {\n    ${bytes}\n};\n\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${text}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
