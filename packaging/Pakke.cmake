# Installing Plotvik and building its Debian package with CPack.
# Included at the end of the top CMakeLists.txt, so it sees the plotvik target.
#   cmake --install build --prefix /some/stage/usr      a staged install
#   (cd build && cpack -G DEB)                          plotvik_<version>_amd64.deb
include(GNUInstallDirs)

set(PLOTVIK_ID dk.plotvik.Plotvik)
set(PLOTVIK_PAKKEMAPPE ${CMAKE_CURRENT_LIST_DIR})

if(TARGET plotvik)
  target_compile_definitions(plotvik PRIVATE PLOTVIK_VERSION="${PROJECT_VERSION}")

  # The window's icon: PNG renderings of the SVG where rsvg-convert is
  # installed (Qt then needs no SVG plug-in to show it), the SVG otherwise.
  find_program(PLOTVIK_RSVG rsvg-convert)
  set(ikonfiler)
  if(PLOTVIK_RSVG)
    foreach(str 16 24 32 48 64 128 256)
      set(png ${CMAKE_CURRENT_BINARY_DIR}/ikoner/${str}.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/ikoner
        COMMAND ${PLOTVIK_RSVG} -w ${str} -h ${str} ${PLOTVIK_PAKKEMAPPE}/${PLOTVIK_ID}.svg -o ${png}
        DEPENDS ${PLOTVIK_PAKKEMAPPE}/${PLOTVIK_ID}.svg
        VERBATIM)
      list(APPEND ikonfiler ${png})
      install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${str}x${str}/apps
              RENAME ${PLOTVIK_ID}.png)
    endforeach()
    qt_add_resources(plotvik plotvik_ikoner PREFIX /ikoner
                     BASE ${CMAKE_CURRENT_BINARY_DIR}/ikoner FILES ${ikonfiler})
  else()
    qt_add_resources(plotvik plotvik_ikoner PREFIX /ikoner
                     BASE ${PLOTVIK_PAKKEMAPPE} FILES ${PLOTVIK_PAKKEMAPPE}/${PLOTVIK_ID}.svg)
  endif()

  install(TARGETS plotvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Symbols bound at start, so the relocation table can be read-only at once.
  target_link_options(plotvik PRIVATE -Wl,-z,relro,-z,now)
endif()

# The program looks for its help file beside itself, then in ../share/plotvik.
install(FILES ${CMAKE_SOURCE_DIR}/app/Plotvik.Hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/plotvik)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/plotvik/examples
        FILES_MATCHING PATTERN "*.prj" PATTERN "*.txt" PATTERN "*.dat" PATTERN "*.ino")
install(FILES ${PLOTVIK_PAKKEMAPPE}/${PLOTVIK_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PLOTVIK_PAKKEMAPPE}/${PLOTVIK_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PLOTVIK_PAKKEMAPPE}/${PLOTVIK_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PLOTVIK_PAKKEMAPPE}/plotvik-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${PLOTVIK_ID}.xml)

# The copyright file, the changelog and the manual page plotvik(1), the two
# last compressed as Debian wants them: gzip -9 without name or time stamp,
# so that the same sources give the same package.
find_program(PLOTVIK_GZIP gzip)
if(PLOTVIK_GZIP)
  set(dokmappe ${CMAKE_CURRENT_BINARY_DIR}/dok)
  set(dokfiler)
  foreach(fil changelog plotvik.1)
    add_custom_command(OUTPUT ${dokmappe}/${fil}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dokmappe}
      COMMAND ${CMAKE_COMMAND} -E copy ${PLOTVIK_PAKKEMAPPE}/doc/${fil} ${dokmappe}/${fil}
      COMMAND ${PLOTVIK_GZIP} -9nf ${dokmappe}/${fil}
      DEPENDS ${PLOTVIK_PAKKEMAPPE}/doc/${fil}
      VERBATIM)
    list(APPEND dokfiler ${dokmappe}/${fil}.gz)
  endforeach()
  add_custom_target(plotvik_dokumentation ALL DEPENDS ${dokfiler})
  if(TARGET plotvik)
    add_dependencies(plotvik plotvik_dokumentation)
  endif()
  install(FILES ${dokmappe}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plotvik)
  install(FILES ${dokmappe}/plotvik.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${PLOTVIK_PAKKEMAPPE}/doc/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plotvik)
# The examples' .txt files are project descriptions the program loads, not
# documentation: lintian is told so.
install(FILES ${PLOTVIK_PAKKEMAPPE}/doc/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME plotvik)

# The Debian package. The menus, icon caches and MIME database are refreshed
# by the dpkg triggers of desktop-file-utils, hicolor-icon-theme and
# shared-mime-info, so the package needs no scripts of its own.
set(CPACK_PACKAGE_NAME plotvik)
set(CPACK_PACKAGE_VENDOR "Plotvik")
set(CPACK_PACKAGE_CONTACT "Plotvik-udviklerne <udviklere@plotvik.dk>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Behandling af målinger fra laboratorieforsøg")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Plotvik regner tabeller af målinger fra laboratorieforsøg ud, tegner grafer\n"
    "med regressionslinjer og kurvetilpasninger og viser deres statistik.\n"
    "Alt, hvad programmet viser, er på dansk.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY plotvik)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries found by dpkg-shlibdeps: Qt's X11/Wayland plug-ins,
# without which no window opens (libqt6gui6 only recommends them), and Qt's
# own Danish texts (the standard buttons, the file dialogs), and Qt Serial Port
# for capturing from a measuring device.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, libqt6serialport6")
# The window's fonts: the metric twins of Arial, Times New Roman and Courier New.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
