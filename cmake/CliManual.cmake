# Writes the manual pages of the command-line commands from the program's own help:
# "qz --help" gives the list of commands (the lines of its "Commands:" section),
# "qz COMMAND --help" the text of each page, so the pages always say what the built
# program says. Run as: cmake -DQZ=<qz> -DOUT=<folder> -P CliManual.cmake
if(NOT QZ OR NOT OUT)
  message(FATAL_ERROR "CliManual.cmake needs -DQZ=<program> -DOUT=<folder>")
endif()

function(html_escape text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(run_help out)
  execute_process(COMMAND ${QZ} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR text STREQUAL "")
    message(FATAL_ERROR "'qz ${ARGN}' printed no help (status ${status})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(_head "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">")
set(_nav "<p><a href=\"../en/index.html\">Manual</a> | <a href=\"index.html\">Command line</a></p>\n")

file(MAKE_DIRECTORY ${OUT})
run_help(_overview --help)
html_escape("${_overview}" _overview_html)
string(REGEX MATCH "Commands:\n(  [^\n]*\n)+" _section "${_overview}")
string(REGEX REPLACE "^Commands:\n" "" _section "${_section}")
string(REGEX REPLACE "\n$" "" _section "${_section}")
string(REPLACE "\n" ";" _lines "${_section}")

set(_list "")
foreach(_line IN LISTS _lines)
  string(REGEX MATCH "^  ([a-z][a-z0-9-]*) +(.*)$" _m "${_line}")
  if(NOT _m)
    continue()
  endif()
  set(_name "${CMAKE_MATCH_1}")
  html_escape("${CMAKE_MATCH_2}" _summary)
  run_help(_text ${_name} --help)
  html_escape("${_text}" _text)
  file(WRITE ${OUT}/${_name}.html.new
       "${_head}<title>qz ${_name}</title></head>\n<body>\n${_nav}<h1>qz ${_name}</h1>\n"
       "<p>${_summary}</p>\n<pre>${_text}</pre>\n</body></html>\n")
  file(COPY_FILE ${OUT}/${_name}.html.new ${OUT}/${_name}.html ONLY_IF_DIFFERENT)
  file(REMOVE ${OUT}/${_name}.html.new)
  string(APPEND _list "<li><a href=\"${_name}.html\">qz ${_name}</a>: ${_summary}</li>\n")
endforeach()
if(_list STREQUAL "")
  message(FATAL_ERROR "'qz --help' lists no commands")
endif()

file(WRITE ${OUT}/index.html.new
     "${_head}<title>The command line</title></head>\n<body>\n"
     "<p><a href=\"../en/index.html\">Manual</a></p>\n<h1>The command line</h1>\n"
     "<p>The program <code>qz</code> does without windows what the desktop program does: it scores, "
     "checks, converts, exports and sends logs, alone or in batches. Each command has a page of its own; "
     "the pages are made from the program's own help when it is built, so they say what the program does.</p>\n"
     "<ul>\n${_list}</ul>\n<h2>qz --help</h2>\n<pre>${_overview_html}</pre>\n</body></html>\n")
file(COPY_FILE ${OUT}/index.html.new ${OUT}/index.html ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}/index.html.new)
file(TOUCH ${OUT}/.stamp)
