# cmake -DLIST_FILE=... -P CheckCoreIncludes.cmake
include(${CMAKE_CURRENT_LIST_DIR}/IncludeLines.cmake)
gw_include_lines("${LIST_FILE}" "^[ \t]*#[ \t]*include[ \t]*[<\"](Qt|Q[A-Z])" bad)
gw_fail_with_lines("${bad}" "Only the Qt front end may include Qt headers (QtGui/QtWidgets belong under src/frontends/qt and app)")
