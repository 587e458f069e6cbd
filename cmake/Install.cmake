# What an install holds, in two components as Debian packages games: "game" (the binary and
# what the desktop shows of it) and "data" (the pictures and sounds); and the two Debian
# packages CPack makes of them. The folders come from cmake/InstallDirs.cmake.
include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)
quorvish_read_changelog(${PROJECT_SOURCE_DIR}/dist/changelog)

set(QUORVISH_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorvish-blemp)

set(dist ${CMAKE_BINARY_DIR}/dist)
configure_file(dist/app.desktop.in ${dist}/${QUORVISH_APP_ID}.desktop @ONLY)
configure_file(dist/app.metainfo.xml.in ${dist}/${QUORVISH_APP_ID}.metainfo.xml @ONLY)
configure_file(dist/quorvish-blemp.6.in ${dist}/quorvish-blemp.6 @ONLY)
configure_file(dist/changelog ${dist}/changelog COPYONLY)
# The copyright file in Debian's machine-readable format, its licence text the LICENSE's.
file(READ LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" _ "${licence}")
set(QUORVISH_COPYRIGHT ${CMAKE_MATCH_1})
string(REGEX REPLACE "^.*\n(Permission is hereby granted)" "\\1" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
set(QUORVISH_LICENSE_TEXT " ${licence}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
configure_file(dist/copyright.in ${dist}/copyright @ONLY)
# Compressed as Debian wants them, without a name or time in the header (gzip -n), so the
# same text gives the same bytes.
foreach(file quorvish-blemp.6 changelog)
  execute_process(COMMAND gzip -9nkf ${dist}/${file} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${dist}/${file}")
  endif()
endforeach()

install(TARGETS quorvish-blemp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT game)
install(DIRECTORY ${QUORVISH_GAME_DIR}/images ${QUORVISH_GAME_DIR}/sounds
        DESTINATION ${QUORVISH_DATA_DIR} COMPONENT data)
install(FILES ${dist}/${QUORVISH_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications COMPONENT game)
install(FILES ${dist}/${QUORVISH_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo COMPONENT game)
install(FILES ${dist}/quorvish-blemp.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT game)
# The sizes quorvish-assetgen draws (tools/assetgen/images/icons.h).
foreach(size 16 32 48 64 128 256)
  install(FILES ${QUORVISH_ICON_DIR}/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${QUORVISH_APP_ID}.png COMPONENT game)
endforeach()
# Each package carries its own copyright and changelog.
foreach(component game data)
  set(doc_dir ${QUORVISH_DOC_DIR})
  if(component STREQUAL data)
    set(doc_dir ${QUORVISH_DOC_DIR}-data)
  endif()
  install(FILES ${dist}/copyright ${dist}/changelog.gz DESTINATION ${doc_dir}
          COMPONENT ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvish-blemp)
set(CPACK_PACKAGE_VENDOR Tallowfork)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game data)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tallowfork <games@tallowfork.org>")

set(CPACK_DEBIAN_GAME_PACKAGE_NAME quorvish-blemp)
# The first line is the summary; CPack indents the rest as Debian wants.
set(CPACK_COMPONENT_GAME_DESCRIPTION "top-down action in a walled arena
A single-player top-down 2D action game: the hero fights sixty enemies of
three kinds round the walls and blocks of an arena, with a handgun and a
rocket launcher. Every picture, sound and piece of music is the game's own.")
# Exactly its own version of the data; the run-time libraries (SDL2, OpenAL Soft, freealut,
# ...) as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS "quorvish-blemp-data (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_GAME_PACKAGE_SHLIBDEPS ON)
# SDL draws the window's title bar on Wayland through a libdecor plugin.
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS libdecor-0-plugin-1-cairo)
# The binary ships stripped; its debug information goes to quorvish-blemp-dbgsym.
set(CPACK_DEBIAN_GAME_DEBUGINFO_PACKAGE ON)

set(CPACK_DEBIAN_DATA_PACKAGE_NAME quorvish-blemp-data)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
set(CPACK_COMPONENT_DATA_DESCRIPTION "top-down action in a walled arena - data
The pictures, sounds and music of Quorvish Blemp, a single-player top-down 2D
action game in a walled arena, drawn and synthesised by the game's own
generator.")
include(CPack)
