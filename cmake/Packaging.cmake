# Installation and the Debian package.
#
# The program reads its core table from its own folder, so the two live together in a folder
# of their own, <prefix>/lib/corvane (CORVANE_INSTALL_DIR); <prefix>/bin/corvane is a relative
# symbolic link to the program (the program resolves the link to find its folder). The help
# page goes to <prefix>/share/corvane, where TechData looks for it: not to share/doc, which a
# system may leave out, since the program needs the page to work.

if(NOT TARGET corvane)
  message(STATUS "Corvane: no program is built (CORVANE_GUI is off), so nothing is installed")
  return()
endif()

set(CORVANE_DESKTOP_ID org.corvane.Corvane)

install(TARGETS corvane RUNTIME DESTINATION ${CORVANE_INSTALL_DIR})
install(FILES data/quillet.ini DESTINATION ${CORVANE_INSTALL_DIR})
install(FILES data/mquillet.htm DESTINATION ${CORVANE_HELP_DIR})

# The launcher on the PATH.
file(RELATIVE_PATH launcher_target /${CMAKE_INSTALL_BINDIR} /${CORVANE_INSTALL_DIR}/corvane)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ${launcher_target} ${CMAKE_BINARY_DIR}/launcher/corvane SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/launcher/corvane DESTINATION ${CMAKE_INSTALL_BINDIR})

# Desktop integration: menu entry, AppStream data and the icon in the hicolor theme.
install(FILES data/${CORVANE_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${CORVANE_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/corvane.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 32 48 64 128 256)
  install(FILES data/icons/corvane-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME corvane.png)
endforeach()

# Documentation as Debian wants it: the licence as a machine-readable copyright file, the
# package's changelog and the manual page compressed with gzip -9n (no name, no time stamp,
# so the package builds the same every time), and the bash completion.
install(FILES data/debian/copyright DESTINATION ${CORVANE_DOC_DIR})
set(compressed_dir ${CMAKE_BINARY_DIR}/compressed)
set(compressed)
foreach(pair "data/debian/changelog|changelog.Debian.gz" "data/corvane.1|corvane.1.gz")
  string(REPLACE "|" ";" pair ${pair})
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${compressed_dir}/${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed_dir}
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/${source} > ${compressed_dir}/${target}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND compressed ${compressed_dir}/${target})
endforeach()
add_custom_target(corvane_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${compressed_dir}/changelog.Debian.gz DESTINATION ${CORVANE_DOC_DIR})
install(FILES ${compressed_dir}/corvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/bash-completion/corvane DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES data/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME corvane)

# CPack: `cpack` in the build folder makes corvane_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "The Corvane developers")
set(CPACK_PACKAGE_CONTACT "The Corvane developers <${CORVANE_MAIL_ADDRESS}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "resonance, toroid winding and attenuator calculator")
set(CPACK_PACKAGE_DESCRIPTION
  "Corvane is a small calculator for radio-frequency work at the bench.\n\
It solves a resonant circuit from two of frequency, capacitance, inductance\n\
and impedance, and shows the turns and wire length for every ring core of its\n\
core table (common iron powder and ferrite toroids). A second window computes\n\
symmetric T and Pi attenuators. The calculations also run from the command\n\
line.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first packaging of this version: 2.0.0-1, matching data/debian/changelog.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a Qt platform plugin, which the Qt libraries only recommend;
# xdg-open opens the help page and the About box's links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")
include(CPack)
