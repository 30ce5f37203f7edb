# Writes the program's desktop entry from zindral.desktop.in.
#
# Exec holds the program's path as one argument that every reader of the entry runs: bare where it
# needs no quoting (xdg-open's generic mode takes the first word of Exec as it is, quotes and all),
# and quoted only where the desktop-entry rules ask for it (a space or a reserved character), with
# `"`, `` ` ``, `$` and `\` escaped by a backslash inside the quotes. Then it is escaped as any
# string value is (below), and a `%` is written `%%`.
#
# Used by app/CMakeLists.txt, and in script mode by the tests:
#   cmake -DINPUT=... -DOUTPUT=... -DEXECUTABLE=... -DICON=... -P DesktopEntry.cmake

# A string value (Icon, and Exec after its own quoting): backslashes doubled; a tab, newline or
# carriage return, which may not stand in the file as they are, written \t, \n and \r.
function(zindral_desktop_string out value)
  string(REPLACE "\\" "\\\\" value "${value}")
  string(REPLACE "\t" "\\t" value "${value}")
  string(REPLACE "\n" "\\n" value "${value}")
  string(REPLACE "\r" "\\r" value "${value}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

function(zindral_desktop_exec_argument out path)
  set(argument "${path}")
  if(argument MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
    string(REPLACE "\\" "\\\\" argument "${argument}")
    string(REPLACE "\"" "\\\"" argument "${argument}")
    string(REPLACE "`" "\\`" argument "${argument}")
    string(REPLACE "$" "\\$" argument "${argument}")
    set(argument "\"${argument}\"")
  endif()
  zindral_desktop_string(argument "${argument}")
  string(REPLACE "%" "%%" argument "${argument}")
  set(${out} "${argument}" PARENT_SCOPE)
endfunction()

function(zindral_write_desktop_entry input output executable icon)
  zindral_desktop_exec_argument(ZINDRAL_EXEC "${executable}")
  zindral_desktop_string(ZINDRAL_ICON "${icon}")
  configure_file("${input}" "${output}" @ONLY)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  foreach(required INPUT OUTPUT EXECUTABLE ICON)
    if(NOT DEFINED ${required})
      message(FATAL_ERROR "DesktopEntry.cmake: -D${required}=... is required")
    endif()
  endforeach()
  zindral_write_desktop_entry("${INPUT}" "${OUTPUT}" "${EXECUTABLE}" "${ICON}")
endif()
