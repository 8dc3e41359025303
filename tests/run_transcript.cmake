# Runs one script-driver transcript: the script's "# bank: FILE",
# "# default: FILE", "# config: FILE" and "# settings: FILE" lines name
# fixtures copied into a fresh application folder (as imp.zrv, default.zrv,
# config.txt, zarvana.ini); the driver's output, followed by "exit: STATUS", must equal the
# .expected file.
#   cmake -DEXE=... -DSCRIPT=... -DEXPECTED=... -DWORK=... -P run_transcript.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(dir "${SCRIPT}" DIRECTORY)
file(STRINGS "${SCRIPT}" directives REGEX "^# (bank|config|default|settings): ")
foreach(line IN LISTS directives)
  if(line MATCHES "^# bank: (.+)$")
    configure_file("${dir}/banks/${CMAKE_MATCH_1}" "${WORK}/imp.zrv" COPYONLY)
  elseif(line MATCHES "^# default: (.+)$")
    configure_file("${dir}/banks/${CMAKE_MATCH_1}" "${WORK}/default.zrv" COPYONLY)
  elseif(line MATCHES "^# config: (.+)$")
    configure_file("${dir}/banks/${CMAKE_MATCH_1}" "${WORK}/config.txt" COPYONLY)
  elseif(line MATCHES "^# settings: (.+)$")
    configure_file("${dir}/banks/${CMAKE_MATCH_1}" "${WORK}/zarvana.ini" COPYONLY)
  endif()
endforeach()
execute_process(COMMAND "${EXE}" --headless --app-dir "${WORK}"
                INPUT_FILE "${SCRIPT}" OUTPUT_VARIABLE out RESULT_VARIABLE rc)
string(APPEND out "exit: ${rc}\n")
file(READ "${EXPECTED}" expected)
if(NOT out STREQUAL expected)
  file(WRITE "${WORK}/actual.txt" "${out}")
  execute_process(COMMAND diff -u "${EXPECTED}" "${WORK}/actual.txt")
  message(FATAL_ERROR "transcript differs: ${SCRIPT}")
endif()
file(REMOVE_RECURSE "${WORK}")
