# `cmake --install`: a self-contained program folder lib/auvo (the program and its manual,
# which it finds beside itself), a launcher on the PATH, and the desktop integration.
# `cpack -G DEB` packs the same tree as a Debian package.

set(AUVO_PROGRAM_DIR lib/auvo)

install(TARGETS auvo RUNTIME DESTINATION ${AUVO_PROGRAM_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/doc/ DESTINATION ${AUVO_PROGRAM_DIR}/doc)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/resources/linux/auvo-launcher.sh DESTINATION bin RENAME auvo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/auvo.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/auvo-mime.xml DESTINATION share/mime/packages
        RENAME auvo.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/auvo.svg
        DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/application-x-auvo.svg
        DESTINATION share/icons/hicolor/scalable/mimetypes)

# What Debian wants of every package: the manual page (German, also the default page, as the
# program speaks only German), the copyright file and the changelog, compressed as dpkg would.
set(AUVO_MAINTAINER "AUVO-Team <auvo@localhost>")
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog
               @ONLY)
foreach(file IN ITEMS ${PROJECT_SOURCE_DIR}/resources/debian/auvo.1 ${PROJECT_BINARY_DIR}/debian/changelog)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/debian/${name}.gz
                     COMMAND sh -c "gzip -9n -c '${file}' > '${PROJECT_BINARY_DIR}/debian/${name}.gz'"
                     DEPENDS ${file} VERBATIM)
  list(APPEND AUVO_DEBIAN_GZ ${PROJECT_BINARY_DIR}/debian/${name}.gz)
endforeach()
add_custom_target(auvo_debian_docs ALL DEPENDS ${AUVO_DEBIAN_GZ})
install(FILES ${PROJECT_BINARY_DIR}/debian/auvo.1.gz DESTINATION share/man/man1)
install(FILES ${PROJECT_BINARY_DIR}/debian/auvo.1.gz DESTINATION share/man/de/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright
              ${PROJECT_BINARY_DIR}/debian/changelog.gz DESTINATION share/doc/auvo)

# The manual beside the program in the build tree too, so "&Bedienung" works in build/.
add_custom_target(auvo_manual ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/resources/doc ${PROJECT_BINARY_DIR}/doc
  COMMENT "Copying the manual beside the program")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME auvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "AUVO-Team")
set(CPACK_PACKAGE_CONTACT "${AUVO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hörtest und Tinnitus-Synthesizer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Hörtest und Tinnitus-Synthesizer (deutsche Oberfläche)\nEichen auf die eigene Hörschwelle, Hörtest Ohr für Ohr mit Audiogramm,\nTinnitus-Töne nachbilden, Messungen speichern, vergleichen und drucken.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# The libraries the program links come from dpkg-shlibdeps (Qt's X11 plug-in is part of
# libqt6gui6); Qt's German texts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core, qt6-qpa-plugins, qt6-wayland")
include(CPack)
