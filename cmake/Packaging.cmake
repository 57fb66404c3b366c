# The program as a Linux desktop installs it: the desktop entry, the file types, icons, the
# software-centre entry, manual pages, shell completion, and the Debian package made of them all
# (cpack -G DEB in the build folder).

# The project has no home on the web yet: these name one where the software centre and the
# package look for it, and are set at configure time once it has.
set(GW_APP_ID "org.example.gridwick" CACHE STRING "The AppStream id of the program (reverse DNS)")
set(GW_HOMEPAGE "https://example.org/gridwick" CACHE STRING "The program's home page")
set(GW_SCREENSHOT_URL "${GW_HOMEPAGE}/screenshot.png" CACHE STRING
    "Where the software centre fetches docs/screenshot.png from")
set(GW_PACKAGE_MAINTAINER "Gridwick developers <maintainers@gridwick.invalid>" CACHE STRING
    "The Maintainer field of the Debian package")

set(gw_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(gw_generated ${CMAKE_BINARY_DIR}/packaging)

install(FILES ${gw_packaging}/gridwick.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${gw_packaging}/gridwick-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME gridwick.xml)
configure_file(${gw_packaging}/gridwick.metainfo.xml.in ${gw_generated}/${GW_APP_ID}.metainfo.xml @ONLY)
install(FILES ${gw_generated}/${GW_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${gw_packaging}/gwtool.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME gwtool)

# Icons: the drawing, and pictures of it in the sizes desktops ask for, drawn from it at build time
# so that they never differ from it.
set(gw_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${gw_packaging}/gridwick.svg DESTINATION ${gw_icons}/scalable/apps)
find_program(GW_RSVG_CONVERT rsvg-convert)
if(GW_RSVG_CONVERT)
  set(gw_icon_files)
  foreach(size 16 22 24 32 48 64 128 256)
    set(png ${gw_generated}/icons/${size}/gridwick.png)
    add_custom_command(OUTPUT ${png}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${gw_generated}/icons/${size}
                       COMMAND ${GW_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${gw_packaging}/gridwick.svg
                       DEPENDS ${gw_packaging}/gridwick.svg VERBATIM)
    list(APPEND gw_icon_files ${png})
    install(FILES ${png} DESTINATION ${gw_icons}/${size}x${size}/apps)
  endforeach()
  add_custom_target(gw_icons ALL DEPENDS ${gw_icon_files})
else()
  message(WARNING "rsvg-convert not found (librsvg2-bin): only the scalable icon is installed")
endif()

# Manual pages: each program's --help and the README's sections about it, converted by lowdown.
# (A sanitizer build's programs answer --help too; what Qt keeps until exit is no leak of ours.)
find_program(GW_LOWDOWN lowdown)
if(GW_LOWDOWN AND NOT CMAKE_CROSSCOMPILING)
  set(gw_summary_gridwick "play and make nonogram (picture logic) puzzles")
  set(gw_sections_gridwick ":intro" "### Starting the program")
  set(gw_summary_gwtool "work on nonogram puzzle files without a window")
  set(gw_sections_gwtool "### gwtool")
  set(gw_man_files)
  foreach(program gridwick gwtool)
    set(page ${gw_generated}/man/${program}.1)
    # Compressed, as Debian keeps its manuals.
    add_custom_command(OUTPUT ${page}.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${gw_generated}/man
                       COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                               ${PROJECT_SOURCE_DIR}/scripts/manpage.sh ${page} $<TARGET_FILE:${program}> ${program}
                               ${PROJECT_VERSION} ${gw_summary_${program}} ${PROJECT_SOURCE_DIR}/README.md
                               ${gw_sections_${program}}
                       COMMAND gzip -9nf ${page}
                       DEPENDS ${program} ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/scripts/manpage.sh
                       VERBATIM)
    list(APPEND gw_man_files ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  add_custom_target(gw_man_pages ALL DEPENDS ${gw_man_files})
elseif(NOT GW_LOWDOWN)
  message(WARNING "lowdown not found: no manual pages")
endif()

# --- the Debian package ------------------------------------------------------------------------
# What Debian keeps of every package in share/doc: whose the files are, and its changes.
set(gw_doc ${CMAKE_INSTALL_DATADIR}/doc/gridwick)
configure_file(${gw_packaging}/changelog.in ${gw_generated}/changelog @ONLY)
add_custom_command(OUTPUT ${gw_generated}/changelog.gz
                   COMMAND gzip -9nkf ${gw_generated}/changelog
                   DEPENDS ${gw_generated}/changelog VERBATIM)
add_custom_target(gw_changelog ALL DEPENDS ${gw_generated}/changelog.gz)
install(FILES ${gw_packaging}/copyright ${gw_generated}/changelog.gz DESTINATION ${gw_doc})
# The help in English: the Japanese one is a sample file, which stays as it is.
install(FILES ${PROJECT_SOURCE_DIR}/docs/Gridwick-en.txt ${PROJECT_SOURCE_DIR}/docs/user-guide.en.md DESTINATION ${gw_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gridwick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Gridwick developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "nonogram (picture logic) puzzles, monochrome and in colour")
# The long description, which cpack indents and whose empty line it writes as " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Gridwick plays nonograms, the puzzles in which the numbers beside each row
and column tell the runs of painted cells that make a picture. Hints tick off
as they are satisfied, a judgement checks the answer, unfinished games are
saved, and an automatic solver works a puzzle out on the board. Authors type
in the hints of printed puzzles, draw pictures that become puzzles or make
them from images. It speaks Japanese and English, the language of the desktop.

The package also holds gwtool, which solves, checks, converts and generates
puzzle files from the command line.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GW_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${GW_HOMEPAGE}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from dpkg-shlibdeps; the fonts the board and dialogs are drawn in are no
# library, and the Japanese of Qt's own dialog buttons only a wish.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-mincho, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
