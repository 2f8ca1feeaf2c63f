# Installing Korvel like a desktop application, and its Debian package.
#
# Everything the program finds beside itself (the book, the help pages, the icon) goes into one
# program folder, KORVEL_INSTALL_DIR; a launcher in the bin folder starts it there. The marker
# file korvel.installed tells the program that it runs from such a shared folder.
include(GNUInstallDirs)

set(KORVEL_INSTALL_DIR "lib/korvel" CACHE STRING "Program folder, relative to the install prefix")
set(KORVEL_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)

install(TARGETS korvel_app RUNTIME DESTINATION ${KORVEL_INSTALL_DIR})
# The whole assets tree, the help pages' language subfolders (HELP/de, HELP/fr) with it.
install(DIRECTORY ${KORVEL_ASSET_DIR}/ DESTINATION ${KORVEL_INSTALL_DIR})
install(FILES ${KORVEL_PACKAGING_DIR}/korvel.installed DESTINATION ${KORVEL_INSTALL_DIR})

# Where the launcher and the book tool go: the bin folder, or "games" in the Debian package,
# which keeps games in /usr/games.
set(KORVEL_BIN_DIR ${CMAKE_INSTALL_BINDIR}
    CACHE STRING "Folder of the commands, relative to the install prefix")

# The launcher finds the program relative to itself, so the same script works under any prefix.
file(RELATIVE_PATH KORVEL_LAUNCHER_TARGET /prefix/${KORVEL_BIN_DIR}
     /prefix/${KORVEL_INSTALL_DIR}/korvel)
configure_file(${KORVEL_PACKAGING_DIR}/korvel.in ${CMAKE_CURRENT_BINARY_DIR}/launcher/korvel @ONLY)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/launcher/korvel DESTINATION ${KORVEL_BIN_DIR})

install(FILES ${KORVEL_PACKAGING_DIR}/korvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${KORVEL_PACKAGING_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The puzzle-book tool, when it is built, sits in the bin folder beside the launcher.
if(TARGET korvel-book)
  install(TARGETS korvel-book RUNTIME DESTINATION ${KORVEL_BIN_DIR})
endif()

# What software centres show of us, the manual pages, and the licence and history beside the
# other packages' in share/doc. Manual pages and the changelog are installed compressed, without
# a time stamp, so that a rebuild gives the same bytes.
install(FILES ${KORVEL_PACKAGING_DIR}/example.norvane_games.korvel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(KORVEL_COMPRESSED_DIR ${CMAKE_CURRENT_BINARY_DIR}/compressed)
set(KORVEL_COMPRESSED "")
foreach(source man/korvel.6 man/korvel-book.1 changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${KORVEL_COMPRESSED_DIR}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KORVEL_COMPRESSED_DIR}
    COMMAND gzip -9 -n -c ${KORVEL_PACKAGING_DIR}/${source} > ${KORVEL_COMPRESSED_DIR}/${name}.gz
    DEPENDS ${KORVEL_PACKAGING_DIR}/${source}
    COMMENT "Compressing ${source}" VERBATIM)
  list(APPEND KORVEL_COMPRESSED ${KORVEL_COMPRESSED_DIR}/${name}.gz)
endforeach()
add_custom_target(korvel_compressed_docs ALL DEPENDS ${KORVEL_COMPRESSED})
install(FILES ${KORVEL_COMPRESSED_DIR}/korvel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${KORVEL_COMPRESSED_DIR}/korvel-book.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KORVEL_COMPRESSED_DIR}/changelog.gz ${KORVEL_PACKAGING_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvel)
set(CPACK_PACKAGE_VENDOR "Norvane Games")
set(CPACK_PACKAGE_CONTACT "Norvane Games <author@norvane-games.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kakuro number puzzle game")
# Lines of the extended description stay within 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Korvel is a Kakuro game: fill every run of white cells with distinct digits"
       "1 to 9 that add up to its clue. Its book holds 1000 puzzles, each with one"
       "solution that reasoning alone can reach. Write in pen or pencil, check your"
       "work, print puzzles and keep the best times.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://norvane-games.example/korvel/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found at run time rather than linked, so dpkg-shlibdeps cannot see them: Qt's platform plugins
# (without one the game cannot open a window, and libqt6gui6 only recommends them), the board's
# Arial-compatible face, and Qt's own translations of its standard buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")
include(CPack)
