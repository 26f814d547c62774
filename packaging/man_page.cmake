# Writes the manual page: cmake -DPROGRAM=wendmoor4 -DTEMPLATE=wendmoor4.1.in
#   -DOUTPUT=wendmoor4.1 -DVERSION=4.41 -P man_page.cmake
# The SYNOPSIS is the program's --help, one usage line a synopsis line, so a
# command added to the program's table appears here without an edit.
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${PROGRAM}" --help
                OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()

string(REPLACE "\n" ";" lines "${help}")
set(synopsis "")
foreach(line IN LISTS lines)
  # "usage: wendmoor4 ..." and "       wendmoor4 ..."; the closing line
  # ("any command: --data DIR ...") is the OPTIONS section's.
  if(NOT line MATCHES "^(usage:)? *wendmoor4( +([^ ].*))?$")
    continue()
  endif()
  set(rest "${CMAKE_MATCH_3}")
  # The command name in bold, the rest as the program prints it. roff wants
  # backslashes doubled and hyphens as \-.
  string(REPLACE "\\" "\\\\" rest "${rest}")
  string(REPLACE "-" "\\-" rest "${rest}")
  if(rest MATCHES "^([a-z][a-z\\\\-]*)( (.*))?$")
    string(APPEND synopsis "\\fBwendmoor4 ${CMAKE_MATCH_1}\\fR ${CMAKE_MATCH_3}\n")
  else()
    string(APPEND synopsis "\\fBwendmoor4\\fR ${rest}\n")
  endif()
endforeach()
string(STRIP "${synopsis}" WM4_SYNOPSIS)
if(WM4_SYNOPSIS STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help listed no usage line")
endif()

set(WM4_VERSION "${VERSION}")
# The build's date; SOURCE_DATE_EPOCH's when set, for a reproducible build.
string(TIMESTAMP WM4_MAN_DATE "%Y-%m-%d" UTC)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
