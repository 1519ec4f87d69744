# Desktop integration and the Debian package.
# Included at the end of the top-level CMakeLists.txt, once every installed
# target is defined. `cmake --install BUILD --prefix PREFIX` lays out:
#   bin/duskmap
#   share/applications/org.duskmap.Duskmap.desktop
#   share/icons/hicolor/scalable/apps/org.duskmap.Duskmap.svg
#   share/metainfo/org.duskmap.Duskmap.metainfo.xml
#   share/man/man1/duskmap.1
#   lib/systemd/user/duskmap-wallpaper.service
#   share/doc/duskmap/copyright
# and `cpack -G DEB` in the build directory packs the same files under /usr.

# One application id names the desktop file, the AppStream component and the
# icon, so that software centres and docks match them to each other.
set(DUSKMAP_APP_ID org.duskmap.Duskmap)

install(FILES ${PROJECT_SOURCE_DIR}/resources/${DUSKMAP_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${DUSKMAP_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${DUSKMAP_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/docs/duskmap.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The live wallpaper as a user service. systemd looks in lib/systemd/user under
# /usr and /usr/local alike, never under lib/<triplet>: a literal path.
install(FILES ${PROJECT_SOURCE_DIR}/resources/duskmap-wallpaper.service
    DESTINATION lib/systemd/user)
# Where Debian looks for a package's licence: named after the package, not the project.
install(FILES ${PROJECT_SOURCE_DIR}/resources/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/duskmap)

set(DUSKMAP_PACKAGE_MAINTAINER "The Duskmap developers <maintainers@duskmap.invalid>"
    CACHE STRING "Maintainer field of the Debian package: name <e-mail>")

set(CPACK_PACKAGE_NAME duskmap)
set(CPACK_PACKAGE_VENDOR "The Duskmap developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Wrapped by hand: the Debian control file shows the lines as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Duskmap shows a world map with the night side of the Earth darkened and a"
    "band of twilight between day and night, following the sun. Below the map"
    "it keeps the time and date of a chosen time zone, the sunrise and sunset at"
    "the zone's reference place, and that place's latitude and longitude."
    "It can also render the map to a PNG or JPEG file from the command line,"
    "without a display, at any size, and keep the desktop background showing"
    "the current map.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/build-[^/]*/")

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DUSKMAP_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Library dependencies come from dpkg-shlibdeps. What it cannot see: zones are
# looked up in the system's tz database, and on a Wayland session Qt loads its
# Wayland platform plugin at run time (without it, Qt falls back to X11).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
