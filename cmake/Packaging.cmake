# What `cmake --install` adds around the programs (the menu entry, the icon, the software-centre
# description, the manual page) and the Debian package CPack builds from it.

# The manual page of corvane-cli, written from its --help at build time.
set(CORVANE_MAN_PAGE ${CMAKE_BINARY_DIR}/man/corvane-cli.1)
add_custom_command(OUTPUT ${CORVANE_MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:corvane-cli> -DNAME=corvane-cli
          -DVERSION=${PROJECT_VERSION} "-DSUMMARY=the Trash and clutter utility on the command line"
          -DOUTPUT=${CORVANE_MAN_PAGE} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
  DEPENDS corvane-cli ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
  COMMENT "Writing the manual page of corvane-cli" VERBATIM)
add_custom_target(corvane-cli-man ALL DEPENDS ${CORVANE_MAN_PAGE})
install(FILES ${CORVANE_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(CORVANE_GUI)
  set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
  install(FILES ${desktop}/corvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${desktop}/app.corvane.Corvane.metainfo.xml
                 ${CMAKE_BINARY_DIR}/app.corvane.Corvane.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/app.corvane.Corvane.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${desktop}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  # The translations need no rule: both programs carry them as resources.
endif()

# `cpack -G DEB` in a build configured with -DCMAKE_INSTALL_PREFIX=/usr: the programs look for
# Tolvik and its policy where they were configured, so the package installs there too.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "Corvane developers <developers@corvane.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Trash and clutter utility for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvane lists and empties the Trash (by force, automatically, keeping protected items),
securely erases files, tidies the Desktop into a store folder and manages browser cookies.
It sits in the panel, or runs as a window program where the desktop has no tray.
corvane-cli offers the same capabilities on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://corvane.app/")
# The shared libraries (Qt 6, libsqlite3, libcrypto, libpsl, ...) come from dpkg-shlibdeps; what is started
# or loaded rather than linked is named here: pkexec for Tolvik, the Qt platform plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "pkexec")
if(CORVANE_GUI)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()
include(CPack)
