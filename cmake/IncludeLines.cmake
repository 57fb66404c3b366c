# gw_include_lines(LIST_FILE REGEX OUT): every line of the files listed in LIST_FILE (one path a
# line) that matches REGEX, as "FILE: LINE", into OUT.
function(gw_include_lines list_file regex out)
  file(STRINGS "${list_file}" sources)
  set(found)
  foreach(src IN LISTS sources)
    if(src STREQUAL "" OR NOT EXISTS "${src}")
      continue()
    endif()
    file(STRINGS "${src}" lines REGEX "${regex}")
    foreach(line IN LISTS lines)
      list(APPEND found "${src}: ${line}")
    endforeach()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# Fails with `message`, listing the lines.
function(gw_fail_with_lines lines message)
  if(lines)
    string(REPLACE ";" "\n  " listed "${lines}")
    message(FATAL_ERROR "${message}:\n  ${listed}")
  endif()
endfunction()
