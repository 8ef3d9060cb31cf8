# Writes a manual page from its template, with the program's own --help text as the options
# section, so that the page lists exactly the options the program has.
# Usage: cmake -DPROGRAM=... -DTEMPLATE=... -DOUTPUT=... [-DVARIABLES=name=value;...] -P man_from_help.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE ORRIN_HELP_TEXT RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
# roff: a backslash is written \e, a minus \-, and a line may not start with a control character.
string(REPLACE "\\" "\\e" ORRIN_HELP_TEXT "${ORRIN_HELP_TEXT}")
string(REPLACE "-" "\\-" ORRIN_HELP_TEXT "${ORRIN_HELP_TEXT}")
string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" ORRIN_HELP_TEXT "\n${ORRIN_HELP_TEXT}")
string(REGEX REPLACE "^\n" "" ORRIN_HELP_TEXT "${ORRIN_HELP_TEXT}")
string(REGEX REPLACE "\n+$" "" ORRIN_HELP_TEXT "${ORRIN_HELP_TEXT}")
foreach(assignment ${VARIABLES})
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${assignment}")
  string(REPLACE "%NL%" "\n" value "${CMAKE_MATCH_2}")
  set(${CMAKE_MATCH_1} "${value}")
endforeach()
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
