# Installs the build into a scratch prefix and checks that everything lands where the program,
# the launcher and the desktop look for it. Run with -DBUILD_DIR=... -DPROGRAM_DIR=lib/korvel
# -DASSET_DIR=<the assets folder>.
set(prefix ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install failed: ${result}")
endif()

# The help pages in other languages, each in its own folder under HELP.
file(GLOB translated_help RELATIVE ${ASSET_DIR} ${ASSET_DIR}/HELP/*/help1.htm)
list(TRANSFORM translated_help PREPEND ${PROGRAM_DIR}/)
set(missing "")
foreach(f ${translated_help} ${PROGRAM_DIR}/korvel ${PROGRAM_DIR}/korvel.installed ${PROGRAM_DIR}/dm_book1.qztw
          ${PROGRAM_DIR}/48x48.ico ${PROGRAM_DIR}/HELP/help1.htm ${PROGRAM_DIR}/HELP/more-puzzles.htm
          ${PROGRAM_DIR}/HELP/Velks.jpg ${PROGRAM_DIR}/HELP/de/help1.htm ${PROGRAM_DIR}/HELP/fr/help1.htm
          bin/korvel share/applications/korvel.desktop
          share/icons/hicolor/16x16/apps/korvel.png share/icons/hicolor/48x48/apps/korvel.png
          share/icons/hicolor/256x256/apps/korvel.png bin/korvel-book
          share/metainfo/example.norvane_games.korvel.metainfo.xml share/man/man6/korvel.6.gz
          share/man/man1/korvel-book.1.gz share/doc/korvel/copyright share/doc/korvel/changelog.gz)
  if(NOT EXISTS ${prefix}/${f})
    list(APPEND missing ${f})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# The launcher's relative way to the program must arrive at the installed program.
file(READ ${prefix}/bin/korvel launcher)
if(NOT launcher MATCHES "\"\\$here/([^\"]+)\"")
  message(FATAL_ERROR "launcher names no program:\n${launcher}")
endif()
if(NOT EXISTS ${prefix}/bin/${CMAKE_MATCH_1})
  message(FATAL_ERROR "launcher points at ${CMAKE_MATCH_1}, which is not installed")
endif()
# Saved games of an installed copy live with each user, not in the program folder.
if(EXISTS ${prefix}/${PROGRAM_DIR}/saved)
  message(FATAL_ERROR "a saved-games folder was installed into the shared program folder")
endif()
file(REMOVE_RECURSE ${prefix})
