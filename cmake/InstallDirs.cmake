# Where an install puts the game, and the names it goes by. Included before the sources:
# the binary compiles in where its data lies and the id its window carries.
include(GNUInstallDirs)

# One reverse-DNS id names the desktop entry, the icons, the metainfo and the window.
set(QUORVISH_APP_ID org.tallowfork.QuorvishBlemp)

# The pictures and sounds. Debian's games layout is CMAKE_INSTALL_BINDIR=games with
# CMAKE_INSTALL_DATADIR=share/games (scripts/package-deb); desktop-only files (entry, icons,
# metainfo, man page, doc) follow CMAKE_INSTALL_DATAROOTDIR whatever the data does.
set(QUORVISH_INSTALL_DATADIR "" CACHE PATH
    "Folder of the installed images/ and sounds/ (empty: CMAKE_INSTALL_DATADIR/quorvish-blemp)")
set(QUORVISH_DATA_DIR "${QUORVISH_INSTALL_DATADIR}")
if(QUORVISH_DATA_DIR STREQUAL "")
  set(QUORVISH_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quorvish-blemp)
endif()

# The data seen from the binary's folder. Both are relative to the prefix unless set
# absolute, so an install into any prefix, moved wholesale or not, finds its data.
set(full_bin ${CMAKE_INSTALL_BINDIR})
set(full_data ${QUORVISH_DATA_DIR})
cmake_path(ABSOLUTE_PATH full_bin BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} NORMALIZE)
cmake_path(ABSOLUTE_PATH full_data BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} NORMALIZE)
file(RELATIVE_PATH QUORVISH_DATA_FROM_BINARY ${full_bin} ${full_data})
if(QUORVISH_DATA_FROM_BINARY STREQUAL "")
  set(QUORVISH_DATA_FROM_BINARY .)
endif()
