# The main dialog, its presets combo, the about box and the application icon.
set(trelk_dialog_dir ${CMAKE_CURRENT_LIST_DIR}/..)
set(trelk_icon_pngs
  ${trelk_dialog_dir}/resources/trelk_dump_16.png
  ${trelk_dialog_dir}/resources/trelk_dump_32.png
  ${trelk_dialog_dir}/resources/trelk_dump_48.png)
set(trelk_icon_header ${CMAKE_CURRENT_BINARY_DIR}/generated/AppIconPng.h)

# The icon is compiled into the program; nothing is read at run time.
add_custom_command(
  OUTPUT ${trelk_icon_header}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${trelk_icon_header} "-DINPUTS=${trelk_icon_pngs}"
          -P ${trelk_dialog_dir}/resources/EmbedPng.cmake
  DEPENDS ${trelk_icon_pngs} ${trelk_dialog_dir}/resources/EmbedPng.cmake
  COMMENT "Embedding the application icon"
  VERBATIM)

add_library(trelk_dialog STATIC
  ${trelk_dialog_dir}/AppIcon.cpp
  ${trelk_dialog_dir}/BrowseDialog.cpp
  ${trelk_dialog_dir}/CAboutDialog.cpp
  ${trelk_dialog_dir}/CDumpDialog.cpp
  ${trelk_dialog_dir}/CDumpDialogExecute.cpp
  ${trelk_dialog_dir}/DefaultExtension.cpp
  ${trelk_dialog_dir}/DialogFont.cpp
  ${trelk_dialog_dir}/EditMenu.cpp
  ${trelk_dialog_dir}/NarrowEdit.cpp
  ${trelk_dialog_dir}/ResourceStrings.cpp
  ${trelk_icon_header})
target_include_directories(trelk_dialog
  PUBLIC ${trelk_dialog_dir}
  PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(trelk_dialog PUBLIC trelk_values ${wxWidgets_LIBRARIES})
# Users of the dialog (start-up, tests) include wx headers too.
target_include_directories(trelk_dialog SYSTEM PUBLIC ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(trelk_dialog PUBLIC ${wxWidgets_DEFINITIONS})
target_compile_options(trelk_dialog PUBLIC ${wxWidgets_CXX_FLAGS})
# On GTK the narrow edits are styled through the toolkit itself.
if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(TRELK_GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
  target_link_libraries(trelk_dialog PUBLIC PkgConfig::TRELK_GTK3)
endif()
