# The conversion run: checks, parameter file and shell commands, no toolkit.
add_library(trelk_run STATIC
  ${CMAKE_CURRENT_LIST_DIR}/../ConversionRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../DerivedOutputName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../FileProbe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../FillerValue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../FullPath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../ParameterFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../SameFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../ShellCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../ShellQuote.cpp)
target_include_directories(trelk_run PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(trelk_run PUBLIC trelk_values)

# The desktop side: message boxes, busy cursor, opening the output.
add_library(trelk_run_wx STATIC ${CMAKE_CURRENT_LIST_DIR}/../WxRunPlatform.cpp)
target_link_libraries(trelk_run_wx PUBLIC trelk_run ${wxWidgets_LIBRARIES})

if(TARGET trelk_dialog)
  target_link_libraries(trelk_dialog PUBLIC trelk_run_wx)
endif()
