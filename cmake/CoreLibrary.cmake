# The core holds all behaviour and must stay free of any GUI toolkit: it is what the scripted
# platform, gwtool and the tests run, and it must build and start without a display.

set(GW_CORE_DIRS state mainwnd play authoring files rules display solver settings print dialogs platform text system analysis formats pictures history commands library)

# What the system does its own way lives in NAME_win.cpp (Windows) and NAME_posix.cpp (the
# rest): a list keeps the files of the system being built for.
function(gw_system_sources list_var)
  if(WIN32)
    list(FILTER ${list_var} EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER ${list_var} EXCLUDE REGEX "_win\\.cpp$")
  endif()
  set(${list_var} ${${list_var}} PARENT_SCOPE)
endfunction()

function(gw_core_sources out)
  file(GLOB files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
  foreach(dir IN LISTS GW_CORE_DIRS)
    file(GLOB found CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/src/${dir}/*.h)
    list(APPEND files ${found})
  endforeach()
  gw_system_sources(files)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Fails the build (not only the configure step) when a core file includes a Qt header, so that a
# core file edited after configuring is caught too.
function(gw_forbid_gui_includes target)
  set(list_file ${CMAKE_BINARY_DIR}/${target}_sources.txt)
  string(REPLACE ";" "\n" content "${ARGN}")
  file(WRITE ${list_file} "${content}\n")
  add_custom_target(${target}_include_check
    COMMAND ${CMAKE_COMMAND} -DLIST_FILE=${list_file} -P ${PROJECT_SOURCE_DIR}/cmake/CheckCoreIncludes.cmake
    COMMENT "Checking that core sources include no GUI headers"
    VERBATIM)
  add_dependencies(${target} ${target}_include_check)
endfunction()

# Fails the build when a file of `folder` (under src/) includes a project header from outside the
# folders allowed: the platform layer stands below everything else and includes only itself.
function(gw_confine_includes target folder)
  file(GLOB files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  set(list_file ${CMAKE_BINARY_DIR}/${target}_${folder}_layer.txt)
  string(REPLACE ";" "\n" content "${files}")
  file(WRITE ${list_file} "${content}\n")
  # Commas, not semicolons: a list would be split again on its way through the command line.
  string(REPLACE ";" "," allowed "${ARGN}")
  add_custom_target(${target}_${folder}_layer_check
    COMMAND ${CMAKE_COMMAND} -DLIST_FILE=${list_file} "-DALLOWED=${allowed}"
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
    COMMENT "Checking that src/${folder} includes nothing above it"
    VERBATIM)
  add_dependencies(${target} ${target}_${folder}_layer_check)
endfunction()

# Fails the build when a module of src/ includes one above it in the order of
# scripts/include-layers.py (its known exceptions aside). Without Python the check is skipped
# with a note: it needs nothing else, but a Windows machine may have no Python.
function(gw_check_layer_order target)
  find_package(Python3 COMPONENTS Interpreter QUIET)
  if(NOT Python3_Interpreter_FOUND)
    message(STATUS "No Python 3: the include-layer order of src/ is not checked")
    return()
  endif()
  add_custom_target(${target}_layer_order_check
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/include-layers.py --quiet ${PROJECT_SOURCE_DIR}
    COMMENT "Checking that no module of src/ includes one above it"
    VERBATIM)
  add_dependencies(${target} ${target}_layer_order_check)
endfunction()
