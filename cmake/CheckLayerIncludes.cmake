# cmake -DLIST_FILE=... -DALLOWED="platform,..." -P CheckLayerIncludes.cmake
# Fails when a listed source includes a project header ("folder/Name.h") from a folder outside
# ALLOWED: the lower layer must build and make sense without what stands on it.
cmake_policy(SET CMP0057 NEW)
include(${CMAKE_CURRENT_LIST_DIR}/IncludeLines.cmake)
string(REPLACE "," ";" ALLOWED "${ALLOWED}")
gw_include_lines("${LIST_FILE}" "^[ \t]*#[ \t]*include[ \t]*\"" includes)
set(bad)
foreach(entry IN LISTS includes)
  string(REGEX REPLACE "^.*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" header "${entry}")
  string(REGEX MATCH "^[^/]*" folder "${header}")
  if(NOT header MATCHES "/" OR NOT folder IN_LIST ALLOWED)
    list(APPEND bad "${entry}")
  endif()
endforeach()
gw_fail_with_lines("${bad}" "These files may include only headers of ${ALLOWED}")
