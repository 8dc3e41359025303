# Every test carries one of the labels unit (core rules), transcript (whole
# games through the script driver), qt (the Qt front end, offscreen), window
# (the real program on a virtual screen) and slow, so that a run can choose:
# `ctest -LE window` where there is no screen. A folder that adds tests calls
# zarvana_check_labels() at its end; a test without a label stops CMake.
function(zarvana_check_labels)
  get_property(tests DIRECTORY PROPERTY TESTS)
  foreach(test IN LISTS tests)
    get_test_property(${test} LABELS labels)
    if(NOT labels)
      message(FATAL_ERROR "test ${test} has no label (unit, transcript, qt, window or slow)")
    endif()
  endforeach()
endfunction()
