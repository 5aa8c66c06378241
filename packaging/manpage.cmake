# Writes a man page from a program's own --help texts, so the page always
# lists what the program does, every command included:
#
#   cmake -DPROGRAM=path -DNAME=rackmere-cli -DSUMMARY="..." -DVERSION=1.0
#         -DEXTRA=file-with-more-sections -DOUT=rackmere-cli.1 -P manpage.cmake
#
# The first line of `PROGRAM --help` ("Usage: ...") gives the synopsis, the
# rest the description. A program that lists "Commands:" in its help gets a
# COMMANDS section with each command's own `PROGRAM COMMAND --help`.

set(ENV{QT_QPA_PLATFORM} offscreen)
# The page is written in the programs' own English, whatever the builder speaks.
set(ENV{LANGUAGE} en)
function(run_help out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${rc})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text for roff: a backslash is written \e, a hyphen \- (a minus sign that
# can be pasted into a terminal), and every line starts with \& so that a
# line beginning with a dot or a quote is not read as a request.
function(roff_text out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REPLACE "\n" "\n\\&" text "${text}")
  set(${out} "\\&${text}" PARENT_SCOPE)
endfunction()

# A block of the help kept as it is laid out.
function(preformatted out text)
  roff_text(body "${text}")
  set(${out} ".nf\n${body}\n.fi\n" PARENT_SCOPE)
endfunction()

run_help(help)
string(FIND "${help}" "\n" eol)
string(SUBSTRING "${help}" 0 ${eol} usage)
string(SUBSTRING "${help}" ${eol} -1 description)
string(REGEX REPLACE "^Usage: *" "" usage "${usage}")
string(REGEX REPLACE "^\n+" "" description "${description}")

string(TOUPPER "${NAME}" title)
roff_text(summary "${SUMMARY}")
roff_text(synopsis "${usage}")
set(page ".TH ${title} 1 \"\" \"Rackmere ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${NAME} \\- ${summary}\n")
string(APPEND page ".SH SYNOPSIS\n${synopsis}\n")

string(FIND "${description}" "\nCommands:\n" commandsAt)
if(commandsAt EQUAL -1)
  preformatted(block "${description}")
  string(APPEND page ".SH DESCRIPTION\n${block}")
else()
  string(SUBSTRING "${description}" 0 ${commandsAt} intro)
  math(EXPR listAt "${commandsAt} + 11")
  string(SUBSTRING "${description}" ${listAt} -1 list)
  preformatted(block "${intro}")
  string(APPEND page ".SH DESCRIPTION\n${block}")
  preformatted(block "${list}")
  string(APPEND page ".SH COMMANDS\n${block}")
  # Each command: a line "  NAME   synopsis" in the list.
  string(REGEX MATCHALL "\n  [a-z][a-z0-9-]* " names "\n${list}")
  foreach(name IN LISTS names)
    string(STRIP "${name}" name)
    run_help(commandHelp ${name})
    preformatted(block "${commandHelp}")
    string(APPEND page ".SS ${name}\n${block}")
  endforeach()
endif()

if(EXTRA)
  file(READ "${EXTRA}" extra)
  string(APPEND page "${extra}")
endif()
file(WRITE "${OUT}" "${page}")
