# A new wine prefix for the test run: the previous one's server ended, its folder removed, then
# wine's first start, which must not wait on any dialog (see the environment of the test). With
# END, only the server of the run is ended.
execute_process(COMMAND wineserver -k OUTPUT_QUIET ERROR_QUIET)
if(END)
  return()
endif()
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND wine wineboot --init RESULT_VARIABLE result TIMEOUT 100
  OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS "${PREFIX}/system.reg")
  message(FATAL_ERROR "wine could not make its prefix in ${PREFIX} (${result})")
endif()
