# Writes help2man's include file for velquor-cli(1): the fixed sections in
# FIXED, then a COMMANDS section made of each command's own --help (the
# commands are the ones `velquor-cli --help` lists under "Commands:"), and,
# when the program has a `potentials` command, its list of potentials with
# their settings. Run as cmake -DCLI=... -DFIXED=... -DOUT=... -P this file.

cmake_minimum_required(VERSION 3.25)

function(run_cli out_var)
  execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " args "${ARGN}")
    message(FATAL_ERROR "velquor-cli ${args} failed: ${status}")
  endif()
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# Text for roff: backslashes and minus signs escaped, no line starting with a
# control character.
function(roff out_var text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# One command's --help as a subsection: the usage as its title, the text as
# paragraphs, each option as a tagged paragraph.
function(command_section out_var command)
  run_cli(help ${command} --help)
  string(REPLACE ";" "\\;" help "${help}")
  string(REPLACE "\n" ";" lines "${help}")
  set(section "")
  set(in_options FALSE)
  foreach(line IN LISTS lines)
    roff(line "${line}")
    if(line MATCHES "^Usage: (.*)$")
      set(section "${section}.SS \"${CMAKE_MATCH_1}\"\n")
    elseif(line STREQUAL "Options:")
      set(in_options TRUE)
    elseif(line STREQUAL "")
      set(section "${section}.PP\n")
    elseif(in_options AND line MATCHES "^  ([^ ].*[^ ])   *([^ ].*)$")
      set(section "${section}.TP\n${CMAKE_MATCH_1}\n${CMAKE_MATCH_2}\n")
    elseif(in_options AND line MATCHES "^  ([^ ].*)$")
      set(section "${section}.TP\n${CMAKE_MATCH_1}\n")
    else()
      string(REGEX REPLACE "^ +" "" line "${line}")
      set(section "${section}${line}\n")
    endif()
  endforeach()
  set(${out_var} "${section}" PARENT_SCOPE)
endfunction()

run_cli(help --help)
string(REPLACE ";" "\\;" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(commands "")
set(in_commands FALSE)
foreach(line IN LISTS lines)
  if(line STREQUAL "Commands:")
    set(in_commands TRUE)
  elseif(in_commands AND line MATCHES "^  ([a-z][a-z-]*) ")
    list(APPEND commands ${CMAKE_MATCH_1})
  elseif(in_commands AND NOT line MATCHES "^   ")
    set(in_commands FALSE)
  endif()
endforeach()
if(NOT commands)
  message(FATAL_ERROR "velquor-cli --help lists no commands under \"Commands:\"")
endif()

file(READ ${FIXED} text)
set(text "${text}\n[COMMANDS]\n")
foreach(command IN LISTS commands)
  command_section(section ${command})
  set(text "${text}${section}")
endforeach()

if("potentials" IN_LIST commands)
  run_cli(table potentials)
  roff(table "${table}")
  string(APPEND text "\n[POTENTIALS]\nWhat \\fBvelquor\\-cli potentials\\fR prints: every family, "
         "its formula, and each setting with its default, minimum and maximum.\n.PP\n.nf\n"
         "${table}.fi\n")
endif()
file(WRITE ${OUT} "${text}")
