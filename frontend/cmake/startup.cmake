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

  # Both programs go into one directory: the front end runs the converter
  # from its start-up directory, so users start it there (the .desktop
  # entry sets that directory).
  include(GNUInstallDirs)
  set(TRELK_INSTALL_DIR trelk-dump CACHE STRING
      "Directory, under the install prefix, that holds Trelk_Dump and trelk_conv")
  install(TARGETS Trelk_Dump RUNTIME DESTINATION ${TRELK_INSTALL_DIR})
  if(TARGET trelk_conv)
    install(TARGETS trelk_conv RUNTIME DESTINATION ${TRELK_INSTALL_DIR})
  endif()
  # The application icon, in the theme that every desktop looks in.
  foreach(size 16 32 48)
    install(FILES ${trelk_startup_dir}/resources/trelk_dump_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME trelk_dump.png)
  endforeach()
  # The entry is written at install time, so that an install to another
  # prefix (cmake --install --prefix DIR) points at the right directory.
  install(CODE "
    set(TRELK_INSTALLED_PATH \"\${CMAKE_INSTALL_PREFIX}/${TRELK_INSTALL_DIR}\")
    set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/Trelk_Dump.desktop\")
    message(STATUS \"Installing: \${entry}\")
    configure_file(\"${trelk_startup_dir}/resources/Trelk_Dump.desktop.in\" \"\${entry}\" @ONLY)")
else()
  message(WARNING "Trelk_Dump is not built: the trelk_dialog or trelk_settings library is missing")
endif()
