# The per-user settings file: the archive, its file and the transfer of the
# dialog values. Plain standard C++, no toolkit.
add_library(trelk_settings STATIC
  ${CMAKE_CURRENT_LIST_DIR}/../CArchive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../CFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../ReplacingFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../SettingsSerialize.cpp)
target_include_directories(trelk_settings PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(trelk_settings PUBLIC trelk_values)
