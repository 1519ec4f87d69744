# Desktop integration. Included at the end of the top-level CMakeLists.txt, once
# every installed target is defined. `cmake --install BUILD --prefix PREFIX` lays out:
#   bin/duskmap
#   share/applications/org.duskmap.Duskmap.desktop
#   share/icons/hicolor/scalable/apps/org.duskmap.Duskmap.svg
#   share/metainfo/org.duskmap.Duskmap.metainfo.xml
#   share/man/man1/duskmap.1
#   lib/systemd/user/duskmap-wallpaper.service
#   share/doc/duskmap/copyright
# The Debian package (debian/) installs the same files under /usr.

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
# One licence file for both ways of installing: the package's, in Debian's
# machine-readable format, where Debian looks for it (named after the package).
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/duskmap)
