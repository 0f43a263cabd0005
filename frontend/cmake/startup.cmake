# Start-up of Trelk_Dump: the application object, the platform layers it
# stands on (current directory, account name, per-user lock, single-instance
# endpoint, bringing a window forward) and the program itself.
set(trelk_startup_dir ${CMAKE_CURRENT_LIST_DIR}/..)

find_package(PkgConfig REQUIRED)
pkg_check_modules(TRELK_GLIB REQUIRED IMPORTED_TARGET glib-2.0)
pkg_check_modules(TRELK_GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)

# No toolkit beyond GLib's main loop: unit-testable on its own.
add_library(trelk_platform STATIC
  ${trelk_startup_dir}/CurrentDirectory.cpp
  ${trelk_startup_dir}/RuntimeDirectory.cpp
  ${trelk_startup_dir}/SingleInstance.cpp
  ${trelk_startup_dir}/UserLock.cpp
  ${trelk_startup_dir}/UserName.cpp)
target_include_directories(trelk_platform PUBLIC ${trelk_startup_dir})
target_link_libraries(trelk_platform PUBLIC PkgConfig::TRELK_GLIB)

if(TARGET trelk_dialog AND TARGET trelk_settings)
  add_library(trelk_startup STATIC
    ${trelk_startup_dir}/CDumpApp.cpp
    ${trelk_startup_dir}/ForegroundWindow.cpp)
  target_include_directories(trelk_startup PUBLIC ${trelk_startup_dir})
  target_link_libraries(trelk_startup PUBLIC trelk_platform trelk_dialog trelk_settings
                        ${wxWidgets_LIBRARIES} PkgConfig::TRELK_GTK3)

  add_executable(Trelk_Dump ${trelk_startup_dir}/DumpMain.cpp)
  target_link_libraries(Trelk_Dump PRIVATE trelk_startup)
else()
  message(WARNING "Trelk_Dump is not built: the trelk_dialog or trelk_settings library is missing")
endif()
