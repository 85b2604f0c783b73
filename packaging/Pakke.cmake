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
endif()

# The program looks for its help file beside itself, then in ../share/plotvik.
install(FILES ${CMAKE_SOURCE_DIR}/app/Plotvik.Hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/plotvik)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/plotvik/examples
        FILES_MATCHING PATTERN "*.prj" PATTERN "*.txt" PATTERN "*.dat")
install(FILES ${PLOTVIK_PAKKEMAPPE}/${PLOTVIK_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PLOTVIK_PAKKEMAPPE}/${PLOTVIK_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PLOTVIK_PAKKEMAPPE}/${PLOTVIK_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PLOTVIK_PAKKEMAPPE}/plotvik-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${PLOTVIK_ID}.xml)

# The Debian package. The menus, icon caches and MIME database are refreshed
# by the dpkg triggers of desktop-file-utils, hicolor-icon-theme and
# shared-mime-info, so the package needs no scripts of its own.
set(CPACK_PACKAGE_NAME plotvik)
set(CPACK_PACKAGE_VENDOR "Plotvik")
set(CPACK_PACKAGE_CONTACT "Plotvik <plotvik@localhost>")
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
# without which no window opens (libqt6gui6 only recommends them).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The window's fonts: the metric twins of Arial, Times New Roman and Courier New.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
