# Every test of a folder names its labels, so `ctest -L` can pick it, and a timeout, so a
# hung test fails instead of stalling the run. Called at the end of each folder that adds
# tests; the configuration stops at the first test without them.
function(talvo_check_test_properties)
  get_directory_property(tests TESTS)
  foreach(test ${tests})
    foreach(property LABELS TIMEOUT)
      get_test_property(${test} ${property} value)
      if(NOT value)
        message(FATAL_ERROR "test ${test} has no ${property}")
      endif()
    endforeach()
  endforeach()
endfunction()
