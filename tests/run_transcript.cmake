# Runs one script-driver transcript: the script's "# bank: FILE",
# "# default: FILE", "# config: FILE", "# settings: FILE" and "# extras: FILE"
# lines name fixtures copied into a fresh application folder (as imp.zrv,
# default.zrv, config.txt, zarvana.ini, imp-extras.tsv; "# set: FILE" keeps
# its name, for the driver's "file FILE"); the driver's output, followed by "exit: STATUS",
# must equal the .expected file (ZARVANA_BLESS=1 writes it instead).
#
# A line "# play N times: STEP, STEP, ..." (or "# play: ..." for once) is
# followed by its steps N times over, so that a script climbing the ladder
# need not spell out every question: "start" opens the board from the menu
# and starts a game, "answer L" picks option L and locks it, "ok F" presses
# the OK of form F, anything else is a driver command. The driver itself
# skips the line as a comment; its language stays as it is.
#   cmake -DEXE=... -DSCRIPT=... -DEXPECTED=... -DWORK=... -P run_transcript.cmake
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(dir "${SCRIPT}" DIRECTORY)
set(fixture_bank imp.zrv)
set(fixture_default default.zrv)
set(fixture_config config.txt)
set(fixture_settings zarvana.ini)
set(fixture_extras imp-extras.tsv)
file(STRINGS "${SCRIPT}" directives REGEX "^# (bank|config|default|settings|extras|set): ")
foreach(line IN LISTS directives)
  string(REGEX MATCH "^# ([a-z]+): (.+)$" line "${line}")
  if(CMAKE_MATCH_1 STREQUAL "set")
    set(fixture_set "${CMAKE_MATCH_2}")  # a set keeps its name
  endif()
  configure_file("${dir}/banks/${CMAKE_MATCH_2}" "${WORK}/${fixture_${CMAKE_MATCH_1}}" COPYONLY)
endforeach()

# Lines as list items: the characters that CMake's lists treat apart are
# stood in for while the script is taken apart.
file(READ "${SCRIPT}" text)
string(REPLACE ";" "@semicolon@" text "${text}")
string(REPLACE "[" "@open@" text "${text}")
string(REPLACE "]" "@close@" text "${text}")
string(REPLACE "\n" ";" lines "${text}")
set(commands "")
foreach(line IN LISTS lines)
  string(APPEND commands "${line}\n")
  if(line MATCHES "^# play( ([1-9][0-9]*) times)?: (.+)$")
    set(times 1)
    if(CMAKE_MATCH_2)
      set(times ${CMAKE_MATCH_2})
    endif()
    string(REPLACE ", " ";" steps "${CMAKE_MATCH_3}")
    set(block "")
    foreach(step IN LISTS steps)
      if(step STREQUAL "start")
        string(APPEND block "click Main.Label1\nclick Game.lblStart\n")
      elseif(step MATCHES "^answer ([A-D])$")
        string(APPEND block "click Game.lbl${CMAKE_MATCH_1}\nclick Game.lblLock\n")
      elseif(step MATCHES "^ok ([A-Za-z0-9]+)$")
        string(APPEND block "click ${CMAKE_MATCH_1}.Command1\n")
      else()
        string(APPEND block "${step}\n")
      endif()
    endforeach()
    foreach(i RANGE 1 ${times})
      string(APPEND commands "${block}")
    endforeach()
  endif()
endforeach()
string(REPLACE "@semicolon@" ";" commands "${commands}")
string(REPLACE "@open@" "[" commands "${commands}")
string(REPLACE "@close@" "]" commands "${commands}")
file(WRITE "${WORK}/commands.txt" "${commands}")

execute_process(COMMAND "${EXE}" --headless --app-dir "${WORK}"
                INPUT_FILE "${WORK}/commands.txt" OUTPUT_VARIABLE out RESULT_VARIABLE rc)
string(APPEND out "exit: ${rc}\n")
file(READ "${EXPECTED}" expected)
if(NOT out STREQUAL expected AND DEFINED ENV{ZARVANA_BLESS})
  # ZARVANA_BLESS=1 ctest -R transcript.NAME: the output becomes the
  # expected one, for a change that alters it on purpose (read the diff).
  file(WRITE "${EXPECTED}" "${out}")
  set(expected "${out}")
endif()
if(NOT out STREQUAL expected)
  file(WRITE "${WORK}/actual.txt" "${out}")
  execute_process(COMMAND diff -u "${EXPECTED}" "${WORK}/actual.txt")
  message(FATAL_ERROR "transcript differs: ${SCRIPT}")
endif()
file(REMOVE_RECURSE "${WORK}")
