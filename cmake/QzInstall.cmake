# Desktop integration: each file goes where freedesktop systems and the Debian policy
# look for it. The program's data files and the qz program itself are installed by the
# main list file.
include(GNUInstallDirs)
set(_desktop ${CMAKE_SOURCE_DIR}/data/desktop)
set(_generated ${CMAKE_BINARY_DIR}/desktop)

# Manual pages and the changelog are installed compressed, as Debian wants them
# (gzip -n: no name or time stamp, so a rebuild gives the same bytes).
set(_compressed)
foreach(_source qz.1 qz-gui.1 changelog)
  add_custom_command(
    OUTPUT ${_generated}/${_source}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_generated}
    COMMAND gzip -9n -c ${_desktop}/${_source} > ${_generated}/${_source}.gz
    DEPENDS ${_desktop}/${_source}
    VERBATIM)
  list(APPEND _compressed ${_generated}/${_source}.gz)
endforeach()
add_custom_target(qz_desktop_files ALL DEPENDS ${_compressed})
configure_file(${_desktop}/org.qzlog.qz_gui.metainfo.xml.in ${_generated}/org.qzlog.qz_gui.metainfo.xml @ONLY)

install(FILES ${_generated}/qz.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The type of native logs (*.QZF) and the program's icon, scalable and in the sizes
# of the hicolor theme.
install(FILES ${_desktop}/qz.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${_desktop}/qz.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(_size 16 22 24 32 48 64 128 256)
  install(FILES ${_desktop}/icons/${_size}x${_size}/qz.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
endforeach()
install(FILES ${_desktop}/qz.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME qz)
# The licence, the credits of the data files and the changelog.
install(FILES ${_desktop}/copyright ${_generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/README DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME README.data)

# The desktop program, its menu entry (which opens native logs), its software-centre
# entry and its manual page.
if(TARGET qz-gui)
  install(TARGETS qz-gui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_desktop}/qz-gui.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_generated}/org.qzlog.qz_gui.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${_generated}/qz-gui.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The manual the desktop program shows is installed with its data; the documentation
# folder points to it (a program must not need what is below /usr/share/doc).
install(CODE "
  set(_doc \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DOCDIR}\")
  file(MAKE_DIRECTORY \"\${_doc}\")
  file(CREATE_LINK ../../qz/manual \"\${_doc}/manual\" SYMBOLIC)")
