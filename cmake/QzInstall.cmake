# Desktop integration: each file goes where freedesktop systems look for it. The
# program's data files and the qz program itself are installed by the main list file.
include(GNUInstallDirs)
set(_desktop ${CMAKE_SOURCE_DIR}/data/desktop)

install(FILES ${_desktop}/qz.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The type of native logs (*.QZF) and the program's icon.
install(FILES ${_desktop}/qz.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${_desktop}/qz.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The desktop program, its menu entry (which opens native logs) and its manual page.
if(TARGET qz-gui)
  install(TARGETS qz-gui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_desktop}/qz-gui.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_desktop}/qz-gui.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
