# What an install holds, and the Debian package made from it with CPack.
include(GNUInstallDirs)

# One reverse-DNS id names the desktop entry, the icons and the metainfo.
set(QUORVISH_APP_ID org.tallowfork.QuorvishBlemp)
set(QUORVISH_RELEASE_DATE 2026-12-07)
# The binary looks for its data here, relative to its own folder.
set(QUORVISH_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quorvish-blemp)

set(dist ${CMAKE_BINARY_DIR}/dist)
configure_file(dist/app.desktop.in ${dist}/${QUORVISH_APP_ID}.desktop @ONLY)
configure_file(dist/app.metainfo.xml.in ${dist}/${QUORVISH_APP_ID}.metainfo.xml @ONLY)
configure_file(dist/quorvish-blemp.6.in ${dist}/quorvish-blemp.6 @ONLY)

install(TARGETS quorvish-blemp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${QUORVISH_GAME_DIR}/images ${QUORVISH_GAME_DIR}/sounds
        DESTINATION ${QUORVISH_DATA_DIR})
install(FILES ${dist}/${QUORVISH_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist}/${QUORVISH_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${dist}/quorvish-blemp.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvish-blemp)
# The sizes quorvish-assetgen draws (tools/assetgen/images/icons.h).
foreach(size 16 32 48 64 128 256)
  install(FILES ${QUORVISH_ICON_DIR}/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${QUORVISH_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvish-blemp)
set(CPACK_PACKAGE_VENDOR Tallowfork)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "top-down action in a walled arena")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tallowfork <games@tallowfork.org>")
# The long description under the summary line; CPack indents it as Debian wants.
set(CPACK_PACKAGE_DESCRIPTION "A single-player top-down 2D action game: the hero fights
sixty enemies of three kinds round the walls and blocks of an arena, with a
handgun and a rocket launcher. Every picture, sound and piece of music is the
game's own.")
# The run-time libraries (SDL2, OpenAL Soft, freealut, ...) as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
