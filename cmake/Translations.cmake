# The program's texts in other languages: GNU gettext catalogues. The Japanese texts in the code
# are the message ids; po/LANG.po holds each language's translations (scripts/update-po.sh brings
# them up to date with the code), and the build compiles them into locale/LANG/LC_MESSAGES beside
# the programs, where a program run from the build finds them, and installs them under
# share/locale.

set(GW_LANGUAGES en)
set(GW_POT ${CMAKE_BINARY_DIR}/po/gridwick.pot)

# The programs find the installed catalogues from where they lie, wherever the prefix is.
file(RELATIVE_PATH gw_locale_from_bin /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LOCALEDIR})
set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/text/Language_posix.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS GW_LOCALE_FROM_BIN="${gw_locale_from_bin}")

find_program(GW_XGETTEXT xgettext)
find_program(GW_MSGFMT msgfmt)
if(NOT GW_XGETTEXT OR NOT GW_MSGFMT)
  message(WARNING "gettext not found: the programs speak Japanese only")
  return()
endif()

# The template of every text the code marks, made anew whenever a source changes: the tests hold
# po/*.po against it.
file(GLOB_RECURSE gw_marked_sources CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
     ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/tools/*.cpp ${PROJECT_SOURCE_DIR}/tools/*.h)
add_custom_command(OUTPUT ${GW_POT}
                   COMMAND ${PROJECT_SOURCE_DIR}/scripts/make-pot.sh ${PROJECT_SOURCE_DIR} ${GW_POT}
                   DEPENDS ${gw_marked_sources} ${PROJECT_SOURCE_DIR}/scripts/make-pot.sh VERBATIM)
add_custom_target(gw_pot ALL DEPENDS ${GW_POT})

set(gw_catalogues)
foreach(lang IN LISTS GW_LANGUAGES)
  set(mo ${CMAKE_BINARY_DIR}/locale/${lang}/LC_MESSAGES/gridwick.mo)
  add_custom_command(OUTPUT ${mo}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/locale/${lang}/LC_MESSAGES
                     COMMAND ${GW_MSGFMT} --check-format -o ${mo} ${PROJECT_SOURCE_DIR}/po/${lang}.po
                     DEPENDS ${PROJECT_SOURCE_DIR}/po/${lang}.po VERBATIM)
  list(APPEND gw_catalogues ${mo})
  install(FILES ${mo} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${lang}/LC_MESSAGES)
endforeach()
add_custom_target(gw_catalogues ALL DEPENDS ${gw_catalogues})
